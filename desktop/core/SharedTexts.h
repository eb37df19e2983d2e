// SPDX-License-Identifier: MIT
// Texts that more than one window shows, written once.
#pragma once

#include "Translation.h"

namespace dicemere {

// What the program is: the front page and the About window.
inline constexpr Text kProgramPurpose{
    "Dicemere", QT_TRANSLATE_NOOP("Dicemere", "Dicemere is a method of numerology divination that "
                                              "relates dice and numbers to help you find "
                                              "solutions to your problems.")};

// The maker's offer: the About window and the main window's promotion band.
inline constexpr Text kFullBrandOffer{
    "Dicemere", QT_TRANSLATE_NOOP("Dicemere", "Home Business Opportunity. Start your own Internet "
                                              "business and make money online. Get this software "
                                              "fully branded for your website.")};

} // namespace dicemere
