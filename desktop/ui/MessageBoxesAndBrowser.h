// SPDX-License-Identifier: MIT
// The Qt implementations of the services that show something or leave the
// program: message boxes and the desktop's browser.
#pragma once

#include "PlatformInterfaces.h"

#include <QMessageBox>
#include <QString>
#include <memory>

namespace dicemere {

class QtMessageBoxes final : public MessageBoxes {
public:
    // The box Show() runs, built but not yet shown.
    static std::unique_ptr<QMessageBox> Build(QWidget* parent, MsgIcon icon, MsgButtons buttons,
                                              const QString& text);
    MsgAnswer Show(QWidget* parent, MsgIcon icon, MsgButtons buttons, const QString& text) override;
};

class QtUrlOpener final : public UrlOpener {
public:
    void Open(const QString& address) override;
};

// Whether a message quotes a web address. When Qt cannot hand an address to a browser it warns
// with the whole address, and the referral address holds the user's and a friend's names and
// e-mail addresses: main() keeps every such message out of the log.
bool QuotesWebAddress(const QString& message);

// Closes every visible top-level window, one after the other.
void CloseAllWindows();

} // namespace dicemere
