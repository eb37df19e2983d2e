// SPDX-License-Identifier: MIT
// The exit screen (ExitScreen.ui): a last invitation to visit the forum and to
// refer a friend, shown when the main window closes. Every way out of it ends
// the program.
#pragma once

#include "ServiceBundle.h"
#include "TellAFriend.h"

#include <QWidget>
#include <memory>

namespace dicemere {

namespace Ui {
class ExitScreen;
}
class PlaceholderEdit;

class ExitScreen final : public QWidget {
    Q_OBJECT
public:
    explicit ExitScreen(const Services& services, QWidget* parent = nullptr);
    ~ExitScreen() override;

    // The four invitations to the forum, one drawn at random for each showing.
    static QString Promotion(int k);
    // Which of them a draw r in [0, 1) picks: the whole part of 4r, 0..3.
    static int PromotionIndex(float r);

    // The referral form's texts as they stand, untrimmed.
    Referral FormTexts() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Refer();
    void VisitForum(bool ticked);
    void RefuseSpace(PlaceholderEdit* box);

    std::unique_ptr<Ui::ExitScreen> ui_;
    Services services_;
    bool centred_ = false;
};

} // namespace dicemere
