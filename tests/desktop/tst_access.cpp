// SPDX-License-Identifier: MIT
// Every window, as a keyboard or screen-reader user meets it.
#include "../support/MainWindowRig.h"
#include "../support/Patience.h"
#include "AboutWindow.h"
#include "ExitScreen.h"
#include "MainWindow.h"
#include "MessageBoxesAndBrowser.h"
#include "PageStack.h"
#include "SettingsAndLock.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

using namespace dicemere;
using namespace dicemere::test;

namespace {

QChar AccessKey(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return caption[i + 1].toLower();
    }
    return {};
}

bool Actable(QWidget* w) {
    return qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
           qobject_cast<QLineEdit*>(w) || w->focusPolicy() != Qt::NoFocus ||
           w->cursor().shape() == Qt::PointingHandCursor;
}

// The controls a person can act on have names; no access key is used twice.
void CheckWindow(QWidget* window) {
    QMap<QChar, QString> keys;
    const auto claim = [&](const QString& caption, const QString& who) {
        const QChar key = AccessKey(caption);
        if (key.isNull())
            return;
        QVERIFY2(
            !keys.contains(key),
            qPrintable(QStringLiteral("%1 and %2 share Alt+%3").arg(keys.value(key), who, key)));
        keys[key] = who;
    };
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        if (!w->isVisibleTo(window) || qobject_cast<QMenu*>(w) || qobject_cast<QMenuBar*>(w))
            continue;
        if (!w->objectName().isEmpty() && Actable(w) && w->focusPolicy() != Qt::NoFocus) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
            QVERIFY(iface);
            QVERIFY2(!iface->text(QAccessible::Name).trimmed().isEmpty(),
                     qPrintable(w->objectName()));
        }
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            claim(b->text(), w->objectName());
        if (auto* g = qobject_cast<QGroupBox*>(w))
            claim(g->title(), w->objectName());
        if (auto* l = qobject_cast<QLabel*>(w); l && l->buddy())
            claim(l->text(), w->objectName());
    }
    if (auto* main = qobject_cast<QMainWindow*>(window)) {
        for (QAction* top : main->menuBar()->actions()) {
            claim(top->text(), top->text());
            if (!top->menu())
                continue;
            QMap<QChar, QString> inMenu;
            for (QAction* item : top->menu()->actions()) {
                if (!item->isVisible() || item->isSeparator())
                    continue;
                QVERIFY2(!item->text().isEmpty(), qPrintable(item->objectName()));
                const QChar key = AccessKey(item->text());
                QVERIFY2(!key.isNull() && !inMenu.contains(key), qPrintable(item->text()));
                inMenu[key] = item->text();
            }
        }
    }
}

struct Rig : MainWindowRig {
    QString page() { return window.CurrentPage()->objectName(); }
};

} // namespace

class TestAccess : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyWindowIsNamedAndKeyed() {
        Rig rig;
        rig.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&rig.window, kHangGuardMs));
        CheckWindow(&rig.window); // front page
        ScriptCast(rig.random, {5, 6});
        rig.window.findChild<QComboBox*>()->setCurrentIndex(0);
        rig.button("castButton")->click();
        CheckWindow(&rig.window); // casting page
        for (int i = 0; i < 2; ++i)
            rig.button("throwButton")->click();
        for (QWidget* die :
             rig.window.findChildren<QWidget*>(QRegularExpression(QStringLiteral("^imgDice"))))
            if (!die->isHidden())
                QVERIFY(die->accessibleName().startsWith(QStringLiteral("Die ")));
        rig.button("throwButton")->click();
        CheckWindow(&rig.window); // with "&Get My Enochian Numerology Result"
        rig.button("throwButton")->click();
        QCOMPARE(rig.page(), QStringLiteral("resultPage"));
        CheckWindow(&rig.window);

        AboutWindow about(rig.help);
        about.show();
        CheckWindow(&about);

        rig.random.push({0.1f});
        ExitScreen exitScreen(rig.fakes.services);
        exitScreen.show();
        CheckWindow(&exitScreen);

        for (const MsgButtons buttons : {MsgButtons::Ok, MsgButtons::YesNo}) {
            const auto box =
                QtMessageBoxes::Build(nullptr, MsgIcon::Information, buttons,
                                      QStringLiteral("Application is already running"));
            box->show();
            CheckWindow(box.get());
            QCOMPARE(box->windowTitle(), QStringLiteral("Dicemere"));
            if (buttons == MsgButtons::YesNo)
                QCOMPARE(box->defaultButton(), box->button(QMessageBox::Yes));
            box->close();
        }
        QCOMPARE(QtMessageBoxes::Build(nullptr, MsgIcon::Error, MsgButtons::Ok, QString())->icon(),
                 QMessageBox::Critical);
    }

    // The whole cast, from the keyboard alone.
    void keyboardComplete() {
        Rig rig;
        rig.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&rig.window, kHangGuardMs));
        ScriptCast(rig.random, {5, 6});
        QCOMPARE(QApplication::focusWidget(), rig.button("castButton"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        auto* combo = rig.window.findChild<QComboBox*>(QStringLiteral("diceCountBox"));
        QCOMPARE(QApplication::focusWidget(), combo);
        QTest::keyClick(combo, Qt::Key_Up);
        QTest::keyClick(combo, Qt::Key_Up);
        QCOMPARE(combo->currentText(), QStringLiteral("2"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE_WITH_TIMEOUT(rig.page(), QStringLiteral("castingPage"), kHangGuardMs);
        QCOMPARE(QApplication::focusWidget(), rig.button("throwButton"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(rig.window.Cast().ThrowCount(), 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(rig.window.Cast().ThrowCount(), 2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QCOMPARE(rig.button("throwButton")->text(),
                 QStringLiteral("&Get My Enochian Numerology Result"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::AltModifier);
        QTRY_COMPARE_WITH_TIMEOUT(rig.page(), QStringLiteral("resultPage"), kHangGuardMs);
        QCOMPARE(rig.window.findChild<QLabel*>(QStringLiteral("numberValue"))->text(),
                 QStringLiteral("5+6 = 11"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_B, Qt::AltModifier);
        QTRY_COMPARE_WITH_TIMEOUT(rig.page(), QStringLiteral("frontPage"), kHangGuardMs);
        QCOMPARE(QApplication::focusWidget(), rig.button("castButton"));
    }

    // A page of any kind gives the focus to its own control when it comes to
    // the front, and the page it covers lets the focus go.
    void aPageBringsItsOwnFocus() {
        struct ExtraPage final : PageFrame {
            QPushButton* button = new QPushButton(QStringLiteral("&Extra"), this);
            QWidget* FocusControl() const override { return button; }
        };
        Rig rig;
        rig.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&rig.window, kHangGuardMs));
        auto* stack = rig.window.findChild<PageStack*>(QStringLiteral("pageStack"));
        QVERIFY(stack);
        auto* extra = new ExtraPage;
        stack->addWidget(extra);
        stack->BringToFront(extra);
        QCOMPARE(QApplication::focusWidget(), extra->button);
        stack->BringToFront(rig.window.findChild<PageFrame*>(QStringLiteral("frontPage")));
        QCOMPARE(QApplication::focusWidget(), rig.button("castButton"));
        QVERIFY(extra->isHidden());
    }

    void menusFromTheKeyboard() {
        Rig rig;
        rig.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&rig.window, kHangGuardMs));
        const auto menu = [&](const char* name) {
            return rig.window.findChild<QMenu*>(QString::fromLatin1(name));
        };
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::AltModifier);
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::activePopupWidget(),
                                  static_cast<QWidget*>(menu("fileMenu")), kHangGuardMs);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activePopupWidget(), kHangGuardMs);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_H, Qt::AltModifier);
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::activePopupWidget(),
                                  static_cast<QWidget*>(menu("helpMenu")), kHangGuardMs);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_O); // &Online Help
        QTRY_COMPARE_WITH_TIMEOUT(rig.opener.opened,
                                  QStringList{"https://dicemere.example.com/dicemere-help.html"},
                                  kHangGuardMs);
        QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activePopupWidget(), kHangGuardMs);
        rig.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&rig.window, kHangGuardMs));
        QTest::keyClick(&rig.window, Qt::Key_D, Qt::AltModifier);
        QTRY_COMPARE_WITH_TIMEOUT(rig.opener.opened.size(), 2, kHangGuardMs);
        QCOMPARE(rig.opener.opened.last(), QStringLiteral("https://help.example.com/donate.html"));
        QVERIFY(!QApplication::activePopupWidget()); // Donate opens no list
    }
};

QTEST_MAIN(TestAccess)
#include "tst_access.moc"
