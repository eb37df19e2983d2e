// SPDX-License-Identifier: MIT
// The exit screen: a last invitation to refer a friend, shown when the main
// window closes. Every way out of it ends the program.
#pragma once

#include "ServiceBundle.h"
#include "TellAFriend.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace dicemere {

class PlaceholderEdit;
class LinkLabel;

// The four promotion texts; number 1 is the one laid out before the draw.
QString ExitPromotion(int k);
// k = the whole part of 4r, 0..3.
int ExitPromotionIndex(float r);

class ExitScreen final : public QWidget {
    Q_OBJECT
public:
    explicit ExitScreen(const Services& services, QWidget* parent = nullptr);

    // The form's texts as they stand, untrimmed.
    Referral FormTexts() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
    void cmdClose_Click();
    void cmdSubmit_Click();
    void Check1_Click(bool ticked);
    void lblGoToHome_Click();
    void txtEmail_SpaceRefused();
    void txtFriendEmail_SpaceRefused();

    void RefuseSpace(PlaceholderEdit* box);

    Services services_;
    QLabel* Label2_ = nullptr;
    QCheckBox* Check1_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
    QGroupBox* Frame2_ = nullptr;
    PlaceholderEdit* txtName_ = nullptr;
    PlaceholderEdit* txtEmail_ = nullptr;
    PlaceholderEdit* txtFriendName_ = nullptr;
    PlaceholderEdit* txtFriendEmail_ = nullptr;
    QPushButton* cmdSubmit_ = nullptr;
    QPlainTextEdit* txtMessage_ = nullptr;
    LinkLabel* lblGoToHome_ = nullptr;
    bool centred_ = false;
};

} // namespace dicemere
