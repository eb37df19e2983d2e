// SPDX-License-Identifier: MIT
#include "AboutWindow.h"

#include "AppInfo.h"
#include "FontsAndColours.h"
#include "Layout.h"
#include "LinkLabel.h"
#include "ProgramIcon.h"
#include "SharedTexts.h"
#include "WindowPlacement.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <array>

namespace dicemere {

AboutWindow::AboutWindow(const modHelp& help, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      help_(help) {
    setObjectName(QStringLiteral("AboutWindow"));
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    setWindowIcon(ProgramIcon());
    setFont(ProgramFont());
    setFixedSize(Twips(5595), Twips(3390));
    Paint(this, Qt::white, colours::kOlive);
    setModal(true);

    auto* picIcon = new IconPicture(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    PlaceTwips(picIcon, 90, 120, 480, 480);

    static constexpr LabelRow kLabel2{"Label2", kWindowCaption, 750,      120,  3975, 270,
                                      12,       true,           0x000000, false};
    static constexpr LabelRow kLabel1{
        "Label1", kProgramPurpose.source, 750, 390, 4785, 811, 8.25, false, 0xffffff, true};
    static constexpr LabelRow kLabel3{
        "Label3", kFullBrandOffer.source, 90, 1800, 5445, 615, 8.25, true, 0xffff00, true};
    MakeLabel(this, kLabel2, QString::fromLatin1(kWindowCaption));
    MakeLabel(this, kLabel1, kProgramPurpose());
    MakeLabel(this, kLabel3, kFullBrandOffer());

    const QColor linkGreen(0, 255, 0);
    auto* lblHomePage =
        new LinkLabel(tr("Click here to visit %1").arg(QLatin1String(sites::kMaker)), this);
    lblHomePage->setObjectName(QStringLiteral("lblHomePage"));
    lblHomePage->setFont(ProgramFont(8.25, false, true));
    Paint(lblHomePage, linkGreen);
    PlaceTwips(lblHomePage, 1485, 1200, 4050, 195);
    connect(lblHomePage, &LinkLabel::clicked, this, &AboutWindow::lblHomePage_Click);

    auto* lblCoBrand = new LinkLabel(tr("Click here for more details"), this);
    lblCoBrand->setObjectName(QStringLiteral("lblCoBrand"));
    lblCoBrand->setFont(ProgramFont(8.25, false, true));
    Paint(lblCoBrand, linkGreen);
    PlaceTwips(lblCoBrand, 3240, 2415, 2295, 195);
    connect(lblCoBrand, &LinkLabel::clicked, this, &AboutWindow::lblCoBrand_Click);

    // The cyan rule across the whole window, 2 pixels wide.
    auto* line2 = new QFrame(this);
    line2->setObjectName(QStringLiteral("Line2"));
    line2->setGeometry(Twips(-60), Twips(2910) - 1, Twips(7200 + 60), 2);
    line2->setAutoFillBackground(true);
    QPalette rule = line2->palette();
    rule.setColor(QPalette::Window, QColor(0, 255, 255));
    line2->setPalette(rule);

    cmdOK_ = new QPushButton(tr("OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setFont(ProgramFont(8.25, true));
    cmdOK_->setDefault(true); // Enter presses OK; Escape rejects, which closes alike
    PlaceTwips(cmdOK_, 4275, 3000, 1260, 345);
    connect(cmdOK_, &QPushButton::clicked, this, &AboutWindow::cmdOK_Click);

    setTabOrder(lblHomePage, lblCoBrand);
    setTabOrder(lblCoBrand, cmdOK_);
    cmdOK_->setFocus();
}

void AboutWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(this);
}

void AboutWindow::lblHomePage_Click() { help_.OpenHomePage(); }
void AboutWindow::lblCoBrand_Click() { help_.OpenFullBrandPage(); }
void AboutWindow::cmdOK_Click() { accept(); }

} // namespace dicemere
