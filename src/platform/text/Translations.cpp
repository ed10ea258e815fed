// SPDX-License-Identifier: GPL-3.0-or-later
// Translations: the program's sentences, and Qt's own, in the user's language.
#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace Translations {

QLocale install(QCoreApplication &app, const QStringList &folders, const QStringList &languages)
{
    for (const QString &language : languages) {
        const QLocale locale(language);
        // What the user asked for before any translation: the sentences as written.
        if (locale.language() == QLocale::English)
            break;
        auto *own = new QTranslator(&app);
        for (const QString &folder : folders) {
            if (own->load(QStringLiteral("dorvane_") + locale.name(), folder)
                || own->load(QStringLiteral("dorvane_") + QLocale::languageToCode(locale.language()), folder))
                break;
        }
        if (own->isEmpty()) {
            delete own;
            continue;
        }
        QCoreApplication::installTranslator(own);
        // The buttons of Qt's dialogs and the command line's help, in the same language.
        auto *qt = new QTranslator(&app);
        if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))
            || qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), own->filePath().section(u'/', 0, -2)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
        return locale;
    }
    return QLocale(QLocale::English);
}

QStringList folders()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    return {programDir + QStringLiteral("/translations"), programDir + QStringLiteral(DORVANE_INSTALLED_TRANSLATIONS)};
}

} // namespace Translations
