// SPDX-License-Identifier: MIT
// The platform's style, less what this program never shows.
#pragma once

#include <QProxyStyle>

namespace dicemere {

class ProgramStyle final : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace dicemere
