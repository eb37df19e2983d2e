// SPDX-License-Identifier: MIT
#include "ResultPage.h"

#include "EnochianNumerology.h"
#include "Layout.h"
#include "ui_ResultPage.h"

#include <QClipboard>
#include <QGuiApplication>

namespace dicemere {

QString ReadingLine(const reading::Reading& r, std::size_t text) {
    const std::string& english = r.texts.at(text);
    const char* table = reading::TableOf(static_cast<reading::Text>(text));
    if (table == nullptr || english.empty())
        return QString::fromStdString(english);
    return QCoreApplication::translate(table, english.c_str());
}

QString ReadingExplanation(const reading::Reading& r) {
    const QString dice = QString::fromStdString(r.dice);
    const QString working = QString::fromStdString(r.working);
    if (r.combinationMet)
        return ResultPage::tr("Dice %1: the combination %2 gives %3")
            .arg(dice, working, QString::number(r.number));
    return ResultPage::tr("Dice %1: total %2").arg(dice, working);
}

ResultPage::ResultPage(QWidget* parent)
    : PageFrame(parent), ui_(std::make_unique<Ui::ResultPage>()) {
    ui_->setupUi(this);
    headings_ = {ui_->numberHeading, ui_->descriptionHeading, ui_->interpretationHeading,
                 ui_->stoneHeading,  ui_->totemHeading,       ui_->herbHeading,
                 ui_->oilHeading,    ui_->remedyHeading};
    values_ = {ui_->numberValue, ui_->descriptionValue, ui_->interpretationValue,
               ui_->stoneValue,  ui_->totemValue,       ui_->herbValue,
               ui_->oilValue,    ui_->remedyValue};
    // The headings take the width of their text in the user's language.
    for (QLabel* heading : headings_)
        FitToText(heading);
    connect(ui_->copyReadingAction, &QAction::triggered, this, &ResultPage::CopyReading);
    connect(ui_->backButton, &QPushButton::clicked, this, &ResultPage::backRequested);
}

ResultPage::~ResultPage() = default;

QWidget* ResultPage::FocusControl() const { return ui_->backButton; }

void ResultPage::ShowEnochianReading(const std::vector<qint16>& diceValues) {
    const reading::Reading r = reading::SelectReading(diceValues);
    for (std::size_t i = 0; i < values_.size(); ++i) {
        QLabel* value = values_[i];
        value->setText(ReadingLine(r, i));
        if (!value->wordWrap()) // one-line labels follow their text
            FitToText(value);
    }
    const QString explanation = ReadingExplanation(r);
    values_[0]->setToolTip(explanation);
    values_[0]->setAccessibleDescription(explanation);
    // The focus lands on Back when the page appears: a screen reader reads
    // the whole reading after the button's name, and again each time the
    // focus comes back to it.
    ui_->backButton->setAccessibleDescription(ReadingText());
}

QString ResultPage::ReadingText() const {
    QString text;
    for (std::size_t line = 0; line < values_.size(); ++line)
        text += headings_[line]->text() + QStringLiteral(": ") + values_[line]->text() +
                QLatin1Char('\n');
    return text;
}

void ResultPage::CopyReading() const { QGuiApplication::clipboard()->setText(ReadingText()); }

} // namespace dicemere
