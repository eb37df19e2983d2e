// SPDX-License-Identifier: MIT
// Test doubles for the platform interfaces.
#pragma once

#include "Links.h"
#include "MessageBoxesAndBrowser.h"
#include "PlatformInterfaces.h"
#include "ProgramEnd.h"
#include "ServiceBundle.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTest>
#include <deque>
#include <functional>
#include <vector>

namespace dicemere::test {

struct ShownMessage {
    MsgIcon icon;
    MsgButtons buttons;
    QString text;
    QWidget* parent;
};

class FakeMessageBoxes final : public MessageBoxes {
public:
    MsgAnswer Show(QWidget* parent, MsgIcon icon, MsgButtons buttons,
                   const QString& text) override {
        shown.append({icon, buttons, text, parent});
        if (onShow)
            onShow(shown.last());
        if (buttons == MsgButtons::Ok)
            return MsgAnswer::Ok;
        return answer;
    }
    QStringList texts() const {
        QStringList list;
        for (const auto& m : shown)
            list << m.text;
        return list;
    }
    QList<ShownMessage> shown;
    MsgAnswer answer = MsgAnswer::No;
    std::function<void(const ShownMessage&)> onShow;
};

class FakeUrlOpener final : public UrlOpener {
public:
    void Open(const QString& address) override { opened << address; }
    QStringList opened;
};

class MemorySettings final : public SettingsStore {
public:
    QString Read(const QString& section, const QString& name) override {
        ++reads;
        return values.value(section + QLatin1Char('/') + name);
    }
    bool Write(const QString& section, const QString& name, const QString& text) override {
        ++writes;
        if (readOnly)
            return false;
        values[section + QLatin1Char('/') + name] = text;
        return true;
    }
    QMap<QString, QString> values;
    bool readOnly = false; // every write refused
    int reads = 0;
    int writes = 0;
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(QDate d = QDate(2026, 12, 8)) : date(d) {}
    QDate Today() override { return date; }
    QDate date;
};

class FakeLock final : public InstanceLock {
public:
    explicit FakeLock(Result r = Result::Acquired) : result(r) {}
    Result TryAcquire() override {
        ++tries;
        return result;
    }
    Result result;
    int tries = 0;
};

// Returns the scripted values in turn; running out fails the test.
class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<float> v) : values(v) {}
    void push(std::initializer_list<float> v) { values.insert(values.end(), v); }
    void SeedFromClock() override { ++seeds; }
    float DrawUniform() override {
        ++draws;
        if (values.empty()) {
            exhausted = true;
            return 0.0f;
        }
        const float r = values.front();
        values.pop_front();
        return r;
    }
    std::deque<float> values;
    int seeds = 0;
    int draws = 0;
    bool exhausted = false;
};

// Every double, and the one bundle of services the program's code takes.
// Ending the program closes the windows and counts the end.
struct FakeServices {
    // The draws the random source gives, in turn.
    explicit FakeServices(std::initializer_list<float> draws = {}) : random(draws) {}
    FakeLock lock;
    ScriptedRandom random;
    MemorySettings settings;
    FixedClock clock;
    FakeMessageBoxes boxes;
    FakeUrlOpener opener;
    LinkOpeners help{opener};
    int ends = 0;
    ProgramEnd end{CloseAllWindows, [this] { ++ends; }};
    Services services{lock, random, settings, clock, boxes, help, end};
};

// Scripts a cast whose dice end with the given values (0 means outside the
// circle), with no border landings: the landing draws, one face draw per die,
// and the draws of the two presses that lead to the result.
inline void ScriptCast(ScriptedRandom& random, const std::vector<int>& values) {
    static constexpr float kFaceDraw[] = {0.5f, 0.0f, 0.2f, 0.4f, 0.6f, 0.8f, 0.95f};
    for (int v : values)
        random.values.push_back(v == 0 ? 0.9f : 0.0f);
    for (int v : values)
        random.values.push_back(kFaceDraw[v]);
    random.values.push_back(0.5f);
    random.values.push_back(0.5f);
}

} // namespace dicemere::test
