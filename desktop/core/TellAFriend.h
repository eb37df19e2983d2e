// SPDX-License-Identifier: MIT
// ReferAFriend: the refer-a-friend checks and the referral address.
#pragma once

#include "Links.h"
#include "PlatformInterfaces.h"
#include "Translation.h"

#include <QString>

namespace dicemere {

namespace placeholders {
inline constexpr Text kName{"modTellAFriend", QT_TRANSLATE_NOOP("modTellAFriend", "Your Name")};
inline constexpr Text kEmail{"modTellAFriend",
                             QT_TRANSLATE_NOOP("modTellAFriend", "Your Email Address")};
inline constexpr Text kMessage{"modTellAFriend",
                               QT_TRANSLATE_NOOP("modTellAFriend", "Your Message")};
inline constexpr Text kFriendName{"modTellAFriend",
                                  QT_TRANSLATE_NOOP("modTellAFriend", "Friend's Name")};
inline constexpr Text kFriendEmail{"modTellAFriend",
                                   QT_TRANSLATE_NOOP("modTellAFriend", "Friend's Email Address")};
} // namespace placeholders

inline constexpr Text kSpaceInEmail{
    "modTellAFriend", QT_TRANSLATE_NOOP("modTellAFriend", "Email Address Cannot Contain Space")};

// The five texts of the form, in the order of the address.
struct Referral {
    QString name;
    QString email;
    QString message;
    QString friendName;
    QString friendEmail;
};

class ReferAFriend {
public:
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
    static void SendTellAFriend(const Referral& r, MessageBoxes& boxes, const modHelp& help,
                                QWidget* parent = nullptr);
};

} // namespace dicemere
