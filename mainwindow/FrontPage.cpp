// SPDX-License-Identifier: MIT
#include "FrontPage.h"

#include "Layout.h"
#include "SharedTexts.h"
#include "ui_FrontPage.h"

namespace dicemere {

FrontPage::FrontPage(QWidget* parent) : PageFrame(parent), ui_(std::make_unique<Ui::FrontPage>()) {
    ui_->setupUi(this);
    ui_->purposeLabel->setText(SharedTexts::ProgramPurpose());
    // One-line labels take the width of their text in the user's language.
    FitToText(ui_->focusLabel);
    FitToText(ui_->diceCountLabel);
    connect(ui_->diceCountBox, &QComboBox::currentIndexChanged, this, &FrontPage::TellNumberChosen);
    connect(ui_->castButton, &QPushButton::clicked, this, &FrontPage::RequestCast);
}

FrontPage::~FrontPage() = default;

QWidget* FrontPage::FocusControl() const { return ui_->castButton; }
QWidget* FrontPage::FirstControl() const { return ui_->diceCountBox; }

void FrontPage::Load() {
    for (const int dice : {2, 3, 4})
        ui_->diceCountBox->addItem(QString::number(dice), dice);
    SelectDefaultNumber();
}

void FrontPage::SelectDefaultNumber() {
    ui_->diceCountBox->setCurrentIndex(ui_->diceCountBox->findData(4));
}

void FrontPage::TellNumberChosen() {
    // The list names its purpose; the number chosen is told as well.
    QComboBox* box = ui_->diceCountBox;
    box->setAccessibleDescription(box->currentText());
    if (box->hasFocus())
        Q_EMIT tell(box->currentText());
}

void FrontPage::RequestCast() { Q_EMIT castRequested(ui_->diceCountBox->currentData().toInt()); }

} // namespace dicemere
