// SPDX-License-Identifier: MIT
// Texts that more than one window shows, written once.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace dicemere {

class SharedTexts {
    Q_DECLARE_TR_FUNCTIONS(dicemere::SharedTexts)
public:
    // What the program is: the front page and the About window.
    static QString ProgramPurpose() {
        return tr("Dicemere is a method of numerology divination that relates dice and numbers to "
                  "help you find solutions to your problems.");
    }
    // The maker's offer: the About window and the main window's promotion band.
    static QString FullBrandOffer() {
        return tr("Home Business Opportunity. Start your own Internet business and make money "
                  "online. Get this software fully branded for your website.");
    }
};

} // namespace dicemere
