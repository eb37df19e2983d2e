// SPDX-License-Identifier: MIT
// The main window: link line, three stacked pages and the promotion band.
#pragma once

#include "DiceCast.h"
#include "DiceImages.h"
#include "EnochianNumerology.h"
#include "Services.h"

#include <QFrame>
#include <QMainWindow>
#include <array>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;

namespace dicemere {

class Announcer;
class LinkLabel;
class PageStack;

// A page of the main window; it can carry a caption along its top edge.
class PageFrame final : public QFrame {
    Q_OBJECT
public:
    explicit PageFrame(QWidget* parent = nullptr) : QFrame(parent) {}
    // The page's text and background colours. The page fills its own
    // background: one that Qt fills for it counts as opaque, and when it is
    // shown again its see-through labels are drawn twice, once with the page
    // and once more from the window.
    void SetColours(const QColor& text, const QColor& background);
    void SetCaption(const QString& caption);
    const QString& Caption() const { return caption_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};

// The casting board: a filled circle.
class CircleShape final : public QWidget {
    Q_OBJECT
public:
    explicit CircleShape(QWidget* parent = nullptr) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Text i of a reading (reading::Text) in the user's language.
QString ReadingLine(const reading::Reading& r, std::size_t text);
// How the reading's number came about: "Dice 5, 6: the combination 5+6 gives 11".
QString ReadingExplanation(const reading::Reading& r);

class frmMain final : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(const Services& services, QWidget* parent = nullptr);
    ~frmMain() override;

    // Which of the two promotion labels lies on top.
    enum class PromoLabel { FullBrand, Cobrand };
    void BringPromoToFront(PromoLabel label);
    // The result step: fills the result page and brings it to the front.
    void ShowResult();

    // Writes the reading of the cast into lblResult(0) to lblResult(7).
    void ShowEnochianReading();
    // The eight headings and values, one line each.
    QString ReadingText() const;

    const DiceCast& Cast() const { return cast_; }
    QWidget* FrontPage() const;

Q_SIGNALS:
    // The window is closing (Form_Unload).
    void unloading();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildMenus();
    void BuildFrontPage();
    void BuildCastingPage();
    void BuildResultPage();
    void BuildPromotionBand();
    void BringToFront(QWidget* page);
    void PresentDie(int slot, Landing landing, int face);

    void Form_Load();
    void Form_Unload();
    void cmdProceed_Click();
    void cmdThrowDice_Click();
    void cmdBack_Click();
    void cboNoOfDice_Click();
    void mnuCalculate_Click();
    void mnuExit_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void mnuDonate_Click();
    void mnuMakeMoney_Click();
    void mnuCopyReading_Click() const;
    void Label14_Click();
    void lblCobrand_Click();
    void lblFullBrand_Click();

    Services services_;
    DiceCast cast_;
    DiceImageList IMG_Dice_;
    bool centred_ = false;

    PageStack* pages_ = nullptr;
    Announcer* announcer_ = nullptr;
    PageFrame* fraMain_ = nullptr;
    PageFrame* fraIntermediate_ = nullptr;
    PageFrame* fraResult_ = nullptr;
    QFrame* fraFullBrand_ = nullptr;
    LinkLabel* Label14_ = nullptr;
    LinkLabel* lblCobrand_ = nullptr;
    LinkLabel* lblFullBrand_ = nullptr;
    QComboBox* cboNoOfDice_ = nullptr;
    QPushButton* cmdProceed_ = nullptr;
    QPushButton* cmdThrowDice_ = nullptr;
    QPushButton* cmdBack_ = nullptr;
    CircleShape* shpCircle_ = nullptr;
    std::array<DieImage*, 4> imgDice_{};
    std::array<QLabel*, 11> lblLabel_{};
    std::array<QLabel*, 8> lblResult_{};

    QAction* mnuCalculate_ = nullptr;
    QAction* mnuSep1_ = nullptr;
    QAction* mnuExit_ = nullptr;
    QAction* mnuOnline_ = nullptr;
    QAction* mnuVisit_ = nullptr;
    QAction* mnuUpdate_ = nullptr;
    QAction* mnuAbout_ = nullptr;
    QAction* mnuDonate_ = nullptr;
    QAction* mnuMakeMoney_ = nullptr;
    QAction* mnuCopyReading_ = nullptr;
};

} // namespace dicemere
