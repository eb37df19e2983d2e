// SPDX-License-Identifier: MIT
#include "FrontPage.h"

#include "FontsAndColours.h"
#include "Layout.h"
#include "SharedTexts.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace dicemere {

FrontPage::FrontPage(QWidget* parent) : PageFrame(parent) {
    setObjectName(QStringLiteral("FrontPage"));
    SetColours(colours::kGreen, colours::kDarkGreen);

    const QFont bold = ProgramFont(8.25, true);
    QLabel* lblLabel9 =
        MakeLabel(QStringLiteral("lblLabel(9)"), this, kProgramPurpose(), bold, colours::kGreen);
    lblLabel9->setAlignment(Qt::AlignCenter);
    lblLabel9->setWordWrap(true);
    PlaceTwips(lblLabel9, 1332, 720, 6200, 675);

    QLabel* lblLabel10 = MakeLabel(QStringLiteral("lblLabel(10)"), this,
                                   tr("Focus yourself on the problem on hand cast the dice."), bold,
                                   colours::kGreen);
    lblLabel10->move(Twips(1830), Twips(1560));
    FitToText(lblLabel10);

    const QString chooseNumber = tr("Choose number of dice to throw");
    QLabel* lblLabel0 = MakeLabel(QStringLiteral("lblLabel(0)"), this, chooseNumber, ProgramFont(),
                                  colours::kGreen);
    lblLabel0->move(Twips(2445), Twips(2580));
    FitToText(lblLabel0);

    cboNoOfDice_ = new QComboBox(this);
    cboNoOfDice_->setObjectName(QStringLiteral("cboNoOfDice"));
    cboNoOfDice_->setEditable(false);
    cboNoOfDice_->setAccessibleName(chooseNumber);
    lblLabel0->setBuddy(cboNoOfDice_);
    QPalette palette = cboNoOfDice_->palette();
    for (const auto role : {QPalette::Button, QPalette::Base, QPalette::Window})
        palette.setColor(role, colours::kDarkGreen);
    for (const auto role : {QPalette::ButtonText, QPalette::Text, QPalette::WindowText})
        palette.setColor(role, colours::kGreen);
    cboNoOfDice_->setPalette(palette);
    PlaceTwips(cboNoOfDice_, 5325, 2520, 1095, 315);
    connect(cboNoOfDice_, &QComboBox::currentIndexChanged, this, &FrontPage::cboNoOfDice_Click);

    cmdProceed_ = new QPushButton(tr("&Concentrate on your Problem And Cast the Dice"), this);
    cmdProceed_->setObjectName(QStringLiteral("cmdProceed"));
    cmdProceed_->setFont(bold);
    PlaceTwips(cmdProceed_, 1332, 3600, 6200, 375);
    cmdProceed_->setAutoDefault(true); // Enter presses the focused button too
    connect(cmdProceed_, &QPushButton::clicked, this, &FrontPage::cmdProceed_Click);
}

QWidget* FrontPage::FocusControl() const { return cmdProceed_; }
QWidget* FrontPage::FirstControl() const { return cboNoOfDice_; }

void FrontPage::Load() {
    cboNoOfDice_->addItems({QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")});
    SelectDefaultNumber();
}

void FrontPage::SelectDefaultNumber() { cboNoOfDice_->setCurrentIndex(2); }

void FrontPage::cboNoOfDice_Click() {
    // The list names its purpose; the number chosen is told as well.
    cboNoOfDice_->setAccessibleDescription(cboNoOfDice_->currentText());
    if (cboNoOfDice_->hasFocus())
        Q_EMIT tell(cboNoOfDice_->currentText());
}

void FrontPage::cmdProceed_Click() {
    bool ok = false;
    const int n = cboNoOfDice_->currentText().trimmed().toInt(&ok);
    Q_EMIT proceed(ok ? n : 0);
}

} // namespace dicemere
