// SPDX-License-Identifier: MIT
#include "PlatformChoice.h"

namespace dicemere {

namespace {

// Qt reads "-platform NAME" and "--platform NAME" from the command line.
bool PlatformArgument(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("-platform") || argument == QLatin1String("--platform"))
            return true;
    }
    return false;
}

} // namespace

DisplayEnvironment CurrentDisplayEnvironment() {
    return {qEnvironmentVariable("QT_QPA_PLATFORM"), qEnvironmentVariable("DISPLAY"),
            qEnvironmentVariable("WAYLAND_DISPLAY"), qEnvironmentVariable("XDG_SESSION_TYPE")};
}

QString PreferredPlatform(const DisplayEnvironment& environment, const QStringList& arguments) {
    // Qt takes an empty QT_QPA_PLATFORM as no choice at all; so does the program.
    if (!environment.qpaPlatform.trimmed().isEmpty() || PlatformArgument(arguments))
        return {};
    const bool wayland =
        !environment.waylandDisplay.isEmpty() ||
        environment.sessionType.compare(QLatin1String("wayland"), Qt::CaseInsensitive) == 0;
    if (!wayland)
        return {};
    if (!environment.display.isEmpty())
        return QStringLiteral("xcb;wayland");
    return QStringLiteral("wayland");
}

} // namespace dicemere
