// SPDX-License-Identifier: MIT
// Crisp pictures and uncut texts at every scale (run at 100 %, 125 % and 200 %).
#include "../support/MainWindowRig.h"
#include "../support/WindowWalk.h"
#include "AboutWindow.h"
#include "DiceImages.h"
#include "ExitScreen.h"
#include "LinkLabel.h"
#include "MainWindow.h"
#include "Pictures.h"
#include "ProgramIcon.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>

using namespace dicemere;
using namespace dicemere::test;

namespace {

double MeanDifference(const QImage& a, const QImage& b, const QRect& area) {
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            sum += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
                   std::abs(p.blue() - q.blue());
        }
    return sum / (3.0 * area.width() * area.height());
}

using Rig = MainWindowRig;

} // namespace

class TestHighDpi : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void nothingIsCutOff() {
        Rig rig;
        rig.window.show();
        CheckNothingCut(&rig.window);
        // The longest one-line values of the result page.
        for (const std::vector<int>& cast : {std::vector<int>{6, 6, 6, 4},
                                             {5, 0},
                                             {4, 4, 3},
                                             {5, 5, 6, 6},
                                             {2, 2, 2, 5},
                                             {3, 3}}) {
            if (auto* back = rig.window.findChild<QPushButton*>(QStringLiteral("backButton")))
                back->click();
            rig.castAndShow(cast);
            QCOMPARE(rig.window.CurrentPage()->objectName(), QStringLiteral("resultPage"));
            CheckNothingCut(&rig.window);
        }
        AboutWindow about(rig.help);
        about.show();
        CheckNothingCut(&about);
        for (float r : {0.1f, 0.3f, 0.6f, 0.8f}) {
            rig.random.push({r});
            ExitScreen exitScreen(rig.fakes.services);
            exitScreen.show();
            CheckNothingCut(&exitScreen);
        }
    }

    // The window icon, at the sizes a desktop asks for and at any other, is
    // what the icon's drawing code draws: the sizes drawn at build time too.
    void programIconIsTheDrawnIcon() {
        const QIcon icon = ProgramIcon();
        const QList<QSize> offered = icon.availableSizes();
        for (int side : {16, 32, 48})
            QVERIFY2(offered.contains(QSize(side, side)), qPrintable(QString::number(side)));
        QList<QSize> asked = offered;
        asked << QSize(20, 20) << QSize(100, 100);
        for (const QSize& size : asked) {
            const QImage shown =
                icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QImage drawn(shown.size(), QImage::Format_ARGB32_Premultiplied);
            drawn.fill(Qt::transparent);
            QPainter painter(&drawn);
            PaintProgramIcon(painter, QRectF(QPointF(0, 0), QSizeF(drawn.size())));
            painter.end();
            QVERIFY2(shown == drawn, qPrintable(QStringLiteral("%1 px").arg(shown.width())));
        }
    }

    // At 200 % a die is drawn from its vector picture at twice the pixels,
    // not a 1x picture blown up.
    void diceAreDrawnAtDeviceResolution() {
        if (qApp->devicePixelRatio() < 2)
            QSKIP("runs at 200 % scaling");
        Rig rig;
        rig.window.show();
        rig.random.push({0.0f, 0.0f, 0.0f, 0.0f, 0.5f}); // four dice inside; die 1 shows 4
        rig.window.findChild<QPushButton*>(QStringLiteral("castButton"))->click();
        rig.window.findChild<QPushButton*>(QStringLiteral("throwButton"))->click();
        auto* die = rig.window.findChild<DieImage*>(QStringLiteral("die1"));
        QCOMPARE(die->Face(), 4);
        const QPixmap grabbed = rig.window.grab();
        QCOMPARE(grabbed.devicePixelRatio(), 2.0);
        const QRect inWindow(die->mapTo(&rig.window, QPoint(0, 0)) * 2, die->size() * 2);
        const QImage shot = grabbed.toImage().copy(inWindow);
        QCOMPARE(shot.size(), QSize(66, 66));

        const auto render = [](int px) {
            QImage image(px, px, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::white);
            QPainter p(&image);
            PaintDieFace(p, QRectF(0, 0, px, px), 4);
            return image;
        };
        const QImage sharp = render(66);
        const QImage blownUp =
            render(33).scaled(66, 66, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QRect face(10, 10, 46, 46); // the die's body, clear of the page behind its corners
        const double toSharp = MeanDifference(shot, sharp, face);
        const double toBlownUp = MeanDifference(shot, blownUp, face);
        QVERIFY2(toSharp < 1.0, qPrintable(QString::number(toSharp)));
        QVERIFY2(toBlownUp > 3 * toSharp + 1.0,
                 qPrintable(QStringLiteral("%1 vs %2").arg(toBlownUp).arg(toSharp)));
    }
};

QTEST_MAIN(TestHighDpi)
#include "tst_highdpi.moc"
