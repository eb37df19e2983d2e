// SPDX-License-Identifier: MIT
// The real program started against hostile settings files and lock folders:
// it must reach its first paint (a generous bound catches a hang), show
// nothing, and keep what else the settings file holds. Linux only.
#include "Mounts.h"
#include "SettingsAndLock.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <memory>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

const QString kToday = QDate::currentDate().toString(Qt::ISODate);

struct Home {
    QTemporaryDir dir;
    QString config() const { return dir.filePath(QStringLiteral("config/Dicemere")); }
    QString ini() const { return config() + QStringLiteral("/Dicemere.ini"); }
    QString runtime() const { return dir.filePath(QStringLiteral("runtime")); }
    Home() {
        QDir().mkpath(config());
        QDir().mkpath(runtime());
        QFile::setPermissions(runtime(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    void write(const QByteArray& content) const {
        QFile f(ini());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    QByteArray read() const {
        QFile f(ini());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Starts the program; true when it painted its window. Ten seconds is far
    // beyond any start and only catches a hang.
    bool start(const QString& runtimeDir = {}) const {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), dir.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"),
                   runtimeDir.isEmpty() ? runtime() : runtimeDir);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("DICEMERE_FIRST_PAINT_PROBE"), QStringLiteral("1"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(DICEMERE_PATH), {});
        if (!p.waitForFinished(10000)) {
            p.kill();
            p.waitForFinished();
            return false;
        }
        return p.exitCode() == 0 && p.readAllStandardOutput().startsWith("first-paint ");
    }
};

QByteArray OtherKeys(int count) {
    QByteArray text = "[Other]\n";
    for (int i = 0; i < count; ++i)
        text += "key" + QByteArray::number(i) + "=value " + QByteArray::number(i) + "\n";
    return text;
}

} // namespace

class TestHostile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void settingsFiles_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("storesToday"); // else the file must stay exactly as it was
        const QByteArray recent = "[Settings]\nDuration=" + kToday.toLatin1() + "\n";
        QByteArray garbage(4096, '\0');
        QRandomGenerator random(20261208); // the same garbage every run
        for (char& c : garbage)
            c = static_cast<char>(random.bounded(256));
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("recent date") << recent + OtherKeys(3) << false;
        QTest::newRow("other keys, no date") << OtherKeys(3) + "; a comment\n" << true;
        QTest::newRow("corrupt") << QByteArray("[Settings\nDuration\n=\n[[x]]]\nkey=\"unterminated")
                                 << true;
        QTest::newRow("binary garbage") << garbage << true;
        QTest::newRow("700 KB, no date") << OtherKeys(30000) << true;
        // Far beyond any file of this program's (1 MiB): not read, left alone.
        QTest::newRow("10 MB, recent date") << recent + OtherKeys(400000) << false;
        QTest::newRow("10 MB, no date") << OtherKeys(400000) << false;
    }
    void settingsFiles() {
        QFETCH(QByteArray, content);
        QFETCH(bool, storesToday);
        Home home;
        home.write(content);
        QVERIFY(home.start());
        const QByteArray after = home.read();
        if (!storesToday) {
            QCOMPARE(after, content);
        } else {
            // Every byte that was there is still there; the date follows it.
            const QByteArray kept =
                content.isEmpty() || content.endsWith('\n') ? content : content + '\n';
            QCOMPARE(after.left(kept.size()), kept);
            QCOMPARE(after.mid(kept.size()), "[Settings]\nDuration=" + kToday.toLatin1() + "\n");
        }
        // The reminder keeps its rules: a second start the same day finds the
        // date, asks nothing and writes nothing.
        QVERIFY(home.start());
        QCOMPARE(home.read(), after);
    }

    void missingStore() {
        Home home;
        QVERIFY(!QFile::exists(home.ini()));
        QVERIFY(home.start());
        QCOMPARE(QSettings(home.ini(), QSettings::IniFormat)
                     .value(QStringLiteral("Settings/Duration"))
                     .toString(),
                 kToday);
    }

    void unreadableOrUnwritableStore_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("file is a folder") << "folder";
        QTest::newRow("folder is a file") << "file";
        QTest::newRow("no permissions") << "mode";
    }
    void unreadableOrUnwritableStore() {
        QFETCH(QString, kind);
        Home home;
        if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(home.ini()));
        } else if (kind == QLatin1String("file")) {
            QDir(home.config()).removeRecursively();
            QFile f(home.config());
            QVERIFY(f.open(QIODevice::WriteOnly));
        } else {
            if (geteuid() == 0)
                QSKIP("root reads and writes any file");
            home.write("[Settings]\nDuration=2020-01-01\n");
            QFile::setPermissions(home.ini(), {});
        }
        QVERIFY(home.start());
    }

    void leftoverSettingsLock() {
        Home home;
        home.write(OtherKeys(2));
        // A lock that a killed copy left behind while writing.
        QProcess dead;
        dead.start(QStringLiteral("true"), {});
        dead.waitForFinished();
        QFile lock(home.ini() + QStringLiteral(".lock"));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(dead.processId()) + "\ndicemere\n" +
                   QSysInfo::machineHostName().toUtf8() + "\n");
        lock.close();
        QVERIFY(home.start());
        QSettings after(home.ini(), QSettings::IniFormat);
        QCOMPARE(after.value(QStringLiteral("Settings/Duration")).toString(), kToday);
        QCOMPARE(after.value(QStringLiteral("Other/key1")).toString(), QStringLiteral("value 1"));
    }

    void lockFolderMissingOrUnusable_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << "missing";
        QTest::newRow("is a file") << "file";
    }
    void lockFolderMissingOrUnusable() {
        QFETCH(QString, kind);
        Home home;
        QString runtime = home.dir.filePath(QStringLiteral("gone/runtime"));
        if (kind == QLatin1String("file")) {
            QFile f(home.dir.filePath(QStringLiteral("plain")));
            QVERIFY(f.open(QIODevice::WriteOnly));
            runtime = f.fileName() + QStringLiteral("/runtime");
        }
        QVERIFY(home.start(runtime));
    }

    void lockNamingAnUnrelatedProcess() {
        Home home;
        QProcess sleeper;
        sleeper.start(QStringLiteral("sleep"), {QStringLiteral("30")});
        QVERIFY(sleeper.waitForStarted());
        QFile lock(QDir(home.runtime()).filePath(QStringLiteral("com.example.Dicemere.lock")));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(sleeper.processId()) + "\n" + DICEMERE_PATH + "\n" +
                   QSysInfo::machineHostName().toUtf8() + "\n");
        lock.close();
        QVERIFY(home.start()); // the sleeping process is not a copy of ours
        sleeper.kill();
        sleeper.waitForFinished();
    }

    // Odd things in the settings file's place: the program starts, asks
    // nothing, and leaves them as they are. Before, a pipe hung the start for
    // ever, a link to /dev/full grew memory until the process died, and a
    // sparse 1 GiB file took minutes and was written back whole.
    void foreignSettingsFiles_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("pipe") << "pipe";
        QTest::newRow("link to /dev/full") << "device";
        QTest::newRow("sparse 1 GiB file") << "sparse";
    }
    void foreignSettingsFiles() {
        QFETCH(QString, kind);
        Home home;
        const QByteArray ini = QFile::encodeName(home.ini());
        if (kind == QLatin1String("pipe")) {
            QCOMPARE(mkfifo(ini.constData(), 0600), 0);
        } else if (kind == QLatin1String("device")) {
            QVERIFY(QFile::link(QStringLiteral("/dev/full"), home.ini()));
        } else {
            QFile f(home.ini());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("[Settings]\nDuration=2001-01-01\n");
            QVERIFY(f.resize(qint64(1) << 30));
        }
        QVERIFY(home.start());
        struct stat after;
        QCOMPARE(lstat(ini.constData(), &after), 0);
        if (kind == QLatin1String("pipe"))
            QVERIFY(S_ISFIFO(after.st_mode));
        else if (kind == QLatin1String("device"))
            QVERIFY(S_ISLNK(after.st_mode));
        else // still 1 GiB, and still sparse: nothing was written into it
            QVERIFY(after.st_size == (qint64(1) << 30) && after.st_blocks < 64);
    }

    // A store that cannot be written and a date 15 days old: before, the
    // question came at every start (and here, offscreen, waited for ever).
    void readOnlyStoreAsksNothing() {
        Home home;
        home.write("[Settings]\nDuration=2001-01-01\n");
        dicemere::test::Mounts mounts;
        if (geteuid() == 0) {
            const QByteArray content = home.read();
            QDir(home.config()).removeRecursively();
            if (!mounts.Tmpfs(home.config(), QStringLiteral("64k")))
                QSKIP("cannot mount a small tmpfs here");
            home.write(content);
            QVERIFY(mounts.RemountReadOnly(home.config()));
        } else {
            QFile::setPermissions(home.ini(), QFile::ReadOwner);
            QFile::setPermissions(home.config(), QFile::ReadOwner | QFile::ExeOwner);
        }
        QVERIFY(home.start());
        QCOMPARE(home.read(), QByteArray("[Settings]\nDuration=2001-01-01\n"));
        if (geteuid() != 0)
            QFile::setPermissions(home.config(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // Odd things at the lock's path: a refusal must be true, and nothing hangs.
    void foreignLockFiles_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("pipe") << "pipe";
        QTest::newRow("folder") << "folder";
        QTest::newRow("dangling link") << "dangling";
    }
    void foreignLockFiles() {
        QFETCH(QString, kind);
        Home home;
        const QString lock =
            QDir(home.runtime()).filePath(QStringLiteral("com.example.Dicemere.lock"));
        if (kind == QLatin1String("pipe"))
            QCOMPARE(mkfifo(QFile::encodeName(lock).constData(), 0600), 0);
        else if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(lock));
        else
            QVERIFY(QFile::link(home.dir.filePath(QStringLiteral("nowhere")), lock));
        QVERIFY(home.start());
        QVERIFY(home.start());
    }

    // The runtime folder cannot hold the lock: the next place does, and a
    // second copy is still refused (before, the guard switched itself off).
    void lockFallsBackWhenTheRuntimeFolderFails() {
        Home home;
        QFile plain(home.dir.filePath(QStringLiteral("plain")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.dir.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.dir.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), home.dir.filePath(QStringLiteral("cache")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), plain.fileName() + QStringLiteral("/run"));
        QProcess owner;
        owner.setProcessEnvironment(env);
        owner.start(QStringLiteral(LOCKPROBE_PATH), {});
        QVERIFY(owner.waitForReadyRead(10000));
        QCOMPARE(owner.readLine().trimmed(), QByteArray("owner"));
        QProcess second;
        second.setProcessEnvironment(env);
        second.start(QStringLiteral(LOCKPROBE_PATH), {});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.readAllStandardOutput().trimmed(), QByteArray("busy"));
        owner.closeWriteChannel(); // the owner leaves
        QVERIFY(owner.waitForFinished(10000));
    }

    void secondCopyLeavesTheStoreAlone() {
        Home home;
        home.write("[Settings]\nDuration=2001-01-01\n");
        QFile::setPermissions(home.ini(), QFile::ReadOwner | QFile::WriteOwner);
        dicemere::QtInstanceLock held(
            QDir(home.runtime()).filePath(QStringLiteral("com.example.Dicemere.lock")));
        QCOMPARE(held.TryAcquire(), dicemere::InstanceLock::Result::Acquired);
        // The second copy waits on its message; it must not have read or
        // written the store by then.
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.dir.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.dir.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.runtime());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p.setProcessEnvironment(env);
        // strace and the program it traces run in a session of their own, so
        // that the whole group can be ended: killing strace alone would leave
        // the program waiting on its message for ever.
        p.setChildProcessModifier([] { setsid(); });
        p.start(QStringLiteral("strace"),
                {QStringLiteral("-f"), QStringLiteral("-e"), QStringLiteral("trace=openat"),
                 QStringLiteral("-o"), home.dir.filePath(QStringLiteral("trace")),
                 QStringLiteral(DICEMERE_PATH)});
        if (!p.waitForStarted())
            QSKIP("no strace");
        const auto group = static_cast<pid_t>(p.processId());
        // The copy has looked at the lock and then laid out its message, which
        // loads the message's font: by then it has done all it does before waiting.
        QFile trace(home.dir.filePath(QStringLiteral("trace")));
        const auto messageShown = [&] {
            if (!trace.open(QIODevice::ReadOnly))
                return false;
            const QByteArray calls = trace.readAll();
            trace.close();
            const qsizetype lock = calls.indexOf("com.example.Dicemere.lock");
            return lock >= 0 && calls.indexOf(".ttf", lock) > lock;
        };
        QTRY_VERIFY_WITH_TIMEOUT(messageShown(), 10000);
        ::kill(-group, SIGKILL);
        p.waitForFinished();
        QVERIFY(trace.open(QIODevice::ReadOnly));
        const QByteArray calls = trace.readAll();
        QVERIFY(calls.contains("com.example.Dicemere.lock"));
        QVERIFY2(!calls.contains("Dicemere.ini"), "the second copy opened the settings store");
        QCOMPARE(home.read(), QByteArray("[Settings]\nDuration=2001-01-01\n"));
    }
};

QTEST_GUILESS_MAIN(TestHostile)
#include "tst_hostile.moc"
