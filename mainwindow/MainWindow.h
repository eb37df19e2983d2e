// SPDX-License-Identifier: MIT
// The main window: menus, link line, the stack of three pages and the
// promotion band. The pages are classes of their own (FrontPage, CastingPage,
// ResultPage); the window owns the cast and switches between them.
#pragma once

#include "DiceCast.h"
#include "DiceImages.h"
#include "PageStack.h"
#include "ServiceBundle.h"

#include <QMainWindow>

class QAction;
class QFrame;

namespace dicemere {

class Announcer;
class LinkLabel;
class CastingPage;
class FrontPage;
class ResultPage;

class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(const Services& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Which of the two promotion labels lies on top.
    enum class PromoLabel { FullBrand, Cobrand };
    void BringPromoToFront(PromoLabel label);
    // The result step: fills the result page and brings it to the front.
    void ShowResult();

    const DiceCast& Cast() const { return cast_; }
    QWidget* CurrentPage() const;

Q_SIGNALS:
    // The window is closing (Form_Unload).
    void unloading();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildMenus();
    void BuildPromotionBand();
    // The casting and result pages are built when a cast first needs them:
    // nobody sees them before, and start-up stays light.
    CastingPage* CastingPageOnDemand();
    ResultPage* ResultPageOnDemand();
    void BringToFront(PageFrame* page);

    void Form_Load();
    void Form_Unload();
    void FrontPage_Proceed(int noOfDice);
    void ResultPage_Back();
    void mnuCalculate_Click();
    void mnuExit_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void mnuDonate_Click();
    void mnuMakeMoney_Click();
    void Label14_Click();
    void lblCobrand_Click();
    void lblFullBrand_Click();

    Services services_;
    DiceCast cast_;
    DiceImageList IMG_Dice_;
    bool centred_ = false;

    PageStack* pages_ = nullptr;
    Announcer* announcer_ = nullptr;
    FrontPage* FrontPage_ = nullptr;
    CastingPage* CastingPage_ = nullptr;
    ResultPage* ResultPage_ = nullptr;
    QFrame* fraFullBrand_ = nullptr;
    LinkLabel* Label14_ = nullptr;
    LinkLabel* lblCobrand_ = nullptr;
    LinkLabel* lblFullBrand_ = nullptr;

    QAction* mnuCalculate_ = nullptr;
    QAction* mnuSep1_ = nullptr;
    QAction* mnuExit_ = nullptr;
    QAction* mnuOnline_ = nullptr;
    QAction* mnuVisit_ = nullptr;
    QAction* mnuUpdate_ = nullptr;
    QAction* mnuAbout_ = nullptr;
    QAction* mnuDonate_ = nullptr;
    QAction* mnuMakeMoney_ = nullptr;
};

} // namespace dicemere
