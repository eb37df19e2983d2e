// SPDX-License-Identifier: MIT
#include "Translation.h"

#include <QDir>
#include <QLibraryInfo>

namespace dicemere {

QString ChooseTranslation(const QStringList& uiLanguages) {
    for (const QString& tag : uiLanguages) {
        const QString language =
            tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (language == QLatin1String("en"))
            return {};
        if (language == QLatin1String("pt"))
            return QStringLiteral("pt_BR");
        for (const char* ours : kTranslations)
            if (language == QLatin1String(ours))
                return language;
    }
    return {};
}

Translations::~Translations() {
    if (!installed_)
        return;
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&program_);
}

bool Translations::Install(const QString& language) {
    if (language.isEmpty() || installed_)
        return false;
    // Compiled into the program.
    if (!program_.load(QStringLiteral(":/i18n/dicemere_") + language))
        return false;
    QCoreApplication::installTranslator(&program_);
    installed_ = true;
    // Qt's own: where this Qt keeps them (Debian: qt6-translations-l10n), or
    // beside the program (the Windows installer and zip).
    const QString qtFile = QStringLiteral("qtbase_") + language;
    for (const QString& folder :
         {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
          QCoreApplication::applicationDirPath() + QStringLiteral("/translations")}) {
        if (qt_.load(qtFile, folder)) {
            QCoreApplication::installTranslator(&qt_);
            break;
        }
    }
    return true;
}

} // namespace dicemere
