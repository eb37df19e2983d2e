// SPDX-License-Identifier: MIT
// The About window, alone and opened modally from the main window.
#include "../support/Doubles.h"
#include "../support/Patience.h"
#include "AboutWindow.h"
#include "FontsAndColours.h"
#include "LinkLabel.h"
#include "MainWindow.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace dicemere;
using namespace dicemere::test;

namespace {

QStringList Texts(QWidget* w) {
    QStringList texts;
    for (QLabel* l : w->findChildren<QLabel*>())
        texts << l->objectName() + QLatin1Char('=') + l->text();
    for (LinkLabel* l : w->findChildren<LinkLabel*>())
        texts << l->objectName() + QLatin1Char('=') + l->text();
    for (QPushButton* b : w->findChildren<QPushButton*>())
        texts << b->objectName() + QLatin1Char('=') + b->text();
    texts.sort();
    return texts;
}

// Runs check against the modal window once it is up, then makes sure it closes.
void WhileModal(const std::function<void(QWidget*)>& check) {
    QTimer::singleShot(0, [check] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal)
            check(modal);
        if (QApplication::activeModalWidget())
            QApplication::activeModalWidget()->close();
    });
}

} // namespace

class TestAbout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A link keeps its text's height between paints; a new font or a new
    // width is measured afresh.
    void linkMeasuresAgainForANewFontOrWidth() {
        LinkLabel link;
        link.setText(QStringLiteral("Home Business Opportunity. Start your own Internet business "
                                    "and make money online."));
        link.setWordWrap(true);
        link.setFont(ProgramFont());
        const auto measured = [&link](int width) {
            return link.fontMetrics()
                .boundingRect(QRect(0, 0, width, 0),
                              Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, link.text())
                .height();
        };
        const int small = link.heightForWidth(200);
        QCOMPARE(small, measured(200));
        link.setFont(ProgramFont(18));
        QCOMPARE(link.heightForWidth(200), measured(200));
        QVERIFY(link.heightForWidth(200) > small);
        QCOMPARE(link.heightForWidth(120), measured(120));
        QVERIFY(link.heightForWidth(120) > link.heightForWidth(200));
    }

    void content() {
        FakeUrlOpener opener;
        const LinkOpeners help(opener);
        AboutWindow about(help);
        QCOMPARE(about.windowTitle(), QStringLiteral("Dicemere v1.0"));
        QCOMPARE(about.size(), QSize(373, 226));
        QVERIFY(about.isModal());
        QVERIFY(!(about.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(about.windowFlags() & Qt::WindowMaximizeButtonHint));
        const auto text = [&](const char* name) {
            if (auto* link = about.findChild<LinkLabel*>(QString::fromLatin1(name)))
                return link->text();
            return about.findChild<QLabel*>(QString::fromLatin1(name))->text();
        };
        QCOMPARE(text("titleLabel"), QStringLiteral("Dicemere v1.0"));
        QCOMPARE(text("purposeLabel"),
                 QStringLiteral("Dicemere is a method of numerology divination that "
                                "relates dice and numbers to help you find "
                                "solutions to your problems."));
        QCOMPARE(text("homePageLink"),
                 QStringLiteral("Click here to visit https://www.example.com"));
        QCOMPARE(text("fullBrandOfferLabel"),
                 QStringLiteral("Home Business Opportunity. Start your own Internet "
                                "business and make money online. Get this "
                                "software fully branded for your website."));
        QCOMPARE(text("fullBrandLink"), QStringLiteral("Click here for more details"));
        auto* ok = about.findChild<QPushButton*>(QStringLiteral("okButton"));
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(ok->isDefault());
        QVERIFY(about.findChild<QWidget*>(QStringLiteral("programIcon")));
        const QRect rule = about.findChild<QWidget*>(QStringLiteral("rule"))->geometry();
        QVERIFY(rule.left() < 0 && rule.right() >= about.width()); // across the whole window
        QCOMPARE(rule.height(), 2);
    }

    void linksOpenAndLeaveItOpen() {
        FakeUrlOpener opener;
        const LinkOpeners help(opener);
        AboutWindow about(help);
        about.show();
        QTest::mouseClick(about.findChild<QWidget*>(QStringLiteral("homePageLink")),
                          Qt::LeftButton);
        QTest::mouseClick(about.findChild<QWidget*>(QStringLiteral("fullBrandLink")),
                          Qt::LeftButton);
        QCOMPARE(opener.opened, (QStringList{"https://www.example.com",
                                             "https://help.example.com/fully-branded.html"}));
        QVERIFY(about.isVisible());
    }

    void enterAndEscapeClose_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }
    void enterAndEscapeClose() {
        QFETCH(int, key);
        FakeUrlOpener opener;
        const LinkOpeners help(opener);
        AboutWindow about(help);
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about, kHangGuardMs));
        QTest::keyClick(&about, Qt::Key(key));
        QVERIFY(!about.isVisible());
    }

    // Opened from Help, About Software: the main window takes no input.
    void modalOverTheMainWindow() {
        FakeServices fakes;
        MainWindow window(fakes.services);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window, kHangGuardMs));
        QStringList first, second;
        bool blocked = false;
        WhileModal([&](QWidget* modal) {
            QCOMPARE(modal->objectName(), QStringLiteral("AboutWindow"));
            first = Texts(modal);
            // Clicks go through the window system, as a person's would.
            const auto clickAt = [&](QWidget* w, QPoint p) {
                QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, w->mapTo(&window, p));
            };
            clickAt(window.findChild<QWidget*>(QStringLiteral("castButton")), QPoint(20, 10));
            clickAt(window.findChild<QWidget*>(QStringLiteral("forumLink")), QPoint(100, 10));
            QMenuBar* bar = window.menuBar();
            clickAt(bar, bar->actionGeometry(bar->actions()[0]).center());
            clickAt(bar, bar->actionGeometry(bar->actions()[2]).center());
            blocked = window.CurrentPage()->objectName() == QLatin1String("frontPage") &&
                      fakes.opener.opened.isEmpty() &&
                      QApplication::activePopupWidget() == nullptr && fakes.random.draws == 0;
            // A link inside the About window still works, and leaves it open.
            QTest::mouseClick(modal->findChild<QWidget*>(QStringLiteral("fullBrandLink")),
                              Qt::LeftButton);
            QVERIFY(modal->isVisible());
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        window.findChild<QAction*>(QStringLiteral("actionAbout"))->trigger();
        QVERIFY(blocked);
        QCOMPARE(fakes.opener.opened, QStringList{"https://help.example.com/fully-branded.html"});
        QVERIFY(!first.isEmpty());
        QVERIFY(window.findChildren<AboutWindow*>().isEmpty()); // destroyed on close

        WhileModal([&](QWidget* modal) { second = Texts(modal); });
        window.findChild<QAction*>(QStringLiteral("actionAbout"))->trigger();
        QCOMPARE(second, first);

        // With the About window closed, the same click does reach the window.
        fakes.random.push({0.0f, 0.0f, 0.0f, 0.0f});
        QWidget* proceed = window.findChild<QWidget*>(QStringLiteral("castButton"));
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                          proceed->mapTo(&window, QPoint(20, 10)));
        QCOMPARE(window.CurrentPage()->objectName(), QStringLiteral("castingPage"));
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
