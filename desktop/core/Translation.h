// SPDX-License-Identifier: MIT
// The user's language: which of our translations suits the desktop, and
// loading it with Qt's own (so that Yes and No are in that language too).
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QTranslator>

namespace dicemere {

// The translations compiled into the program, by language ("de", "pt_BR"...).
QStringList AvailableTranslations();

// The translation for a desktop's preferred languages, most preferred first
// (QLocale::uiLanguages(): "de-AT", "pt-PT", "en-US", "C"...): the first
// language that has one decides, English included. A region without a
// translation of its own reads its language's (de_AT German; pt_PT the
// Brazilian Portuguese, nearer to a Portuguese reader than English). The
// empty text stands for English, the program's own language.
QString ChooseTranslation(const QStringList& uiLanguages, const QStringList& available);

// The program's translation and Qt's for one language, installed for the
// whole run. Installs nothing for English or a language without files.
class Translations {
public:
    Translations() = default;
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;
    ~Translations();

    // Returns true when the program's own translation was installed.
    bool Install(const QString& language);

private:
    QTranslator program_;
    QTranslator qt_;
    bool installed_ = false;
};

} // namespace dicemere
