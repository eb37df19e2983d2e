// SPDX-License-Identifier: MIT
// The user's language: which of our translations suits the desktop, and
// loading it with Qt's own (so that Yes and No are in that language too).
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QTranslator>

namespace dicemere {

// A text marked for translation where it is declared and looked up where it
// is shown. Declare it as {"Context", QT_TRANSLATE_NOOP("Context", "English")}
// so that lupdate finds it.
struct Text {
    const char* context;
    const char* source;
    QString operator()() const { return QCoreApplication::translate(context, source); }
};

// The languages there are translations for, by their file suffix.
inline constexpr const char* kTranslations[] = {"de", "es", "fr", "pt_BR"};

// The translation for a desktop's preferred languages, most preferred first
// (QLocale::uiLanguages(): "de-AT", "pt-PT", "en-US", "C"...): the first
// language we have decides, English included; any Portuguese reads the
// Brazilian translation, any German, Spanish or French their one translation.
// The empty text stands for English, the program's own language.
QString ChooseTranslation(const QStringList& uiLanguages);

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
