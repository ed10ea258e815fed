// SPDX-License-Identifier: GPL-3.0-or-later
// Translations: the program's sentences, and Qt's own, in the user's language.
#pragma once

#include <QLocale>
#include <QStringList>

class QCoreApplication;

namespace Translations {

/**
 * Installs the program's translation for the first of @p languages that has
 * one, looked for in each folder of @p folders, and Qt's own translation of
 * its dialogs and messages in that language beside it. English is the
 * program's own language: a user who puts it before any other gets it
 * untranslated. Returns the language installed, or English.
 */
QLocale install(QCoreApplication &app, const QStringList &folders,
                const QStringList &languages = QLocale::system().uiLanguages());

/// Where the program's translations are: beside it in the build folder, or where it is installed.
QStringList folders();

} // namespace Translations
