// SPDX-License-Identifier: MIT
#include "Translation.h"

#include <QDir>
#include <QLibraryInfo>

namespace dicemere {

namespace {
const QString kFolder = QStringLiteral(":/i18n/");
const QString kPrefix = QStringLiteral("dicemere_");
const QString kSuffix = QStringLiteral(".qm");
} // namespace

QStringList AvailableTranslations() {
    // The names are matched here: a name filter would make QDir compile a
    // regular expression, and PCRE2's JIT costs start-up half a megabyte.
    QStringList languages;
    const QStringList files = QDir(kFolder).entryList(QDir::Files);
    for (const QString& file : files)
        if (file.size() > kPrefix.size() + kSuffix.size() && file.startsWith(kPrefix) &&
            file.endsWith(kSuffix))
            languages << file.mid(kPrefix.size(), file.size() - kPrefix.size() - kSuffix.size());
    return languages;
}

QString ChooseTranslation(const QStringList& uiLanguages, const QStringList& available) {
    for (QString tag : uiLanguages) {
        tag.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString language = tag.section(QLatin1Char('_'), 0, 0).toLower();
        if (language == QLatin1String("en"))
            return {};
        if (available.contains(tag))
            return tag;
        for (const QString& ours : available)
            if (ours == language || ours.startsWith(language + QLatin1Char('_')))
                return ours;
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
    if (!program_.load(kFolder + kPrefix + language + kSuffix))
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
