// SPDX-License-Identifier: GPL-3.0-or-later
// Prints what the main window, Set File's chooser and each of their controls
// are called for a screen reader, as the widgets themselves hold it, in the
// language this runs in: what e2e_screen_reader.sh must hear through AT-SPI.
// One line each: window|control, object name, name, description (tab-separated).
#include "DriveMap.h"
#include "FakeClock.h"
#include "FakeOpener.h"
#include "FakeStayAwake.h"
#include "FakeWakeUp.h"
#include "Form1.h"
#include "PaneFactory.h"
#include "SequentialFiles.h"
#include "Translations.h"
#include "frmSelectOneFile.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

/// The description without what it says of the present moment (the alarm
/// time's wake-up plan, its tooltip too), which differs from the program's.
QString lastingDescription(const QWidget *widget)
{
    QString description = widget->accessibleDescription();
    const QString moment = u' ' + widget->toolTip();
    if (!widget->toolTip().isEmpty() && description.endsWith(moment))
        description.chop(moment.size());
    return description;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The program's own translations, as the program loads them for this language.
    Translations::install(app, {QStringLiteral(DORVANE_TRANSLATIONS_DIR)});
    QTemporaryDir settings;
    if (!settings.isValid())
        return 1;
    SequentialFiles files{DriveMap(settings.path())};
    FakeClock clock;
    FakeOpener opener;
    FakeWakeUp wakeUp;
    FakeStayAwake stayAwake;
    Form1 form({{clock, opener, wakeUp, stayAwake, files}, createWebPane(opener), WebPages::onSite(QUrl())});
    frmSelectOneFile chooser(files);

    QTextStream out(stdout);
    const auto line = [&out](const char *kind, const QString &object, const QString &name, const QString &description) {
        out << kind << '\t' << object << '\t' << name << '\t' << description << '\n';
    };
    for (QWidget *window : {static_cast<QWidget *>(&form), static_cast<QWidget *>(&chooser)}) {
        line("window", window->metaObject()->className(), window->windowTitle(), window->accessibleDescription());
        for (const QWidget *control : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!control->isWindow())
                line("control", control->objectName(), control->accessibleName(), lastingDescription(control));
        }
    }
    return 0;
}
