// SPDX-License-Identifier: MIT
// The settings store and the one-copy lock under faults: a full disk, a
// read-only store, odd things in place of their files. Nothing the settings
// file held may be lost, a question whose answer cannot be kept is not asked,
// and the lock is neither switched off nor falsely held.
#include "Doubles.h"
#include "Mounts.h"
#include "SettingsAndLock.h"
#include "UpdateReminder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace dicemere;
using namespace dicemere::test;

namespace {

const QString kSection = QStringLiteral("Settings");
const QString kValue = QStringLiteral("Duration");

QByteArray Slurp(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool Spit(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A settings file of about 6 KB: other keys first, the date last.
QByteArray LargeSettings() {
    QByteArray text = "[Other]\n";
    for (int i = 0; i < 300; ++i)
        text += "key" + QByteArray::number(i) + "=value " + QByteArray::number(i) + "\n";
    return text + "[Settings]\nDuration=2001-01-01\n";
}

// Sets a file's modification time.
bool Age(const QString& path, const QDateTime& when) {
    QFile f(path);
    return f.open(QIODevice::ReadWrite) && f.setFileTime(when, QFileDevice::FileModificationTime);
}

// Sets or (with a null value) removes an environment variable for the life
// of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;
    ~ScopedEnv() {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

bool IsRoot() {
#ifdef Q_OS_UNIX
    return geteuid() == 0;
#else
    return false;
#endif
}

} // namespace

class TestFaults : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fullDiskLeavesTheFileAsItWas_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::newRow("6 KB file") << LargeSettings();
        QTest::newRow("small file") << QByteArray("[Settings]\nDuration=2001-01-01\n");
    }
    void fullDiskLeavesTheFileAsItWas() {
        QFETCH(QByteArray, before);
        QTemporaryDir dir;
        Mounts mounts;
        const QString disk = dir.filePath(QStringLiteral("disk"));
        if (!mounts.Tmpfs(disk, QStringLiteral("64k")))
            QSKIP("cannot mount a small tmpfs here (Linux, as root)");
        const QString ini = disk + QStringLiteral("/Dicemere.ini");
        QVERIFY(Spit(ini, before));
        // Fill the disk to the last byte.
        QFile filler(disk + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(512, 'x');
        while (filler.write(block) == block.size()) {
        }
        filler.close();

        IniSettingsStore store(ini);
        QVERIFY(!store.Write(kSection, kValue, QStringLiteral("2026-12-08")));
        QCOMPARE(Slurp(ini), before);
        QCOMPARE(QDir(disk).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 (QStringList{"Dicemere.ini", "filler"})); // no temporary file left
        QCOMPARE(store.Read(kSection, kValue), QStringLiteral("2001-01-01"));
    }

    // A folder where no file can be made, around a file that may be written:
    // the file is updated in place.
    void readOnlyFolderWritableFile() {
        QTemporaryDir dir;
        Mounts mounts;
        const QByteArray before = LargeSettings();
        const QString folder = dir.filePath(QStringLiteral("config"));
        const QString ini = folder + QStringLiteral("/Dicemere.ini");
        if (IsRoot()) {
            // Root writes anywhere permissions say no: a read-only mount for
            // the folder, with a writable file of another mount shown inside it.
            const QString other = dir.filePath(QStringLiteral("other"));
            if (!mounts.Tmpfs(folder, QStringLiteral("64k")) ||
                !mounts.Tmpfs(other, QStringLiteral("64k")))
                QSKIP("cannot mount a small tmpfs here");
            QVERIFY(Spit(ini, QByteArray()));
            QVERIFY(Spit(other + QStringLiteral("/real.ini"), before));
            QVERIFY(mounts.Bind(other + QStringLiteral("/real.ini"), ini));
            QVERIFY(mounts.RemountReadOnly(folder));
            QVERIFY(!QFile(folder + QStringLiteral("/probe")).open(QIODevice::WriteOnly));
        } else {
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(Spit(ini, before));
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        }
        IniSettingsStore store(ini);
        const bool written = store.Write(kSection, kValue, QStringLiteral("2026-12-08"));
        if (!IsRoot())
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(written);
        QByteArray expected = before;
        expected.replace("Duration=2001-01-01", "Duration=2026-12-08");
        QCOMPARE(Slurp(ini), expected);
    }

    // Nothing can be written: the question would come at every start, so it
    // is not asked at all, and the file is left as it was.
    void storeThatCannotBeWrittenAsksNothing() {
        QTemporaryDir dir;
        Mounts mounts;
        const QString folder = dir.filePath(QStringLiteral("config"));
        const QString ini = folder + QStringLiteral("/Dicemere.ini");
        const QByteArray before("[Settings]\nDuration=2001-01-01\n");
        if (IsRoot()) {
            if (!mounts.Tmpfs(folder, QStringLiteral("64k")))
                QSKIP("cannot mount a small tmpfs here");
            QVERIFY(Spit(ini, before));
            QVERIFY(mounts.RemountReadOnly(folder));
        } else {
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(Spit(ini, before));
            QVERIFY(QFile::setPermissions(ini, QFile::ReadOwner));
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        }
        IniSettingsStore store(ini);
        FixedClock clock;
        FakeMessageBoxes boxes;
        FakeUrlOpener opener;
        const modHelp help(opener);
        for (int start = 0; start < 3; ++start)
            UpdateReminder(store, clock, boxes, help);
        if (!IsRoot()) {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QFile::setPermissions(ini, QFile::ReadOwner | QFile::WriteOwner);
        }
        QVERIFY(boxes.shown.isEmpty());
        QCOMPARE(Slurp(ini), before);
    }

    // An editor's byte-order mark does not hide the date: 20 days on, the
    // question comes, and the date is changed where it stands.
    void byteOrderMarkBeforeTheSection() {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("Dicemere.ini"));
        QVERIFY(Spit(ini, "\xEF\xBB\xBF[Settings]\nDuration=2026-11-18\n"));
        IniSettingsStore store(ini);
        FixedClock clock(QDate(2026, 12, 8));
        FakeMessageBoxes boxes;
        FakeUrlOpener opener;
        const modHelp help(opener);
        UpdateReminder(store, clock, boxes, help);
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(Slurp(ini), QByteArray("\xEF\xBB\xBF[Settings]\nDuration=2026-12-08\n"));
    }

    // Things that are no regular file in the store's place, or a file far
    // beyond any this program writes: no usable store, left alone.
    void foreignThingsInTheStoresPlace_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("folder") << "folder";
#ifdef Q_OS_UNIX
        QTest::newRow("pipe") << "pipe";
        QTest::newRow("link to a device") << "device";
        QTest::newRow("dangling link") << "dangling";
        QTest::newRow("2 MiB file") << "large";
#endif
    }
    void foreignThingsInTheStoresPlace() {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("Dicemere.ini"));
        QByteArray large;
        if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(ini));
        } else if (kind == QLatin1String("large")) {
            large = "[Settings]\nDuration=2001-01-01\n" + QByteArray(2 * 1024 * 1024, ';');
            QVERIFY(Spit(ini, large));
        }
#ifdef Q_OS_UNIX
        else if (kind == QLatin1String("pipe")) {
            QCOMPARE(mkfifo(QFile::encodeName(ini).constData(), 0600), 0);
        } else if (kind == QLatin1String("device")) {
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), ini));
        } else {
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("nowhere")), ini));
        }
#endif
        IniSettingsStore store(ini);
        QCOMPARE(store.Read(kSection, kValue), QString());
        QVERIFY(!store.Write(kSection, kValue, QStringLiteral("2026-12-08")));
        const QFileInfo after(ini);
        QCOMPARE(after.isDir(), kind == QLatin1String("folder"));
        QCOMPARE(after.isSymLink(),
                 kind == QLatin1String("device") || kind == QLatin1String("dangling"));
        if (kind == QLatin1String("large"))
            QCOMPARE(Slurp(ini), large);
    }

#ifdef Q_OS_UNIX
    // Dotfile managers keep the settings file elsewhere and link to it: the
    // link is followed to a regular file, that file is written, and the link
    // stays a link.
    void linkToARegularFile_data() {
        QTest::addColumn<int>("links");
        QTest::newRow("link") << 1;
        QTest::newRow("link to a link") << 2;
    }
    void linkToARegularFile() {
        QFETCH(int, links);
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("dotfiles"))));
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("config"))));
        const QString target = dir.filePath(QStringLiteral("dotfiles/Dicemere.ini"));
        const QByteArray before("[Other]\nk=v\n[Settings]\nDuration=2001-01-01\n");
        QVERIFY(Spit(target, before));
        const QString ini = dir.filePath(QStringLiteral("config/Dicemere.ini"));
        // Relative links, as dotfile managers make them.
        QString pointsAt = QStringLiteral("../dotfiles/Dicemere.ini");
        if (links == 2) {
            QVERIFY(QFile::link(pointsAt, dir.filePath(QStringLiteral("config/middle.ini"))));
            pointsAt = QStringLiteral("middle.ini");
        }
        QVERIFY(QFile::link(pointsAt, ini));
        const QStringList configBefore =
            QDir(dir.filePath(QStringLiteral("config")))
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);

        IniSettingsStore store(ini);
        QCOMPARE(store.Read(kSection, kValue), QStringLiteral("2001-01-01"));
        QVERIFY(store.Write(kSection, kValue, QStringLiteral("2026-12-08")));
        QCOMPARE(Slurp(target), QByteArray("[Other]\nk=v\n[Settings]\nDuration=2026-12-08\n"));
        QVERIFY(QFileInfo(ini).isSymLink());
        QCOMPARE(QFile::symLinkTarget(ini),
                 QDir::cleanPath(QFileInfo(ini).absoluteDir().absoluteFilePath(pointsAt)));
        QCOMPARE(
            QDir(dir.filePath(QStringLiteral("config")))
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
            configBefore);
        QCOMPARE(store.Read(kSection, kValue), QStringLiteral("2026-12-08"));
    }
#endif

#ifdef Q_OS_LINUX
    // Relative or missing homes are no homes: the XDG rules ignore a relative
    // XDG_CONFIG_HOME, and without a usable $HOME the account's own home
    // folder is asked of the system. Before, each folder the program was
    // started from got a store of its own, and with no $HOME root made one
    // at the top of the file system.
    void settingsPathIgnoresRelativeAndMissingHomes_data() {
        QTest::addColumn<QByteArray>("xdgConfigHome"); // null: unset
        QTest::addColumn<QByteArray>("home");
        QTest::addColumn<QString>("base"); // "home", "xdg" or "account"
        QTest::newRow("absolute XDG_CONFIG_HOME")
            << QByteArray("@/xdg") << QByteArray("@") << "xdg";
        QTest::newRow("relative XDG_CONFIG_HOME")
            << QByteArray("xdg/config") << QByteArray("@") << "home";
        QTest::newRow("empty XDG_CONFIG_HOME") << QByteArray("") << QByteArray("@") << "home";
        QTest::newRow("relative HOME") << QByteArray() << QByteArray("somewhere") << "account";
        QTest::newRow("empty HOME") << QByteArray() << QByteArray("") << "account";
        QTest::newRow("HOME unset") << QByteArray() << QByteArray() << "account";
        QTest::newRow("both relative") << QByteArray("xdg") << QByteArray(".") << "account";
    }
    void settingsPathIgnoresRelativeAndMissingHomes() {
        QFETCH(QByteArray, xdgConfigHome);
        QFETCH(QByteArray, home);
        QFETCH(QString, base);
        QTemporaryDir dir;
        const QByteArray root = QFile::encodeName(dir.path());
        if (!xdgConfigHome.isNull())
            xdgConfigHome.replace('@', root);
        if (!home.isNull())
            home.replace('@', root);
        const ScopedEnv setXdg("XDG_CONFIG_HOME", xdgConfigHome);
        const ScopedEnv setHome("HOME", home);
        QString expected;
        if (base == QLatin1String("xdg")) {
            expected = dir.filePath(QStringLiteral("xdg/Dicemere/Dicemere.ini"));
        } else if (base == QLatin1String("home")) {
            expected = dir.filePath(QStringLiteral(".config/Dicemere/Dicemere.ini"));
        } else {
            const passwd* account = getpwuid(geteuid());
            const QString accountHome = account ? QFile::decodeName(account->pw_dir) : QString();
            if (!accountHome.isEmpty() && QFileInfo(accountHome).isDir())
                expected =
                    QDir(accountHome).filePath(QStringLiteral(".config/Dicemere/Dicemere.ini"));
        }
        QCOMPARE(IniSettingsStore::DefaultPath(), QDir::cleanPath(expected));
        // Nor does the lock use a relative place.
        const ScopedEnv setCache("XDG_CACHE_HOME", "cache");
        for (const QString& place : QtInstanceLock::DefaultPaths())
            QVERIFY2(QDir::isAbsolutePath(place), qPrintable(place));
    }
#endif

    // A write killed at its rename leaves its temporary file beside the
    // settings; the next write that succeeds removes ours once they are old,
    // and nothing else.
    void staleTemporariesAreRemoved() {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("Dicemere.ini"));
        QVERIFY(Spit(ini, "[Settings]\nDuration=2001-01-01\n"));
        const QDateTime old = QDateTime::currentDateTimeUtc().addDays(-2);
        const QStringList stale{QStringLiteral("Dicemere.ini.Ab12Cd"),
                                QStringLiteral("Dicemere.ini.zzzzzz")};
        const QStringList kept{QStringLiteral("Dicemere.ini.bak"),     // not our pattern
                               QStringLiteral("Dicemere.ini.Ab12Cde"), // nor this
                               QStringLiteral("Dicemere.ini.Ab-2Cd"),
                               QStringLiteral("Other.ini.Ab12Cd")};
        for (const QString& name : stale + kept) {
            QVERIFY(Spit(dir.filePath(name), "x"));
            QVERIFY(Age(dir.filePath(name), old));
        }
        // One of ours that is new may be another copy's write in progress.
        const QString fresh = QStringLiteral("Dicemere.ini.Xy34Zw");
        QVERIFY(Spit(dir.filePath(fresh), "x"));
        IniSettingsStore store(ini);
        QVERIFY(store.Write(kSection, kValue, QStringLiteral("2026-12-08")));
        QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
        QStringList expected = kept + QStringList{fresh, QStringLiteral("Dicemere.ini")};
        left.sort();
        expected.sort();
        QCOMPARE(left, expected);
    }

    // The first place of the lock cannot be used: the next one is, and a
    // second copy is still refused.
    void lockFallsBackToTheNextPlace() {
        QTemporaryDir dir;
        QVERIFY(Spit(dir.filePath(QStringLiteral("plain")), "x"));
        const QStringList places{dir.filePath(QStringLiteral("plain/runtime/app.lock")),
                                 dir.filePath(QStringLiteral("app.lock"))};
        QtInstanceLock first(places);
        QCOMPARE(first.TryAcquire(), InstanceLock::Result::Acquired);
        QVERIFY(QFileInfo::exists(places[1]));
        QtInstanceLock second(places);
        QCOMPARE(second.TryAcquire(), InstanceLock::Result::HeldByAnother);
        // A copy that can use an earlier place still finds the one that fell back.
        QtInstanceLock third({dir.filePath(QStringLiteral("other.lock")), places[1]});
        QCOMPARE(third.TryAcquire(), InstanceLock::Result::HeldByAnother);
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("other.lock"))));
    }

    // Something that is no lock file in the lock's place belongs to no copy:
    // the program starts (guarded by the next place) and leaves it alone.
    void foreignThingsInTheLocksPlace_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("folder") << "folder";
#ifdef Q_OS_UNIX
        QTest::newRow("pipe") << "pipe";
        QTest::newRow("dangling link") << "dangling";
#endif
    }
    void foreignThingsInTheLocksPlace() {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString odd = dir.filePath(QStringLiteral("odd.lock"));
        if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(odd));
#ifdef Q_OS_UNIX
        else if (kind == QLatin1String("pipe"))
            QCOMPARE(mkfifo(QFile::encodeName(odd).constData(), 0600), 0);
        else
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("nowhere")), odd));
#endif
        const QString next = dir.filePath(QStringLiteral("next.lock"));
        QtInstanceLock lock({odd, next});
        QCOMPARE(lock.TryAcquire(), InstanceLock::Result::Acquired);
        QVERIFY(QFileInfo::exists(next));
        QtInstanceLock alone(odd); // no other place: unguarded, not refused
        QCOMPARE(alone.TryAcquire(), InstanceLock::Result::Unavailable);
        QCOMPARE(QFileInfo(odd).isDir(), kind == QLatin1String("folder"));
    }

    // Every place is looked at, but a free one is not written to.
    void lockPlacesTheOrderOfPreference() {
        const QStringList places = QtInstanceLock::DefaultPaths();
        QVERIFY(places.size() >= 2);
        QCOMPARE(places.first(), QtInstanceLock::DefaultPath());
        for (const QString& place : places)
            QVERIFY2(QFileInfo(place).fileName().startsWith(QStringLiteral("com.example.Dicemere")),
                     qPrintable(place));
    }
};

QTEST_GUILESS_MAIN(TestFaults)
#include "tst_faults.moc"
