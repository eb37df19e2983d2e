// SPDX-License-Identifier: MIT
// Dicemere in every language it speaks: the desktop's language chosen, every
// text the user sees or hears translated, nothing cut off, and access keys
// that stay keys and stay unique, in every window, on every page.
#include "../support/MainWindowRig.h"
#include "../support/WindowWalk.h"
#include "AboutWindow.h"
#include "AppInfo.h"
#include "EnochianNumerology.h"
#include "ExitScreen.h"
#include "Startup.h"
#include "TellAFriend.h"
#include "Translation.h"
#include "UpdateReminder.h"

#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <functional>
#include <map>

using namespace dicemere;
using namespace dicemere::test;

namespace {

// Marks every text it is asked for, so that a text that never asked shows.
class PseudoTranslator final : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        // Qt's own texts (its buttons, its edit menus) are Qt's to translate.
        if (QByteArray(context).startsWith('Q'))
            return {};
        return QStringLiteral("\u27e6") + QString::fromUtf8(source) + QStringLiteral("\u27e7");
    }
    bool isEmpty() const override { return false; }
};

// What is left of a text once every marked part is taken out.
QString Unmarked(QString text) {
    static const QRegularExpression innermost(QStringLiteral("\u27e6[^\u27e6\u27e7]*\u27e7"));
    for (;;) {
        const QString before = text;
        text.remove(innermost);
        if (text == before)
            return text;
    }
}

// Texts that are the same in every language: the product's name and version,
// web addresses, the maker's name, numbers and formulas.
bool NeedsNoTranslation(QString text) {
    for (const char* name :
         {kWindowCaption, sites::kMakerHost, kAppName, "Example Apps", "Example"})
        text.remove(QLatin1String(name));
    static const QRegularExpression letter(QStringLiteral("\\p{L}"));
    return !text.contains(letter);
}

// One cast for each cell of the reading tables that a cast can reach.
std::vector<std::vector<int>> OneCastPerReading() {
    std::map<std::pair<int, int>, std::vector<int>> found;
    std::vector<std::int16_t> dice;
    const std::function<void(int)> grow = [&](int n) {
        if (static_cast<int>(dice.size()) == n) {
            const reading::Reading r = reading::SelectReading(dice);
            found.try_emplace({r.cell.row, r.cell.column}, dice.begin(), dice.end());
            return;
        }
        for (std::int16_t v = 0; v <= 6; ++v) {
            dice.push_back(v);
            grow(n);
            dice.pop_back();
        }
    };
    for (int n = 2; n <= 4; ++n)
        grow(n);
    std::vector<std::vector<int>> casts;
    for (const auto& [cell, cast] : found)
        casts.push_back(cast);
    return casts;
}

// A window in one of its states, as a reader meets it.
using Visit = std::function<void(QWidget* window, const QString& where)>;

// Every window, page and message of the program, each in every state whose
// texts differ. Messages go through the doubles and come back as texts.
QStringList WalkEverything(const Visit& visit) {
    MainWindowRig rig;
    rig.window.show();
    visit(&rig.window, QStringLiteral("front page: "));

    // A cast with a die on the border: the casting page after each press.
    rig.random.push({0.0f, 0.5f, 0.9f}); // inside, on the border, outside
    rig.cast(3);
    visit(&rig.window, QStringLiteral("casting page: "));
    rig.random.push({0.6f, 0.5f, 0.2f, 0.95f, 0.0f}); // 4; border, recast as 1 inside; 6
    for (int press = 0; press < 5; ++press) {
        rig.press();
        visit(&rig.window, QStringLiteral("casting page, press %1: ").arg(press + 1));
    }
    for (const std::vector<int>& cast : OneCastPerReading()) {
        if (auto* back = rig.window.findChild<QPushButton*>(QStringLiteral("backButton")))
            back->click();
        rig.castAndShow(cast);
        visit(&rig.window, QStringLiteral("result page of %1: ")
                               .arg(QString::fromStdString(reading::CombinationKey(
                                   std::vector<std::int16_t>(cast.begin(), cast.end())))));
    }

    AboutWindow about(rig.help);
    about.show();
    visit(&about, QStringLiteral("About: "));

    for (float r : {0.1f, 0.3f, 0.6f, 0.8f}) {
        rig.random.push({r});
        ExitScreen exitScreen(rig.fakes.services);
        exitScreen.show();
        visit(&exitScreen, QStringLiteral("exit screen %1: ").arg(r));
        if (r < 0.2f) {
            // The form's complaints, one each.
            auto* submit = exitScreen.findChild<QPushButton*>(QStringLiteral("referButton"));
            submit->click(); // the two addresses are the placeholders: not proper
            auto* email = exitScreen.findChild<QLineEdit*>(QStringLiteral("emailBox"));
            auto* friendEmail = exitScreen.findChild<QLineEdit*>(QStringLiteral("friendEmailBox"));
            email->setText(QStringLiteral("a@b.c"));
            friendEmail->setText(QStringLiteral("a@b.c"));
            submit->click(); // the same address twice
            friendEmail->setText(QStringLiteral("d@e.f"));
            submit->click(); // the name left at its placeholder
            email->setFocus();
            QTest::keyClick(email, Qt::Key_Space); // no space in an address
        }
    }

    // The start-up's messages.
    FakeServices other;
    other.lock.result = InstanceLock::Result::HeldByAnother;
    struct Nothing final : StartupTarget {
        void ShowMainWindow() override {}
        void BringPromoToFront(PromoFront) override {}
    } nothing;
    RunStartup(other.services, nothing);
    other.settings.values[QStringLiteral("Settings/Duration")] = QStringLiteral("2000-01-01");
    UpdateReminder(other.settings, other.clock, other.boxes, other.help);
    return rig.boxes.texts() + other.boxes.texts();
}

// English captions that carry an access key, by where they are.
QSet<QString> CaptionsWithKeys(QWidget* window, const QString& where) {
    QSet<QString> keyed;
    for (const auto& [who, text] : VisibleTexts(window))
        if (who.endsWith(QLatin1String(".text")) && !AccessKey(text).isNull())
            keyed.insert(where.section(QLatin1Char(':'), 0, 0) + QLatin1Char('/') + who);
    return keyed;
}

// The access keys of one window in one state: one per caption that had one in
// English, and no key twice among the captions reachable together (the menu
// bar with the page in front; each menu on its own).
void CheckAccessKeys(QWidget* window, const QString& where, const QSet<QString>& english) {
    QMap<QString, QString> taken; // scope and key -> caption
    const auto take = [&](const QString& scope, const QString& who, const QString& caption) {
        const QChar key = AccessKey(caption);
        if (english.contains(where.section(QLatin1Char(':'), 0, 0) + QLatin1Char('/') + who))
            QVERIFY2(!key.isNull(), qPrintable(where + caption + QStringLiteral(": no key")));
        if (key.isNull())
            return;
        const QString slot = scope + key;
        QVERIFY2(!taken.contains(slot), qPrintable(where + caption + QStringLiteral(" and ") +
                                                   taken.value(slot) + QStringLiteral(": ") + key));
        taken.insert(slot, caption);
    };
    for (auto* button : window->findChildren<QAbstractButton*>())
        if (button->isVisibleTo(window))
            take(QStringLiteral("window"), button->objectName() + QStringLiteral(".text"),
                 button->text());
    if (auto* bar = window->findChild<QMenuBar*>()) {
        for (QAction* a : bar->actions()) {
            if (!a->isVisible())
                continue;
            take(QStringLiteral("window"), a->objectName() + QStringLiteral(".text"), a->text());
            if (QMenu* menu = a->menu())
                for (QAction* item : menu->actions())
                    if (item->isVisible() && !item->isSeparator())
                        take(menu->objectName(), item->objectName() + QStringLiteral(".text"),
                             item->text());
        }
    }
}

const std::map<QString, QString> kLanguages{
    {QStringLiteral("German"), QStringLiteral("de")},
    {QStringLiteral("Spanish"), QStringLiteral("es")},
    {QStringLiteral("French"), QStringLiteral("fr")},
    {QStringLiteral("Brazilian Portuguese"), QStringLiteral("pt_BR")}};

const QStringList kCompiledIn{QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr"),
                              QStringLiteral("pt_BR")};

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT
    // The captions that carry an access key in English, by where they are.
    QSet<QString> englishKeyed_;

private Q_SLOTS:
    void initTestCase() {
        WalkEverything([this](QWidget* window, const QString& where) {
            englishKeyed_ += CaptionsWithKeys(window, where);
        });
        QVERIFY(englishKeyed_.size() >= 10);
    }

    void desktopLanguageChoosesTheTranslation_data() {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("translation");
        const auto row = [](const char* name, QStringList languages, const char* translation) {
            QTest::newRow(name) << languages << QString::fromLatin1(translation);
        };
        row("German, Germany", {QStringLiteral("de-DE")}, "de");
        row("German, Austria", {QStringLiteral("de-AT"), QStringLiteral("de")}, "de");
        row("Spanish, Mexico", {QStringLiteral("es-MX")}, "es");
        row("French, Canada", {QStringLiteral("fr-CA")}, "fr");
        row("Portuguese, Brazil", {QStringLiteral("pt-BR")}, "pt_BR");
        row("Portuguese, Portugal", {QStringLiteral("pt-PT")}, "pt_BR");
        row("English first", {QStringLiteral("en-US"), QStringLiteral("de-DE")}, "");
        row("English after German", {QStringLiteral("de-DE"), QStringLiteral("en-US")}, "de");
        row("untranslated, then French", {QStringLiteral("it-IT"), QStringLiteral("fr-FR")}, "fr");
        row("only untranslated", {QStringLiteral("nl-NL"), QStringLiteral("ja")}, "");
        row("C locale", {QStringLiteral("C")}, "");
        row("nothing", {}, "");
        row("underscores", {QStringLiteral("pt_BR")}, "pt_BR");
    }
    void desktopLanguageChoosesTheTranslation() {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, translation);
        QCOMPARE(ChooseTranslation(uiLanguages, kCompiledIn), translation);
    }

    // What the program offers is what it carries.
    void theFourTranslationsAreCompiledIn() { QCOMPARE(AvailableTranslations(), kCompiledIn); }

    // Each translation is compiled in and brings Qt's own along: Yes and No
    // in that language too.
    void translationsLoadWithQtsOwn_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("yes");
        for (const auto& [name, code] : kLanguages)
            QTest::newRow(qPrintable(name))
                << code
                << QString::fromUtf8(code == QLatin1String("de")   ? "&Ja"
                                     : code == QLatin1String("fr") ? "&Oui"
                                     : code == QLatin1String("es") ? "&Sí"
                                                                   : "&Sim");
    }
    void translationsLoadWithQtsOwn() {
        QFETCH(QString, language);
        QFETCH(QString, yes);
        const QString english = StartupMessages::AlreadyRunning();
        {
            Translations translations;
            QVERIFY(translations.Install(language));
            QVERIFY(StartupMessages::AlreadyRunning() != english);
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), yes);
        }
        QCOMPARE(StartupMessages::AlreadyRunning(), english); // and gone with the translations
        Translations none;
        QVERIFY(!none.Install(QString()));
        QVERIFY(!none.Install(QStringLiteral("nl")));
    }

    // Every window in every language: nothing cut off or running into a
    // neighbour, every caption keeps its key, no key twice.
    void everyWindowFitsAndKeepsItsKeys_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QString();
        for (const auto& [name, code] : kLanguages)
            QTest::newRow(qPrintable(name)) << code;
    }
    void everyWindowFitsAndKeepsItsKeys() {
        QFETCH(QString, language);
        Translations translations;
        QCOMPARE(translations.Install(language), !language.isEmpty());
        int visits = 0;
        WalkEverything([&](QWidget* window, const QString& where) {
            ++visits;
            CheckNothingCut(window, where);
            CheckAccessKeys(window, where, englishKeyed_);
        });
        QVERIFY(visits > 40);
    }

    // A translator that marks every text it returns: a text without the mark
    // did not go through translation.
    void noTextBypassesTranslation() {
        PseudoTranslator pseudo;
        QCoreApplication::installTranslator(&pseudo);
        QStringList bypassed;
        int seen = 0;
        const QStringList messages = WalkEverything([&](QWidget* window, const QString& where) {
            for (const auto& [who, text] : VisibleTexts(window)) {
                ++seen;
                if (!NeedsNoTranslation(Unmarked(text)))
                    bypassed << where + who + QStringLiteral(": ") + text;
            }
        });
        for (const QString& text : messages) {
            ++seen;
            if (!NeedsNoTranslation(Unmarked(text)))
                bypassed << QStringLiteral("message: ") + text;
        }
        QCoreApplication::removeTranslator(&pseudo);
        bypassed.removeDuplicates();
        QVERIFY2(bypassed.isEmpty(), qPrintable(bypassed.join(QLatin1Char('\n'))));
        QVERIFY(seen > 500);
        QVERIFY(messages.size() >= 6);
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
