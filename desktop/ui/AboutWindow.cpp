// SPDX-License-Identifier: MIT
#include "AboutWindow.h"

#include "AppInfo.h"
#include "FontsAndColours.h"
#include "ProgramIcon.h"
#include "SharedTexts.h"
#include "WindowPlacement.h"
#include "ui_AboutWindow.h"

namespace dicemere {

AboutWindow::AboutWindow(const LinkOpeners& help, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ui_(std::make_unique<Ui::AboutWindow>()) {
    // The family is chosen at run time (ProgramFont); the form gives sizes and weights.
    setFont(ProgramFont());
    ui_->setupUi(this);
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    setWindowIcon(ProgramIcon());
    ui_->titleLabel->setText(QString::fromLatin1(kWindowCaption));
    ui_->purposeLabel->setText(SharedTexts::ProgramPurpose());
    ui_->fullBrandOfferLabel->setText(SharedTexts::FullBrandOffer());
    ui_->homePageLink->setText(ui_->homePageLink->text().arg(QLatin1String(sites::kMaker)));

    connect(ui_->homePageLink, &LinkLabel::clicked, this, [&help] { help.OpenHomePage(); });
    connect(ui_->fullBrandLink, &LinkLabel::clicked, this, [&help] { help.OpenFullBrandPage(); });
    // Enter presses OK (the default button); Escape rejects, which closes alike.
    connect(ui_->okButton, &QPushButton::clicked, this, &QDialog::accept);
    ui_->okButton->setFocus();
}

AboutWindow::~AboutWindow() = default;

void AboutWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(this);
}

} // namespace dicemere
