// SPDX-License-Identifier: MIT
// The program's view of the desktop: small interfaces over the services it
// needs, so that every behaviour can be driven headless with test doubles.
#pragma once

#include <QDate>
#include <QString>

class QWidget;

namespace dicemere {

enum class MsgIcon { Information, Error };
enum class MsgButtons { Ok, YesNo };
enum class MsgAnswer { Ok, Yes, No };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows a modal message titled "Dicemere". With YesNo, Yes is the default.
    virtual MsgAnswer Show(QWidget* parent, MsgIcon icon, MsgButtons buttons,
                           const QString& text) = 0;
};

class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // Hands an absolute web address to the desktop's default browser and
    // returns at once; failures are not reported.
    virtual void Open(const QString& address) = 0;
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or the empty text when there is none.
    virtual QString Read(const QString& section, const QString& name) = 0;
    // Writes and flushes at once; returns false when the value could not be
    // stored, and then the store is as it was.
    virtual bool Write(const QString& section, const QString& name, const QString& text) = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate Today() = 0;
};

class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    enum class Result { Acquired, HeldByAnother, Unavailable };
    // Tries once, without waiting. Unavailable means the lock could not be
    // created at all (no permission, no directory).
    virtual Result TryAcquire() = 0;
};

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Seeds the source from the system clock.
    virtual void SeedFromClock() = 0;
    // The next uniform single-precision value r, 0 <= r < 1.
    virtual float DrawUniform() = 0;
};

} // namespace dicemere
