// SPDX-License-Identifier: MIT
// The result page (ResultPage.ui): the eight lines of a reading, and the way back.
#pragma once

#include "EnochianNumerology.h"
#include "PageStack.h"

#include <QtGlobal>
#include <array>
#include <memory>
#include <vector>

class QLabel;

namespace dicemere {

namespace Ui {
class ResultPage;
}

// Text i of a reading (reading::Text) in the user's language.
QString ReadingLine(const reading::Reading& r, std::size_t text);
// How the reading's number came about: "Dice 5, 6: the combination 5+6 gives 11".
QString ReadingExplanation(const reading::Reading& r);

class ResultPage final : public PageFrame {
    Q_OBJECT
public:
    explicit ResultPage(QWidget* parent = nullptr);
    ~ResultPage() override;

    QWidget* FocusControl() const override;
    // Writes the reading of a cast with these dice values into the page's
    // eight value labels.
    void ShowEnochianReading(const std::vector<qint16>& diceValues);
    // The eight headings and values, one line each, in the order they are shown.
    QString ReadingText() const;

Q_SIGNALS:
    // Back was pressed.
    void backRequested();

private:
    // The whole reading to the clipboard: Ctrl+C or the page's context menu.
    void CopyReading() const;

    std::unique_ptr<Ui::ResultPage> ui_;
    // One heading and one value per line of the page, top to bottom, in the
    // order of a reading's texts (reading::Text).
    std::array<QLabel*, 8> headings_{};
    std::array<QLabel*, 8> values_{};
};

} // namespace dicemere
