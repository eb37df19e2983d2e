// SPDX-License-Identifier: MIT
// Start-up order, the promotion shuffle and the update reminder.
#include "../support/Doubles.h"
#include "Links.h"
#include "SettingsAndLock.h"
#include "Startup.h"
#include "UpdateReminder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace dicemere;
using namespace dicemere::test;

namespace {

// Every service writes what it is asked into one shared log.
struct Log {
    QStringList steps;
};

class LoggingLock final : public InstanceLock {
public:
    LoggingLock(Log& log, Result result) : log_(log), result_(result) {}
    Result TryAcquire() override {
        log_.steps << QStringLiteral("guard");
        return result_;
    }

private:
    Log& log_;
    Result result_;
};

class LoggingRandom final : public RandomSource {
public:
    LoggingRandom(Log& log, float r) : log_(log), r_(r) {}
    void SeedFromClock() override { log_.steps << QStringLiteral("seed"); }
    float DrawUniform() override {
        log_.steps << QStringLiteral("draw");
        return r_;
    }

private:
    Log& log_;
    float r_;
};

class LoggingSettings final : public SettingsStore {
public:
    explicit LoggingSettings(Log& log) : log_(log) {}
    QString Read(const QString&, const QString&) override {
        log_.steps << QStringLiteral("reminder");
        return stored;
    }
    bool Write(const QString&, const QString&, const QString& text) override {
        log_.steps << QStringLiteral("write");
        stored = text;
        return true;
    }
    QString stored;

private:
    Log& log_;
};

class LoggingTarget final : public StartupTarget {
public:
    explicit LoggingTarget(Log& log) : log_(log) {}
    void ShowMainWindow() override { log_.steps << QStringLiteral("show"); }
    void BringPromoToFront(PromoFront f) override {
        log_.steps << QStringLiteral("shuffle");
        front = f;
    }
    PromoFront front = PromoFront::Unchanged;

private:
    Log& log_;
};

struct Rig {
    explicit Rig(InstanceLock::Result lockResult, float r = 0.5f)
        : lock(log, lockResult), random(log, r), settings(log), target(log), help(opener),
          end({}, [this] { log.steps << QStringLiteral("end"); }) {}
    bool run() {
        const Services services{lock, random, settings, clock, boxes, help, end};
        return RunStartup(services, target);
    }
    Log log;
    LoggingLock lock;
    LoggingRandom random;
    LoggingSettings settings;
    LoggingTarget target;
    FixedClock clock;
    FakeMessageBoxes boxes;
    FakeUrlOpener opener;
    LinkOpeners help;
    ProgramEnd end;
};

struct ReminderRig {
    MemorySettings store;
    FixedClock clock;
    FakeMessageBoxes boxes;
    FakeUrlOpener opener;
    LinkOpeners help{opener};
    void run() { UpdateReminder(store, clock, boxes, help); }
    QString stored() const { return store.values.value(QStringLiteral("Settings/Duration")); }
    void store_(const QString& text) { store.values[QStringLiteral("Settings/Duration")] = text; }
};

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void runsInOrder() {
        Rig rig(InstanceLock::Result::Acquired);
        rig.settings.stored = QStringLiteral("2026-12-07");
        QVERIFY(rig.run());
        QCOMPARE(rig.log.steps,
                 (QStringList{"guard", "seed", "reminder", "show", "draw", "shuffle"}));
        QVERIFY(rig.boxes.shown.isEmpty());
    }

    void lockThatCannotBeMadeDoesNotStopTheProgram() {
        Rig rig(InstanceLock::Result::Unavailable);
        rig.settings.stored = QStringLiteral("2026-12-07");
        QVERIFY(rig.run());
        QVERIFY(rig.log.steps.contains(QStringLiteral("show")));
    }

    void secondCopyOnlySaysSoAndEnds() {
        Rig rig(InstanceLock::Result::HeldByAnother);
        QVERIFY(!rig.run());
        QCOMPARE(rig.log.steps, (QStringList{"guard", "end"}));
        QCOMPARE(rig.boxes.shown.size(), 1);
        QCOMPARE(rig.boxes.shown[0].text, QStringLiteral("Application is already running"));
        QCOMPARE(rig.boxes.shown[0].icon, MsgIcon::Information);
        QCOMPARE(rig.boxes.shown[0].buttons, MsgButtons::Ok);
        QVERIFY(rig.opener.opened.isEmpty());
    }

    void shuffleOutcomes_data() {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("front");
        const int full = int(PromoFront::FullBrand), co = int(PromoFront::Cobrand),
                  none = int(PromoFront::Unchanged);
        QTest::newRow("n=1") << 0.0f << 1 << co;
        QTest::newRow("n=2") << 0.2f << 2 << full;
        QTest::newRow("n=3") << 0.3f << 3 << co;
        QTest::newRow("n=4") << 0.5f << 4 << full; // 6r + 1 = 4 exactly
        QTest::newRow("n=5") << 0.7f << 5 << co;
        QTest::newRow("n=6") << 0.8f << 6 << full;
        QTest::newRow("n=7") << 0.99f << 7 << none;
        // True ties: 6r + 1 is exactly 2.5 and 5.5, and goes to the even neighbour
        // (rounding half up would give 3, half down 5).
        QTest::newRow("tie 2.5 -> 2") << 0.25f << 2 << full;
        QTest::newRow("tie 5.5 -> 6") << 0.75f << 6 << full;
    }
    void shuffleOutcomes() {
        QFETCH(float, r);
        QFETCH(int, n);
        QFETCH(int, front);
        QCOMPARE(PromoShuffleNumber(r), n);
        QCOMPARE(int(PromoChoice(n)), front);
        Rig rig(InstanceLock::Result::Acquired, r);
        rig.settings.stored = QStringLiteral("2026-12-08");
        rig.run();
        QCOMPARE(int(rig.target.front), front);
    }

    void reminderTable_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("asks");
        QTest::addColumn<QString>("after");
        const QString today = QStringLiteral("2026-12-08");
        QTest::newRow("first start") << QString() << false << today;
        QTest::newRow("same day") << today << false << today;
        QTest::newRow("14 days after") << "2026-11-24" << false << "2026-11-24";
        QTest::newRow("15 days after") << "2026-11-23" << true << today;
        QTest::newRow("a year after") << "2025-12-08" << true << today;
        QTest::newRow("14 days before") << "2026-12-22" << false << "2026-12-22";
        QTest::newRow("15 days before") << "2026-12-23" << true << today;
        QTest::newRow("not a date") << "next Tuesday" << false << today;
        QTest::newRow("locale date") << "08/12/2026" << false << today;
        QTest::newRow("impossible date") << "2026-02-30" << false << today;
        QTest::newRow("not read back alike") << "2026-12-8" << false << today;
        QTest::newRow("trailing text") << "2026-11-01x" << false << today;
    }
    void reminderTable() {
        QFETCH(QString, stored);
        QFETCH(bool, asks);
        QFETCH(QString, after);
        ReminderRig rig;
        if (!stored.isNull())
            rig.store_(stored);
        rig.run();
        QCOMPARE(rig.boxes.shown.size(), asks ? 1 : 0);
        QCOMPARE(rig.stored(), after);
        if (asks) {
            QCOMPARE(rig.boxes.shown[0].text,
                     QStringLiteral("There maybe an update to this software available\n"
                                    "Do you want to check for an update?"));
            QCOMPARE(rig.boxes.shown[0].icon, MsgIcon::Information);
            QCOMPARE(rig.boxes.shown[0].buttons, MsgButtons::YesNo);
        }
        QVERIFY(rig.opener.opened.isEmpty()); // the double answers No
    }

    void yesOpensTheDownloadPageAfterWriting() {
        ReminderRig rig;
        rig.store_(QStringLiteral("2026-10-01"));
        rig.boxes.answer = MsgAnswer::Yes;
        QString storedWhenOpened;
        struct Watch final : UrlOpener {
            ReminderRig* rig;
            QString* seen;
            QStringList opened;
            void Open(const QString& a) override {
                *seen = rig->stored();
                opened << a;
            }
        } watch;
        watch.rig = &rig;
        watch.seen = &storedWhenOpened;
        const LinkOpeners help(watch);
        UpdateReminder(rig.store, rig.clock, rig.boxes, help);
        QCOMPARE(watch.opened, QStringList{"https://dicemere.example.com/download-dicemere.html"});
        QCOMPARE(storedWhenOpened, QStringLiteral("2026-12-08"));
    }

    // The answer could not be kept: no question, however often it starts.
    void storeThatRefusesWritesIsNeverAsked() {
        ReminderRig rig;
        rig.store_(QStringLiteral("2026-10-01"));
        rig.store.readOnly = true;
        rig.boxes.answer = MsgAnswer::Yes;
        rig.run();
        rig.run();
        QVERIFY(rig.boxes.shown.isEmpty());
        QVERIFY(rig.opener.opened.isEmpty());
        QCOMPARE(rig.stored(), QStringLiteral("2026-10-01"));
    }

    void questionsComeFifteenDaysApart() {
        ReminderRig rig;
        rig.store_(QStringLiteral("2026-11-01"));
        rig.clock.date = QDate(2026, 11, 16);
        rig.run(); // day 15: asked, No
        QCOMPARE(rig.boxes.shown.size(), 1);
        for (int day = 0; day < 15; ++day) {
            rig.clock.date = QDate(2026, 11, 16).addDays(day);
            rig.run();
            rig.run(); // several starts a day
        }
        QCOMPARE(rig.boxes.shown.size(), 1);
        rig.clock.date = QDate(2026, 12, 1);
        rig.run();
        QCOMPARE(rig.boxes.shown.size(), 2);
    }

    // The real store: a file that is corrupt, or that cannot be written.
    void realStoreRoundTrip() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Dicemere.ini"));
        IniSettingsStore store(path);
        QCOMPARE(store.Read(QStringLiteral("Settings"), QStringLiteral("Duration")), QString());
        QVERIFY(store.Write(QStringLiteral("Settings"), QStringLiteral("Duration"),
                            QStringLiteral("2026-12-08")));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY2(text.contains("[Settings]") && text.contains("Duration=2026-12-08"), text);
        IniSettingsStore again(path);
        QCOMPARE(again.Read(QStringLiteral("Settings"), QStringLiteral("Duration")),
                 QStringLiteral("2026-12-08"));
    }

    void corruptOrUnwritableStoreStillStarts_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("mode");
        QTest::newRow("garbage") << QByteArray("\x01\x02[[[\xff\xfe=\n=\n[Settings\nDuration")
                                 << "file";
        QTest::newRow("read-only")
            << QByteArray("[Settings]\nDuration=2026-01-01\n") << "read-only";
        QTest::newRow("folder is a file") << QByteArray("x") << "under-file";
    }
    void corruptOrUnwritableStoreStillStarts() {
        QFETCH(QByteArray, content);
        QFETCH(QString, mode);
#ifdef Q_OS_UNIX
        if (mode == QLatin1String("read-only") && geteuid() == 0)
            QSKIP("root can write a read-only file");
#endif
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("Dicemere.ini"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        if (mode == QLatin1String("read-only"))
            QFile::setPermissions(path, QFile::ReadOwner);
        if (mode == QLatin1String("under-file"))
            path += QStringLiteral("/Dicemere.ini");
        IniSettingsStore store(path);
        Log log;
        LoggingLock lock(log, InstanceLock::Result::Acquired);
        LoggingRandom random(log, 0.1f);
        LoggingTarget target(log);
        FixedClock clock;
        FakeMessageBoxes boxes;
        boxes.answer = MsgAnswer::No;
        FakeUrlOpener opener;
        const LinkOpeners help(opener);
        ProgramEnd end({}, {});
        const Services services{lock, random, store, clock, boxes, help, end};
        QVERIFY(RunStartup(services, target));
        QVERIFY(log.steps.contains(QStringLiteral("show")));
        // The only message that may come is the reminder's own question.
        for (const auto& m : boxes.shown)
            QCOMPARE(m.buttons, MsgButtons::YesNo);
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
