// SPDX-License-Identifier: GPL-3.0-or-later
// Dorvane: builds the real services and opens the main window.
#include "AccessibleWidgets.h"
#include "CursorBlinkTimeout.h"
#include "InstanceLog.h"
#include "DesktopOpener.h"
#include "DriveMap.h"
#include "AlarmTimeFile.h"
#include "Form1.h"
#include "NoticeBox.h"
#include "PaneFactory.h"
#include "SequentialFiles.h"
#include "SingleInstance.h"
#include "SiteRoot.h"
#include "SystemClock.h"
#include "SystemStayAwake.h"
#include "SystemWakeUp.h"
#include "Text.h"
#include "WebPages.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

int main(int argc, char *argv[])
{
    prepareWebPane();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("dorvane"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.dorvane.Dorvane"));
    CursorBlinkTimeout blinkTimeout(10'000);
    AccessibleWidgets::install();

    SequentialFiles files(DriveMap::forThisSystem());
    // Decided before the window touches either settings file.
    SingleInstance instance(QFileInfo(files.drives().localPath(AlarmTimeFile::path)).absolutePath());
    const SingleInstance::Claim claim = instance.claim();
    switch (claim) {
    case SingleInstance::Claim::Running:
    case SingleInstance::Claim::Unguarded:
        break;
    case SingleInstance::Claim::OtherShown:
        return 0;
    case SingleInstance::Claim::OtherSilent:
        QMessageBox::warning(nullptr, QStringLiteral("Dorvane"),
                             QCoreApplication::translate("main", "Dorvane is already running, but it does not answer. "
                                                                 "Close it, or end it if it hangs, and start Dorvane again."));
        return 1;
    }

    SystemClock clock;
    DesktopOpener opener;
    // Both outlive the window, which withdraws its requests as it closes.
    const std::unique_ptr<WakeUp> wakeUp = SystemWakeUp::forSwitch(qEnvironmentVariable(SystemWakeUp::switchVariable));
    SystemStayAwake stayAwake;
    Form1 window({{clock, opener, *wakeUp, stayAwake, files}, createWebPane(opener), WebPages::onSite(siteRoot())});
    QObject::connect(&instance, &SingleInstance::showRequested, &window, [&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
    window.show();
    if (claim == SingleInstance::Claim::Unguarded) {
        const SingleInstance::Problem problem = instance.problem();
        const QString text = QCoreApplication::translate("main", "Dorvane could not rule out that another copy of it is running, "
                                                                 "because %1 cannot be locked (%2).\n\n"
                                                                 "If another copy runs, your file may open twice at the alarm time.")
                                 .arg(ForNotice(QDir::toNativeSeparators(problem.path)), problem.reason);
        qCWarning(lcInstance).noquote() << text;
        NoticeBox::show(&window, text, NoticeBox::Holds::Nothing);
    }
    return app.exec();
}
