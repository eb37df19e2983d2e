// SPDX-License-Identifier: MIT
// Which of Qt's window-system plugins the program asks for when the user has not chosen one.
#pragma once

#include <QString>
#include <QStringList>

namespace dicemere {

// The parts of the environment the choice looks at.
struct DisplayEnvironment {
    QString qpaPlatform;    // QT_QPA_PLATFORM
    QString display;        // DISPLAY: an X server, XWayland in a Wayland session
    QString waylandDisplay; // WAYLAND_DISPLAY
    QString sessionType;    // XDG_SESSION_TYPE
};

// The process's own environment.
DisplayEnvironment CurrentDisplayEnvironment();

// The plugin list to put in QT_QPA_PLATFORM before the application object is made, or an empty
// text to leave the choice to the user and to Qt. arguments are the command line, program
// name first.
//
// In a Wayland session with an X server at hand the answer is "xcb;wayland": under XWayland the
// window manager centres the windows as they ask and keeps the exit screen above the others,
// which Wayland's own protocol cannot express; Qt falls back to Wayland if the X server cannot
// be reached after all. With a Wayland display and no X server it is "wayland". A plugin named
// by the user (QT_QPA_PLATFORM, or -platform on the command line) always stands, and so does
// an X11 session or a desktop with neither.
QString PreferredPlatform(const DisplayEnvironment& environment, const QStringList& arguments);

} // namespace dicemere
