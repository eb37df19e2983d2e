// SPDX-License-Identifier: MIT
// What a screen reader is told, pinned through Qt's accessibility events: every
// throw, the reading, the number of dice, the exit screen's boxes, and nothing
// of what a sighted user cannot see.
#include "../support/MainWindowRig.h"
#include "../support/Patience.h"
#include "Accessibility.h"
#include "ExitScreen.h"
#include "LinkLabel.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace dicemere;
using namespace dicemere::test;

namespace {

// What a screen reader is given: announcements (a notification shown anew,
// which screen readers speak) and focus changes, with a line edit's text at
// the moment the focus change is reported.
struct Listener {
    QStringList announced;
    QStringList focused;
    QStringList textsAtFocus;
    explicit Listener(QWidget* window) {
        if (auto* announcer = window->findChild<Announcer*>())
            QObject::connect(announcer, &Announcer::announced, [this, announcer](const QString& t) {
                // Shown, as a notification, named with what it says.
                QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(announcer);
                if (announcer->isVisible() && iface->role() == QAccessible::Notification &&
                    iface->text(QAccessible::Name) == t)
                    announced << t;
            });
        QObject::connect(qApp, &QApplication::focusChanged, [this](QWidget*, QWidget* now) {
            if (!now)
                return;
            focused << now->objectName();
            if (auto* edit = qobject_cast<QLineEdit*>(now))
                textsAtFocus << edit->text();
        });
    }
    ~Listener() { QObject::disconnect(qApp, &QApplication::focusChanged, nullptr, nullptr); }
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;
    void clear() {
        announced.clear();
        focused.clear();
        textsAtFocus.clear();
    }
};

} // namespace

class TestSpeech : public QObject {
    Q_OBJECT
private Q_SLOTS:

    // Two dice, the second on the border and then outside; then the result.
    void everyThrowIsTold() {
        MainWindowRig rig;
        rig.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&rig.window, kHangGuardMs));
        rig.random.push({0.1f, 0.6f, 0.55f, 0.95f, 0.8f, 0.2f, 0.4f, 0.7f});
        rig.cast(2);
        Listener heard(&rig.window);
        for (int i = 0; i < 4; ++i)
            rig.press();
        QCOMPARE(heard.announced,
                 (QStringList{"Die 1: 4, inside the circle. You have thrown 1 out of 2 times",
                              "Die 2: 6, on the border of the circle. You have thrown 2 out of 2 "
                              "times",
                              "Die 2: 2, outside the circle. You have thrown 2 out of 2 times",
                              "Get My Enochian Numerology Result"}));
        // The border message comes as a message box, which screen readers read.
        QCOMPARE(rig.boxes.texts(),
                 QStringList{"Dice 2 is in the border of the circle. Please recast it."});
    }

    // The result page: the focus goes straight to Back, which carries the
    // whole reading, heading then value, line by line.
    void theReadingIsReadWhenThePageAppears() {
        MainWindowRig rig;
        rig.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&rig.window, kHangGuardMs));
        rig.get(QStringLiteral("castButton"))->setFocus();
        ScriptCast(rig.random, {5, 6});
        rig.cast(2);
        for (int i = 0; i < 3; ++i)
            rig.press();
        Listener heard(&rig.window);
        rig.press();
        QCOMPARE(heard.focused, QStringList{"backButton"});
        const QString reading = QAccessible::queryAccessibleInterface(rig.button("backButton"))
                                    ->text(QAccessible::Description);
        const QStringList lines = reading.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 8);
        const QStringList headings{"Enochian Number", "Enochian Number Description",
                                   "Interpretation",  "Stone",
                                   "Totem",           "Herb",
                                   "Essential Oil",   "Flower Remedy"};
        for (int i = 0; i < 8; ++i)
            QVERIFY2(lines[i].startsWith(headings[i] + QStringLiteral(": ")), qPrintable(lines[i]));
        QCOMPARE(lines[0], QStringLiteral("Enochian Number: ") +
                               rig.get<QLabel>(QStringLiteral("numberValue"))->text());
        QVERIFY(lines[0].endsWith(QStringLiteral("11")));
        // Back again: the focus never passes through the promotion band.
        heard.clear();
        rig.button("backButton")->click();
        QCOMPARE(heard.focused, QStringList{"castButton"});
    }

    void theNumberOfDiceIsTold() {
        MainWindowRig rig;
        rig.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&rig.window, kHangGuardMs));
        auto* list = rig.get(QStringLiteral("diceCountBox"));
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(list);
        QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("4"));
        list->setFocus();
        Listener heard(&rig.window);
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(heard.announced, QStringList{"3"});
        QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("3"));
    }

    // Links are links; the page stack is a plain container; the covered
    // promotion label is not there for a screen reader.
    void rolesAndWhatIsHidden() {
        MainWindowRig rig;
        rig.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&rig.window, kHangGuardMs));
        for (const char* name : {"forumLink", "fullBrandLink"}) {
            auto* link = rig.get<LinkLabel>(QString::fromLatin1(name));
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(link);
            QCOMPARE(iface->role(), QAccessible::Link);
            QCOMPARE(iface->text(QAccessible::Name), link->text());
            QVERIFY(!iface->state().invisible);
        }
        QVERIFY(QAccessible::queryAccessibleInterface(rig.get(QStringLiteral("coBrandLink")))
                    ->state()
                    .invisible);
        QCOMPARE(
            QAccessible::queryAccessibleInterface(rig.get(QStringLiteral("pageStack")))->role(),
            QAccessible::Client);
        // A link can be pressed through the screen reader, as with a click.
        auto* link = rig.get<LinkLabel>(QStringLiteral("forumLink"));
        QAccessibleActionInterface* action =
            QAccessible::queryAccessibleInterface(link)->actionInterface();
        QVERIFY(action);
        action->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(rig.opener.opened, QStringList{"https://www.example.com"});
    }

    // Each box is named as Tab reaches it, while it still shows its
    // placeholder: the placeholder goes only after the focus was reported.
    void exitScreenBoxesAreNamed() {
        FakeServices fakes({0.3f});
        ExitScreen screen(fakes.services);
        screen.show();
        QVERIFY(QTest::qWaitForWindowActive(&screen, kHangGuardMs));
        screen.findChild<QWidget*>(QStringLiteral("exitButton"))->setFocus();
        Listener heard(&screen);
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QApplication::processEvents();
        }
        QCOMPARE(heard.focused,
                 (QStringList{"nameBox", "emailBox", "friendNameBox", "friendEmailBox"}));
        const QStringList names{"Your Name", "Your Email Address", "Friend's Name",
                                "Friend's Email Address"};
        // Each is named, and still shows its placeholder when the focus
        // change is reported: it is emptied only after that.
        QCOMPARE(heard.textsAtFocus, names);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(
                QAccessible::queryAccessibleInterface(screen.findChild<QWidget*>(heard.focused[i]))
                    ->text(QAccessible::Name),
                names[i]);
        QTRY_COMPARE_WITH_TIMEOUT(
            screen.findChild<QLineEdit*>(QStringLiteral("friendEmailBox"))->text(), QString(),
            kHangGuardMs);
        // The form's heading is the name of the group the boxes are in.
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(
            screen.findChild<QWidget*>(QStringLiteral("nameBox")));
        QCOMPARE(box->parent()->text(QAccessible::Name), QStringLiteral("Refer A Friend"));
    }
};

QTEST_MAIN(TestSpeech)
#include "tst_speech.moc"
