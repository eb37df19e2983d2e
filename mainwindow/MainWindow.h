// SPDX-License-Identifier: MIT
// The main window (MainWindow.ui): menus, the forum link, the stack of pages
// and the promotion band. The pages are classes of their own (FrontPage,
// CastingPage, ResultPage); the window owns the cast and switches between them.
#pragma once

#include "DiceCast.h"
#include "DiceImages.h"
#include "ServiceBundle.h"

#include <QMainWindow>
#include <memory>

namespace dicemere {

namespace Ui {
class MainWindow;
}
class Announcer;
class CastingPage;
class FrontPage;
class PageFrame;
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
    // The page in front.
    QWidget* CurrentPage() const;

Q_SIGNALS:
    // The window is closing.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The casting and result pages are built when a cast first needs them:
    // nobody sees them before, and start-up stays light.
    CastingPage* EnsureCastingPage();
    ResultPage* EnsureResultPage();
    void BringToFront(PageFrame* page);

    // Starts a cast of this many dice on the casting page (nothing when not 2 to 4).
    void StartCast(int noOfDice);
    void BackToFrontPage();
    // The About window, modal; each opening builds a fresh one.
    void ShowAbout();

    std::unique_ptr<Ui::MainWindow> ui_;
    Services services_;
    DiceCast cast_;
    // The six die faces, drawn once for the casting page.
    DiceImageList dicePictures_;
    bool centred_ = false;

    Announcer* announcer_ = nullptr;
    FrontPage* frontPage_ = nullptr;
    CastingPage* castingPage_ = nullptr;
    ResultPage* resultPage_ = nullptr;
};

} // namespace dicemere
