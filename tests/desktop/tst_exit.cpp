// SPDX-License-Identifier: MIT
// The exit screen and the refer-a-friend form.
#include "../support/Doubles.h"
#include "../support/Patience.h"
#include "ExitScreen.h"
#include "MessageBoxesAndBrowser.h"
#include "TellAFriend.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <cmath>

using namespace dicemere;
using namespace dicemere::test;

namespace {

struct Rig : FakeServices {
    explicit Rig(std::initializer_list<float> draws = {0.3f}) : FakeServices(draws) {}
    ExitScreen screen{services};

    QLineEdit* box(const char* name) {
        return screen.findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    void fill(const QString& name, const QString& email, const QString& friendName,
              const QString& friendEmail) {
        box("nameBox")->setText(name);
        box("emailBox")->setText(email);
        box("friendNameBox")->setText(friendName);
        box("friendEmailBox")->setText(friendEmail);
    }
    void submit() { screen.findChild<QPushButton*>(QStringLiteral("referButton"))->click(); }
};

// The six values of a referral address, decoded, after checking its shape.
QStringList Decoded(const QString& address) {
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.scheme() != QLatin1String("https") ||
        url.host() != QLatin1String("www.example.com") ||
        url.path() != QLatin1String("/refer-a-friend.php") || url.hasFragment())
        return {QStringLiteral("bad address: ") + address};
    const QStringList pairs = url.query(QUrl::FullyEncoded).split(QLatin1Char('&'));
    QStringList values;
    for (int i = 0; i < pairs.size(); ++i) {
        const QString key = QStringLiteral("taf%1=").arg(i + 1);
        if (!pairs[i].startsWith(key))
            return {QStringLiteral("bad pair: ") + pairs[i]};
        values << QUrl::fromPercentEncoding(pairs[i].mid(key.size()).toLatin1());
    }
    return values;
}

const QString kProduct = QStringLiteral("https://dicemere.example.com/");

} // namespace

class TestExit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void loadsReseededAndTopmost() {
        Rig rig({0.6f});
        QCOMPARE(rig.random.seeds, 1);
        QCOMPARE(rig.random.draws, 1);
        QCOMPARE(rig.screen.findChild<QLabel*>(QStringLiteral("promotionLabel"))->text(),
                 ExitScreen::Promotion(2));
        QVERIFY(rig.screen.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!(rig.screen.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(rig.screen.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(rig.screen.windowTitle(), QStringLiteral("Dicemere v1.0"));
        QCOMPARE(rig.screen.size(), QSize(741, 315));
    }

    void promotionChoice() {
        const auto below = [](float x) { return std::nextafter(x, 0.0f); };
        QCOMPARE(ExitScreen::PromotionIndex(0.0f), 0);
        QCOMPARE(ExitScreen::PromotionIndex(below(0.25f)), 0);
        QCOMPARE(ExitScreen::PromotionIndex(0.25f), 1);
        QCOMPARE(ExitScreen::PromotionIndex(below(0.5f)), 1);
        QCOMPARE(ExitScreen::PromotionIndex(0.5f), 2);
        QCOMPARE(ExitScreen::PromotionIndex(below(0.75f)), 2);
        QCOMPARE(ExitScreen::PromotionIndex(0.75f), 3);
        QCOMPARE(ExitScreen::PromotionIndex(below(1.0f)), 3);
        QStringList texts;
        for (int k = 0; k < 4; ++k) {
            texts << ExitScreen::Promotion(k);
            QVERIFY(texts.last().contains(QStringLiteral("www.example.com")));
        }
        texts.removeDuplicates();
        QCOMPARE(texts.size(), 4);
    }

    void everyWayOutEndsTheProgram() {
        {
            Rig rig;
            rig.screen.show();
            rig.screen.findChild<QPushButton*>(QStringLiteral("exitButton"))->click();
            QCOMPARE(rig.ends, 1);
            QVERIFY(!rig.screen.isVisible());
        }
        {
            Rig rig;
            rig.screen.show();
            rig.screen.close(); // the close box
            QCOMPARE(rig.ends, 1);
        }
        {
            Rig rig;
            rig.screen.show();
            QVERIFY(QTest::qWaitForWindowActive(&rig.screen, kHangGuardMs));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_X, Qt::AltModifier);
            QTRY_COMPARE_WITH_TIMEOUT(rig.ends, 1,
                                      kHangGuardMs); // an access key clicks after a short animation
        }
    }

    void placeholdersClearAndReturn() {
        Rig rig;
        rig.screen.show();
        QVERIFY(QTest::qWaitForWindowActive(&rig.screen, kHangGuardMs));
        QLineEdit* name = rig.box("nameBox");
        QLineEdit* email = rig.box("emailBox");
        QCOMPARE(name->text(), QStringLiteral("Your Name"));
        name->setFocus();
        // The placeholder goes once the focus change has been reported.
        QCOMPARE(name->text(), QStringLiteral("Your Name"));
        QTRY_COMPARE_WITH_TIMEOUT(name->text(), QString(), kHangGuardMs);
        email->setFocus(); // name left empty: its placeholder returns
        QCOMPARE(name->text(), QStringLiteral("Your Name"));
        QTRY_COMPARE_WITH_TIMEOUT(email->text(), QString(), kHangGuardMs);
        name->setText(QStringLiteral("  Your Name "));
        name->setFocus(); // the trimmed text is the placeholder
        QTRY_COMPARE_WITH_TIMEOUT(name->text(), QString(), kHangGuardMs);
        name->setText(QStringLiteral("   "));
        email->setFocus();
        QCOMPARE(name->text(), QStringLiteral("Your Name"));
        name->setText(QStringLiteral("Ann"));
        name->setFocus();
        email->setFocus();
        QCOMPARE(name->text(), QStringLiteral("Ann"));
        rig.box("friendNameBox")->setFocus();
        QTRY_COMPARE_WITH_TIMEOUT(rig.box("friendNameBox")->text(), QString(), kHangGuardMs);
        rig.box("friendEmailBox")->setFocus();
        QCOMPARE(rig.box("friendNameBox")->text(), QStringLiteral("Friend's Name"));
        QCOMPARE(email->text(), QStringLiteral("Your Email Address"));
    }

    void messageBoxIsOutOfReach() {
        Rig rig;
        auto* message = rig.screen.findChild<QPlainTextEdit*>(QStringLiteral("messageBox"));
        QCOMPARE(message->focusPolicy(), Qt::NoFocus);
        QCOMPARE(message->toPlainText(), QStringLiteral("Your Message\n"));
        rig.screen.show();
        QVERIFY(QTest::qWaitForWindowActive(&rig.screen, kHangGuardMs));
        for (int i = 0; i < 20; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY(QApplication::focusWidget() != message);
        }
    }

    void check1OpensTheSiteAndClearsItsTick() {
        Rig rig;
        auto* check = rig.screen.findChild<QCheckBox*>(QStringLiteral("visitForumBox"));
        QCOMPARE(check->text(), QStringLiteral("Click Here To Visit www.example.com Now"));
        check->click();
        QVERIFY(!check->isChecked());
        QCOMPARE(rig.opener.opened, QStringList{"https://www.example.com"});
        QTest::mouseClick(rig.screen.findChild<QWidget*>(QStringLiteral("catalogueLink")),
                          Qt::LeftButton);
        QCOMPARE(rig.opener.opened.last(), QStringLiteral("https://www.example.com/software.html"));
    }

    // The checks, in their order, through the form.
    void formChecks_data() {
        QTest::addColumn<QStringList>("fields"); // name, e-mail, friend's name, friend's e-mail
        QTest::addColumn<QString>("message");
        const QString proper = QStringLiteral("Please Enter Proper Email Address");
        QTest::newRow("placeholders") << QStringList{} << proper;
        QTest::newRow("same address") << QStringList{"Ann", "a@b.c", "Bo", "a@b.c"}
                                      << "Please Enter Distinct Email Addresses";
        QTest::newRow("same, spaces round") << QStringList{"Ann", " a@b.c  ", "Bo", "a@b.c"}
                                            << "Please Enter Distinct Email Addresses";
        QTest::newRow("other case") << QStringList{"Ann", "A@b.c", "Bo", "a@b.c"} << QString();
        QTest::newRow("no @") << QStringList{"Ann", "ab.c", "Bo", "c@d.e"} << proper;
        QTest::newRow("friend no @") << QStringList{"Ann", "a@b.c", "Bo", "cd.e"} << proper;
        QTest::newRow("@ without .") << QStringList{"Ann", "a@bc", "Bo", "c@d.e"} << proper;
        QTest::newRow("friend @ without .") << QStringList{"Ann", "a@b.c", "Bo", "c@de"} << proper;
        QTest::newRow("empty e-mail") << QStringList{"Ann", "", "Bo", "c@d.e"} << proper;
        QTest::newRow("name placeholder")
            << QStringList{"Your Name", "a@b.c", "Bo", "c@d.e"} << "Please Enter Your Name";
        QTest::newRow("name empty")
            << QStringList{"  ", "a@b.c", "Bo", "c@d.e"} << "Please Enter Your Name";
        QTest::newRow("friend's name placeholder")
            << QStringList{"Ann", "a@b.c", "Friend's Name", "c@d.e"}
            << "Please Enter Your Friend's Name";
        QTest::newRow("friend's name empty")
            << QStringList{"Ann", "a@b.c", "", "c@d.e"} << "Please Enter Your Friend's Name";
        QTest::newRow("valid") << QStringList{"Ann Lee", "a@b.c", "Bo Day", "c@d.e"} << QString();
    }
    void formChecks() {
        QFETCH(QStringList, fields);
        QFETCH(QString, message);
        Rig rig;
        if (!fields.isEmpty())
            rig.fill(fields[0], fields[1], fields[2], fields[3]);
        rig.submit();
        if (message.isEmpty()) {
            QVERIFY(rig.boxes.shown.isEmpty());
            QCOMPARE(rig.opener.opened.size(), 1);
        } else {
            QCOMPARE(rig.boxes.texts(), QStringList{message});
            QCOMPARE(rig.boxes.shown[0].icon, MsgIcon::Error);
            QCOMPARE(rig.boxes.shown[0].buttons, MsgButtons::Ok);
            QVERIFY(rig.opener.opened.isEmpty());
        }
    }

    // SendTellAFriend on its own: each field empty or at its placeholder.
    void sendChecksEveryField() {
        const Referral good{QStringLiteral("Ann"), QStringLiteral("a@b.c"), QStringLiteral("Hi"),
                            QStringLiteral("Bo"), QStringLiteral("c@d.e")};
        struct Case {
            QString* (*field)(Referral&);
            const char* placeholder;
            const char* message;
        };
        const Case cases[] = {
            {[](Referral& r) { return &r.name; }, "Your Name", "Please Enter Your Name"},
            {[](Referral& r) { return &r.email; }, "Your Email Address", "Please Enter Your Email"},
            {[](Referral& r) { return &r.message; }, "Your Message", "Please Enter Your Message"},
            {[](Referral& r) { return &r.friendName; }, "Friend's Name",
             "Please Enter Your Friend's Name"},
            {[](Referral& r) { return &r.friendEmail; }, "Friend's Email Address",
             "Please Enter Your Friend's Email"},
        };
        for (const Case& c : cases) {
            for (const QString& value : {QString(), QString::fromLatin1(c.placeholder)}) {
                Referral r = good;
                *c.field(r) = value;
                FakeMessageBoxes boxes;
                FakeUrlOpener opener;
                ReferAFriend::SendTellAFriend(r, boxes, LinkOpeners(opener));
                QCOMPARE(boxes.texts(), QStringList{QString::fromLatin1(c.message)});
                QVERIFY(opener.opened.isEmpty());
            }
        }
        // Earlier fields are reported first.
        Referral both = good;
        both.name.clear();
        both.friendEmail.clear();
        QCOMPARE(ReferAFriend::CheckFields(both), QStringLiteral("Please Enter Your Name"));
    }

    void validSubmissionThroughTheForm() {
        Rig rig;
        rig.fill(QStringLiteral("  Ann Lee "), QStringLiteral("ann@example.org"),
                 QStringLiteral("Bo"), QStringLiteral(" bo@example.net"));
        const Referral before = rig.screen.FormTexts();
        rig.submit();
        QVERIFY(rig.boxes.shown.isEmpty());
        QCOMPARE(rig.opener.opened.size(), 1);
        QCOMPARE(Decoded(rig.opener.opened[0]),
                 (QStringList{"Ann Lee", "ann@example.org", "Your Message\r\n", "Bo",
                              "bo@example.net", kProduct}));
        QVERIFY(rig.opener.opened[0].contains(QStringLiteral("&taf3=Your%20Message%0D%0A&")));
        // Nothing is shown and the form stays as it was; it can be sent again.
        const Referral after = rig.screen.FormTexts();
        QCOMPARE(after.name, before.name);
        QCOMPARE(after.friendEmail, before.friendEmail);
        rig.submit();
        QCOMPARE(rig.opener.opened.size(), 2);
    }

    void hostileTextsTravelIntact_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("parameter") << "a&taf2=x";
        QTest::newRow("equals") << "=";
        QTest::newRow("fragment") << "#frag";
        QTest::newRow("percent") << "%41";
        QTest::newRow("plus") << "+";
        QTest::newRow("line breaks") << "one\r\ntwo\nthree\r";
        QTest::newRow("letters") << QStringLiteral("Zoë Ångström, Łódź, Ελένη, 東京");
        QTest::newRow("emoji") << QStringLiteral("🎲🔮 ✨");
        QTest::newRow("long") << QString(10000, QLatin1Char('x'));
        QTest::newRow("query") << "?x=1&y=2;z";
    }
    void hostileTextsTravelIntact() {
        QFETCH(QString, text);
        const Referral r{text + QStringLiteral(" name"), QStringLiteral("a@b.c") + text,
                         text + QStringLiteral(" message"), QStringLiteral("friend ") + text,
                         text + QStringLiteral("c@d.e")};
        FakeMessageBoxes boxes;
        FakeUrlOpener opener;
        ReferAFriend::SendTellAFriend(r, boxes, LinkOpeners(opener));
        QVERIFY(boxes.shown.isEmpty());
        QCOMPARE(opener.opened.size(), 1);
        QCOMPARE(Decoded(opener.opened[0]),
                 (QStringList{r.name, r.email, r.message, r.friendName, r.friendEmail, kProduct}));
    }

    void spacesRefusedInEmailBoxes_data() {
        QTest::addColumn<QString>("box");
        QTest::newRow("emailBox") << "emailBox";
        QTest::newRow("friendEmailBox") << "friendEmailBox";
    }
    void spacesRefusedInEmailBoxes() {
        QFETCH(QString, box);
        Rig rig;
        rig.screen.show();
        QVERIFY(QTest::qWaitForWindowActive(&rig.screen, kHangGuardMs));
        QLineEdit* edit = rig.screen.findChild<QLineEdit*>(box);
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("a b"));
        QCOMPARE(edit->text(), QStringLiteral("ab"));
        const QString refusal = QStringLiteral("Email Address Cannot Contain Space");
        QCOMPARE(rig.boxes.texts(), QStringList{refusal});
        QCOMPARE(rig.boxes.shown[0].icon, MsgIcon::Error);
        QCOMPARE(QApplication::focusWidget(), edit);

        QGuiApplication::clipboard()->setText(QStringLiteral("x y@z.q"));
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), QStringLiteral("ab"));
        QCOMPARE(rig.boxes.shown.size(), 2);
        // The context menu's Paste runs QLineEdit::paste(): the edit is taken back.
        edit->paste();
        QCOMPARE(edit->text(), QStringLiteral("ab"));
        QCOMPARE(rig.boxes.shown.size(), 3);

        QMimeData mime;
        mime.setText(QStringLiteral("dropped text"));
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(edit, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(edit, &drop);
        QCOMPARE(edit->text(), QStringLiteral("ab"));
        QCOMPARE(rig.boxes.shown.size(), 4);

        edit->end(false);
        QGuiApplication::clipboard()->setText(QStringLiteral("@c.d"));
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), QStringLiteral("ab@c.d"));
        QCOMPARE(rig.boxes.shown.size(), 4);
    }

    void spacesAcceptedElsewhere() {
        Rig rig;
        rig.screen.show();
        QVERIFY(QTest::qWaitForWindowActive(&rig.screen, kHangGuardMs));
        for (const char* name : {"nameBox", "friendNameBox"}) {
            QLineEdit* edit = rig.box(name);
            edit->setFocus();
            QTest::keyClicks(edit, QStringLiteral("Ann Lee"));
            QCOMPARE(edit->text(), QStringLiteral("Ann Lee"));
        }
        QVERIFY(rig.boxes.shown.isEmpty());
    }

    // Names and addresses are the user's: the boxes take what real forms take,
    // the address stays short enough for any desktop, and a launch that fails
    // writes none of it to a log (Qt's own warning would quote the address).
    void personalDataStaysOutOfLogs() {
        Rig rig;
        rig.screen.show();
        const QString longName(500, QChar(0xE9)); // é
        for (const char* name : {"nameBox", "emailBox", "friendNameBox", "friendEmailBox"}) {
            QLineEdit* edit = rig.box(name);
            edit->setFocus();
            edit->clear();
            QTest::keyClicks(edit, QString(300, QLatin1Char('a')));
            QCOMPARE(edit->text().size(), QByteArray(name).endsWith("mailBox") ? 254 : 100);
        }
        const Referral longest{QString(100, QChar(0xE9)), QString(254, QChar(0xE9)),
                               QStringLiteral("Your Message\r\n"), longName.left(100),
                               QString(254, QChar(0xE9))};
        QVERIFY(ReferAFriend::ReferralAddress(longest).size() < 8192);

        // What Qt says about the launch (on the offscreen platform: that it cannot open the
        // address, quoted whole) is all dropped by the program's message handler.
        static QStringList logged;
        logged.clear();
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext&, const QString& text) { logged << text; });
        QtUrlOpener().Open(QStringLiteral("https://www.example.com/refer-a-friend.php?taf1=") +
                           QStringLiteral("Ann%20Secret&taf2=ann.secret%40example.com"));
        qWarning("after the launch");
        qInstallMessageHandler(previous);
        QCOMPARE(logged.takeLast(), QStringLiteral("after the launch")); // the opener keeps off it
        for (const QString& text : logged)
            QVERIFY2(QuotesWebAddress(text) ||
                         !text.contains(QLatin1String("secret"), Qt::CaseInsensitive),
                     qPrintable(text));
        QVERIFY(!QuotesWebAddress(QStringLiteral("QFont::setPointSize: Point size <= 0 (0)")));
    }
};

QTEST_MAIN(TestExit)
#include "tst_exit.moc"
