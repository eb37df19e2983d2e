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
#include "Mirroring.h"
#include "Startup.h"
#include "TellAFriend.h"
#include "Translation.h"
#include "UpdateReminder.h"

#include <QLocale>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <functional>
#include <map>

using namespace dicemere;
using namespace dicemere::test;

namespace {

// A translator double: each text as `answer` translates it (context, English);
// an empty answer leaves the text to the next translator or to English.
class FakeTranslator final : public QTranslator {
public:
    using Answer = std::function<QString(const QByteArray&, const QString&)>;
    explicit FakeTranslator(Answer answer) : answer_(std::move(answer)) {}
    QString translate(const char* context, const char* source, const char*, int) const override {
        return answer_(QByteArray(context), QString::fromUtf8(source));
    }
    bool isEmpty() const override { return false; }

private:
    Answer answer_;
};

// Marks every text, so that a text that never asked shows. Its right-to-left
// twin marks them alike and, as Qt's own translation of a language written
// right to left does, turns the program right to left.
FakeTranslator::Answer Pseudo(Qt::LayoutDirection direction) {
    return [direction](const QByteArray& context, const QString& source) -> QString {
        if (context == "QGuiApplication" && source == QLatin1String("QT_LAYOUT_DIRECTION"))
            return direction == Qt::RightToLeft ? QStringLiteral("RTL") : QStringLiteral("LTR");
        // Qt's own texts (its buttons, its edit menus) are Qt's to translate.
        if (context.startsWith('Q'))
            return {};
        return QStringLiteral("\u27e6") + source + QStringLiteral("\u27e7");
    };
}

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

// The languages the build compiles in (translations/CMakeLists.txt).
QStringList BuildLanguages() {
    QStringList languages =
        QString::fromLatin1(DICEMERE_LANGUAGES).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    languages.sort();
    return languages;
}

// A language's name in English, for a test row.
QString LanguageName(const QString& code) {
    return QLocale::languageToString(QLocale(code).language()) + QStringLiteral(" (%1)").arg(code);
}

// Walks every window twice, left to right and then right to left in the same
// language, and checks the second walk with `visit` and against the first:
// every control mirrored in its place. `rightToLeft` turns the program
// right to left and back. The messages of the second walk come back in `messages`.
void WalkMirrored(const std::function<void(bool)>& rightToLeft, const Visit& visit,
                  QStringList* messages = nullptr) {
    Places leftToRight;
    rightToLeft(false);
    QVERIFY(!QGuiApplication::isRightToLeft());
    WalkEverything(
        [&](QWidget* window, const QString& where) { RecordPlaces(window, where, leftToRight); });
    rightToLeft(true);
    QVERIFY(QGuiApplication::isRightToLeft());
    QStringList wrong;
    const QStringList said = WalkEverything([&](QWidget* window, const QString& where) {
        QVERIFY(window->isRightToLeft());
        wrong += Unmirrored(window, where, leftToRight);
        visit(window, where);
    });
    if (messages)
        *messages = said;
    wrong.removeDuplicates();
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT
    // The captions that carry an access key in English, by where they are.
    QSet<QString> englishKeyed_;

private Q_SLOTS:
    void initTestCase() {
        InstallMirroring(); // as the program does
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
        row("untranslated, then French", {QStringLiteral("nl-NL"), QStringLiteral("fr-FR")}, "fr");
        row("Hebrew, Israel", {QStringLiteral("he-IL")}, "he");
        row("only untranslated", {QStringLiteral("nl-NL"), QStringLiteral("ja")}, "");
        row("C locale", {QStringLiteral("C")}, "");
        row("nothing", {}, "");
        row("underscores", {QStringLiteral("pt_BR")}, "pt_BR");
    }
    void desktopLanguageChoosesTheTranslation() {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, translation);
        const QStringList available{QStringLiteral("de"), QStringLiteral("es"),
                                    QStringLiteral("fr"), QStringLiteral("he"),
                                    QStringLiteral("pt_BR")};
        QCOMPARE(ChooseTranslation(uiLanguages, available), translation);
    }

    // What the program offers is what it carries: every language of the build.
    void everyLanguageOfTheBuildIsCompiledIn() {
        QVERIFY(BuildLanguages().size() >= 4);
        QCOMPARE(AvailableTranslations(), BuildLanguages());
    }

    // Each translation is compiled in and brings Qt's own along: Yes and No
    // in that language too.
    void translationsLoadWithQtsOwn_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("yes");
        // Qt's word where we know it; any other than the English one elsewhere.
        const QMap<QString, QString> known{{QStringLiteral("de"), QStringLiteral("&Ja")},
                                           {QStringLiteral("es"), QStringLiteral("&Sí")},
                                           {QStringLiteral("fr"), QStringLiteral("&Oui")},
                                           {QStringLiteral("pt_BR"), QStringLiteral("&Sim")}};
        for (const QString& code : BuildLanguages())
            QTest::newRow(qPrintable(LanguageName(code))) << code << known.value(code);
    }
    void translationsLoadWithQtsOwn() {
        QFETCH(QString, language);
        QFETCH(QString, yes);
        const QString english = StartupMessages::AlreadyRunning();
        {
            Translations translations;
            QVERIFY(translations.Install(language));
            QVERIFY(StartupMessages::AlreadyRunning() != english);
            const QString qtsYes = QCoreApplication::translate("QPlatformTheme", "&Yes");
            QVERIFY2(qtsYes != QLatin1String("&Yes"), qPrintable(language));
            if (!yes.isEmpty())
                QCOMPARE(qtsYes, yes);
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
        for (const QString& code : BuildLanguages())
            QTest::newRow(qPrintable(LanguageName(code))) << code;
    }
    void everyWindowFitsAndKeepsItsKeys() {
        QFETCH(QString, language);
        Translations translations;
        QCOMPARE(translations.Install(language), !language.isEmpty());
        int visits = 0;
        const Visit check = [&](QWidget* window, const QString& where) {
            ++visits;
            CheckNothingCut(window, where);
            CheckAccessKeys(window, where, englishKeyed_);
        };
        if (!QGuiApplication::isRightToLeft()) {
            WalkEverything(check);
        } else {
            // Written right to left (Qt's own translation says so): mirrored.
            WalkMirrored(
                [](bool rightToLeft) {
                    QGuiApplication::setLayoutDirection(rightToLeft ? Qt::LayoutDirectionAuto
                                                                    : Qt::LeftToRight);
                },
                check);
        }
        QVERIFY(visits > 40);
    }

    // A text fits when its ink fits, not only its advance: a caption whose
    // first glyph reaches out of the style's text area is cut there.
    void inkOutsideTheTextAreaIsCut_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("advanceFits");
        QTest::addColumn<bool>("cut");
        QTest::newRow("English") << QString() << true << false;
        QTest::newRow("J hook left of the text area")
            << QStringLiteral("Jetzt %1 besuchen") << true << true;
        QTest::newRow("J inside the caption")
            << QStringLiteral("Besuchen Sie Jetzt %1") << true << false;
        QTest::newRow("longer than the box")
            << QStringLiteral("Besuchen Sie %1 jetzt gleich und sofort") << false << true;
    }
    void inkOutsideTheTextAreaIsCut() {
        QFETCH(QString, caption);
        QFETCH(bool, advanceFits);
        QFETCH(bool, cut);
        FakeTranslator german([&](const QByteArray& context, const QString& source) {
            return context == "dicemere::ExitScreen" &&
                           source == QLatin1String("Click Here To Visit %1 Now")
                       ? caption
                       : QString();
        });
        QCoreApplication::installTranslator(&german);
        FakeServices fakes;
        fakes.random.push({0.3f});
        ExitScreen exitScreen(fakes.services);
        exitScreen.show();
        QCoreApplication::removeTranslator(&german);
        auto* box = exitScreen.findChild<QCheckBox*>(QStringLiteral("visitForumBox"));
        QCOMPARE(box->fontMetrics().horizontalAdvance(box->text()) <= detail::TextArea(box).width(),
                 advanceFits);
        const QStringList cuts = Cuts(&exitScreen);
        const bool checkBoxCut =
            !cuts.filter(QRegularExpression(QStringLiteral("^visitForumBox: "))).isEmpty();
        QVERIFY2(checkBoxCut == cut, qPrintable(cuts.join(QLatin1Char('\n'))));
        QCOMPARE(cuts.size(), int(cut)); // nothing else
    }

    // A translator that marks every text it returns: a text without the mark
    // did not go through translation. Its right-to-left twin turns the
    // program right to left too: every window mirrored.
    void noTextBypassesTranslation_data() {
        QTest::addColumn<bool>("rightToLeft");
        QTest::newRow("left to right") << false;
        QTest::newRow("right to left") << true;
    }
    void noTextBypassesTranslation() {
        QFETCH(bool, rightToLeft);
        FakeTranslator pseudo(Pseudo(Qt::LeftToRight));
        FakeTranslator twin(Pseudo(Qt::RightToLeft));
        QStringList bypassed;
        int seen = 0;
        const Visit check = [&](QWidget* window, const QString& where) {
            QCOMPARE(window->isRightToLeft(), rightToLeft);
            for (const auto& [who, text] : VisibleTexts(window)) {
                ++seen;
                if (!NeedsNoTranslation(Unmarked(text)))
                    bypassed << where + who + QStringLiteral(": ") + text;
            }
        };
        QStringList messages;
        if (rightToLeft) {
            // The same marked texts left to right first, to see where each control lies.
            WalkMirrored(
                [&](bool turned) {
                    QCoreApplication::removeTranslator(turned ? &pseudo : &twin);
                    QCoreApplication::installTranslator(turned ? &twin : &pseudo);
                },
                check, &messages);
        } else {
            QCoreApplication::installTranslator(&pseudo);
            messages = WalkEverything(check);
        }
        for (const QString& text : messages) {
            ++seen;
            if (!NeedsNoTranslation(Unmarked(text)))
                bypassed << QStringLiteral("message: ") + text;
        }
        QCoreApplication::removeTranslator(&pseudo);
        QCoreApplication::removeTranslator(&twin);
        QVERIFY(!QGuiApplication::isRightToLeft());
        bypassed.removeDuplicates();
        QVERIFY2(bypassed.isEmpty(), qPrintable(bypassed.join(QLatin1Char('\n'))));
        QVERIFY(seen > 500);
        QVERIFY(messages.size() >= 6);
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
