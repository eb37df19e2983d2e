// SPDX-License-Identifier: MIT
// ReferAFriend: the refer-a-friend checks and the referral address.
#pragma once

#include "Links.h"
#include "PlatformInterfaces.h"

#include <QCoreApplication>
#include <QString>

namespace dicemere {

// The five texts of the form, in the order of the address.
struct Referral {
    QString name;
    QString email;
    QString message;
    QString friendName;
    QString friendEmail;
};

class ReferAFriend {
    Q_DECLARE_TR_FUNCTIONS(dicemere::ReferAFriend)
public:
    // The placeholders of the form's boxes: a box left at its placeholder is empty.
    static QString NamePlaceholder() { return tr("Your Name"); }
    static QString EmailPlaceholder() { return tr("Your Email Address"); }
    static QString MessagePlaceholder() { return tr("Your Message"); }
    static QString FriendNamePlaceholder() { return tr("Friend's Name"); }
    static QString FriendEmailPlaceholder() { return tr("Friend's Email Address"); }
    // An address box refused a space.
    static QString SpaceInEmail() { return tr("Email Address Cannot Contain Space"); }

    // Leading and trailing spaces (character 32 only) removed.
    static QString TrimSpaces(const QString& text);
    static Referral Trimmed(const Referral& texts);

    // The first complaint about the two addresses, or the empty text.
    static QString CheckAddresses(const Referral& r);
    // The first field left empty or at its placeholder, as its message.
    static QString CheckFields(const Referral& r);
    // The referral page with the five texts and the product site, each
    // percent-encoded as UTF-8 so no text can add or cut off a parameter.
    static QString ReferralAddress(const Referral& r);

    // Checks the fields and either reports the first problem or opens the
    // referral address.
    static void SendTellAFriend(const Referral& r, MessageBoxes& boxes, const LinkOpeners& help,
                                QWidget* parent = nullptr);
};

} // namespace dicemere
