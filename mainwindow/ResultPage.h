// SPDX-License-Identifier: MIT
// The result page: the eight lines of a reading, and the way back.
#pragma once

#include "EnochianNumerology.h"
#include "PageStack.h"

#include <QtGlobal>
#include <array>
#include <vector>

class QAction;
class QLabel;
class QPushButton;

namespace dicemere {

// Text i of a reading (reading::Text) in the user's language.
QString ReadingLine(const reading::Reading& r, std::size_t text);
// How the reading's number came about: "Dice 5, 6: the combination 5+6 gives 11".
QString ReadingExplanation(const reading::Reading& r);

class ResultPage final : public PageFrame {
    Q_OBJECT
public:
    explicit ResultPage(QWidget* parent = nullptr);

    QWidget* FocusControl() const override;
    // Writes the reading of a cast with these dice values into lblResult(0)
    // to lblResult(7).
    void ShowEnochianReading(const std::vector<qint16>& diceValues);
    // The eight headings and values, one line each, in the order they are shown.
    QString ReadingText() const;

Q_SIGNALS:
    // Back was pressed.
    void back();

private:
    void cmdBack_Click();
    void mnuCopyReading_Click() const;

    // One heading and one value per line of the page, top to bottom.
    std::array<QLabel*, 8> headings_{};
    std::array<QLabel*, 8> lblResult_{};
    QAction* mnuCopyReading_ = nullptr;
    QPushButton* cmdBack_ = nullptr;
};

} // namespace dicemere
