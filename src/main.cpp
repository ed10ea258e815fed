// SPDX-License-Identifier: GPL-3.0-or-later
// Dorvane: builds the real services and opens the main window.
#include "AccessibleWidgets.h"
#include "AlarmTimeFile.h"
#include "CursorBlinkTimeout.h"
#include "DesktopOpener.h"
#include "DriveMap.h"
#include "Form1.h"
#include "InstanceLog.h"
#include "NoticeBox.h"
#include "PaneFactory.h"
#include "SequentialFiles.h"
#include "SingleInstance.h"
#include "SiteRoot.h"
#include "SystemClock.h"
#include "SystemStayAwake.h"
#include "SystemWakeUp.h"
#include "Text.h"
#include "Translations.h"
#include "WebPages.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

#include <algorithm>

namespace {

/// Names the program and speaks the user's language: the command line's answers are sentences too.
void introduce(QCoreApplication &app)
{
    QCoreApplication::setApplicationName(QStringLiteral("dorvane"));
    QCoreApplication::setApplicationVersion(QStringLiteral(DORVANE_VERSION));
    Translations::install(app, Translations::folders());
}

/// Reads the command line, which holds only --help and --version: each answers and ends the program.
void readCommandLine(const QCoreApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Opens one chosen file at one set time of day, every day."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);
}

/// Whether the command line only asks a question, which needs no display to answer.
bool onlyAsks(int argc, char *argv[])
{
    static constexpr std::string_view questions[] = {"-h", "--help", "-?", "--help-all", "-v", "--version"};
    return std::any_of(argv + 1, argv + argc, [](const char *argument) {
        return std::find(std::begin(questions), std::end(questions), argument) != std::end(questions);
    });
}

} // namespace

int main(int argc, char *argv[])
{
    if (onlyAsks(argc, argv)) {
        QCoreApplication app(argc, argv);
        introduce(app);
        readCommandLine(app);
        return 0;
    }
    prepareWebPane();
    QApplication app(argc, argv);
    introduce(app);
    // Before anything else: a mistyped option must not start a second copy or touch the settings.
    readCommandLine(app);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.dorvane.Dorvane"));
    CursorBlinkTimeout blinkTimeout(10'000);
    AccessibleWidgets::install();

    DriveMap::Unnamed unnamed;
    const std::optional<DriveMap> drives = DriveMap::forThisSystem(&unnamed);
    if (!drives) {
        // Any folder but the one named would hold settings the user never sees.
        const QString text = QCoreApplication::translate("main", "Dorvane cannot tell where your settings are: the environment variable "
                                                                 "%1 is %2, which is not valid UTF-8 text, and Dorvane keeps your "
                                                                 "settings in a folder below it.\n\n"
                                                                 "Dorvane has not started, so that it reads and saves no settings in "
                                                                 "another folder. Rename that folder, or set %1 to a name that is "
                                                                 "valid text, and start Dorvane again.")
                                 .arg(unnamed.variable, ForNotice(unnamed.value));
        qWarning().noquote() << text;
        QMessageBox::warning(nullptr, QStringLiteral("Dorvane"), text);
        return 1;
    }
    SequentialFiles files(*drives);
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
