// SPDX-License-Identifier: MIT
// The real program started against hostile settings files and lock folders:
// it must reach its first paint (a generous bound catches a hang), show
// nothing, and keep what else the settings file holds. Linux only.
#include "IniEntries.h"
#include "Mounts.h"
#include "SettingsAndLock.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QMap>
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

// The lock's file name; the same in each of its places.
QString LockName() { return QFileInfo(dicemere::QtInstanceLock::DefaultPath()).fileName(); }

// Kills a process group when it goes, whatever way the test ends.
struct GroupKiller {
    pid_t group = 0;
    GroupKiller() = default;
    GroupKiller(const GroupKiller&) = delete;
    GroupKiller& operator=(const GroupKiller&) = delete;
    ~GroupKiller() {
        if (group > 0)
            ::kill(-group, SIGKILL);
    }
};

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
    // The program's surroundings: everything of the user's inside this folder.
    QProcessEnvironment env(const QString& runtimeDir = {}) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), dir.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        env.remove(QStringLiteral("XDG_CACHE_HOME"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"),
                   runtimeDir.isEmpty() ? runtime() : runtimeDir);
        env.insert(QStringLiteral("TMPDIR"), dir.path()); // nothing in the real /tmp
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("DICEMERE_FIRST_PAINT_PROBE"), QStringLiteral("1"));
        return env;
    }
    // Starts the program; true when it painted its window. Ten seconds is far
    // beyond any start and only catches a hang.
    bool start(const QString& runtimeDir = {}) const {
        QProcess p;
        p.setProcessEnvironment(env(runtimeDir));
        p.start(QStringLiteral(DICEMERE_PATH), {});
        if (!p.waitForFinished(10000)) {
            p.kill();
            p.waitForFinished();
            return false;
        }
        return p.exitCode() == 0 && p.readAllStandardOutput().startsWith("first-paint ");
    }
};

QByteArray Slurp(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool Spit(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

struct Run {
    bool finished = false; // ended by itself (not killed, no hang)
    int exitCode = -1;
    QByteArray out;
};

// Runs a program, under strace when given its options, in a session of its
// own so that everything it started can be ended. Ten seconds only catch a hang.
Run RunProgram(const QString& program, const QStringList& args, const QStringList& strace = {},
               const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
               const QString& workingDir = {}) {
    QProcess p;
    QProcessEnvironment environment = env;
    if (!strace.isEmpty()) {
        // LeakSanitizer cannot work under ptrace and fails the program at its
        // end (sanitizer builds only; other builds ignore the variable).
        const QString asan = environment.value(QStringLiteral("ASAN_OPTIONS"));
        environment.insert(QStringLiteral("ASAN_OPTIONS"),
                           asan + (asan.isEmpty() ? "" : ":") + QStringLiteral("detect_leaks=0"));
    }
    p.setProcessEnvironment(environment);
    if (!workingDir.isEmpty())
        p.setWorkingDirectory(workingDir);
    p.setChildProcessModifier([] { setsid(); });
    if (strace.isEmpty())
        p.start(program, args);
    else
        p.start(QStringLiteral("strace"), strace + QStringList{program} + args);
    Run run;
    if (!p.waitForStarted())
        return run;
    const auto group = static_cast<pid_t>(p.processId());
    if (!p.waitForFinished(10000)) {
        ::kill(-group, SIGKILL);
        p.waitForFinished();
        return run;
    }
    run.finished = p.exitStatus() == QProcess::NormalExit;
    run.exitCode = p.exitCode();
    run.out = p.readAllStandardOutput();
    return run;
}

bool HaveStrace() {
    QProcess p;
    p.start(QStringLiteral("strace"), {QStringLiteral("-V")});
    return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// Writes the date once, as the program does, into the given settings file.
Run StoreProbe(const QString& ini, const QStringList& strace = {}) {
    return RunProgram(QStringLiteral(STOREPROBE_PATH), {ini, QStringLiteral("2026-12-08")}, strace);
}

// A settings file that may be written in a folder where nothing can be made,
// so that it has to be changed inside itself. As root, permissions do not
// stop anything: the folder is a read-only mount with the file bound into it
// from another one.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QByteArray& content) {
        const QString folder = dir.filePath(QStringLiteral("config"));
        ini = folder + QStringLiteral("/Dicemere.ini");
        if (geteuid() == 0) {
            const QString other = dir.filePath(QStringLiteral("other"));
            ready = mounts.Tmpfs(folder, QStringLiteral("64k")) &&
                    mounts.Tmpfs(other, QStringLiteral("64k")) && Spit(ini, QByteArray()) &&
                    Spit(other + QStringLiteral("/real.ini"), content) &&
                    mounts.Bind(other + QStringLiteral("/real.ini"), ini) &&
                    mounts.RemountReadOnly(folder);
        } else {
            ready = QDir().mkpath(folder) && Spit(ini, content) &&
                    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
            folder_ = folder;
        }
        ready = ready && !QFile(folder + QStringLiteral("/probe")).open(QIODevice::WriteOnly);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
    ~ReadOnlyFolder() {
        if (!folder_.isEmpty())
            QFile::setPermissions(folder_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QTemporaryDir dir;
    dicemere::test::Mounts mounts;
    QString ini;
    bool ready = false;

private:
    QString folder_;
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
        QFile lock(QDir(home.runtime()).filePath(LockName()));
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

    // The settings file is a link into a dotfile manager's folder: the
    // program stores the date in the file the link names, and the link stays.
    // Before, the link was taken for no store: nothing was ever stored.
    void settingsFileIsALink() {
        Home home;
        const QString dotfiles = home.dir.filePath(QStringLiteral("dotfiles"));
        QVERIFY(QDir().mkpath(dotfiles));
        const QString target = dotfiles + QStringLiteral("/Dicemere.ini");
        QVERIFY(Spit(target, OtherKeys(2)));
        QVERIFY(QFile::link(QStringLiteral("../../dotfiles/Dicemere.ini"), home.ini()));
        QVERIFY(home.start());
        QVERIFY(QFileInfo(home.ini()).isSymLink());
        const QByteArray stored = OtherKeys(2) + "[Settings]\nDuration=" + kToday.toLatin1() + "\n";
        QCOMPARE(Slurp(target), stored);
        QVERIFY(home.start()); // the same day: nothing asked, nothing written
        QCOMPARE(Slurp(target), stored);
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
        const QString lock = QDir(home.runtime()).filePath(LockName());
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

    // A change made inside the file (its folder is read-only), killed at
    // each of its writes, truncations and syncs: the file always reads as all
    // of the old or all of the new. Before, a kill between the write and the
    // truncation left the new text followed by the old tail.
    void killDuringAnInPlaceChange() {
        if (!HaveStrace())
            QSKIP("no strace");
        // The old line is longer than the new one, so the file has to shrink.
        const QByteArray before("[Settings]\nDuration=2001-01-01            \n[Other]\n"
                                "key1=value 1\nkey2=value 2\n");
        QByteArray after = before;
        after.replace("2001-01-01", "2026-12-08");
        ReadOnlyFolder store(before);
        if (!store.ready)
            QSKIP("cannot make a read-only folder here");
        const auto old = dicemere::test::IniEntries(before);
        const auto changed = dicemere::test::IniEntries(after);
        int kills = 0;
        for (const char* call : {"write", "pwrite64", "ftruncate", "fsync", "fdatasync"}) {
            for (int nth = 1; nth <= 4; ++nth) {
                QVERIFY(Spit(store.ini, before));
                const QString at =
                    QStringLiteral("%1:signal=KILL:when=%2").arg(QLatin1String(call)).arg(nth);
                const Run run = StoreProbe(
                    store.ini, {QStringLiteral("-f"), QStringLiteral("-qq"), QStringLiteral("-o"),
                                QStringLiteral("/dev/null"), QStringLiteral("-P"), store.ini,
                                QStringLiteral("-e"), QStringLiteral("trace=") + call,
                                QStringLiteral("-e"), QStringLiteral("inject=") + at});
                const QByteArray file = Slurp(store.ini);
                const auto says = dicemere::test::IniEntries(file);
                const QString where = QStringLiteral("killed at %1: ").arg(at);
                QVERIFY2(says == old || says == changed,
                         qPrintable(where + QString::fromUtf8(file)));
                if (run.finished) { // the call did not come that often: done
                    QCOMPARE(run.out.trimmed(), QByteArray("written"));
                    QVERIFY2(says == changed, qPrintable(where + QString::fromUtf8(file)));
                } else {
                    ++kills;
                }
            }
        }
        QVERIFY(kills >= 4);
        // Left alone it ends as the new text, padded to the old length.
        QVERIFY(Spit(store.ini, before));
        QCOMPARE(StoreProbe(store.ini).out.trimmed(), QByteArray("written"));
        QCOMPARE(Slurp(store.ini), after);
    }

    // What is written is on the disk when the write returns: the new file
    // and then its folder, whose entry the rename changed, or the file
    // changed inside itself. Before, neither the folder nor the file changed
    // in place was synced.
    void writesAreSynced_data() {
        QTest::addColumn<bool>("inPlace");
        QTest::newRow("replaced") << false;
        QTest::newRow("changed inside itself") << true;
    }
    void writesAreSynced() {
        QFETCH(bool, inPlace);
        if (!HaveStrace())
            QSKIP("no strace");
        const QByteArray before("[Settings]\nDuration=2001-01-01\n");
        std::unique_ptr<ReadOnlyFolder> readOnly;
        QTemporaryDir dir;
        QString ini = dir.filePath(QStringLiteral("Dicemere.ini"));
        if (inPlace) {
            readOnly = std::make_unique<ReadOnlyFolder>(before);
            if (!readOnly->ready)
                QSKIP("cannot make a read-only folder here");
            ini = readOnly->ini;
        } else {
            QVERIFY(Spit(ini, before));
        }
        const QString trace = dir.filePath(QStringLiteral("trace"));
        const Run run = StoreProbe(
            ini,
            {QStringLiteral("-f"), QStringLiteral("-qq"), QStringLiteral("-y"),
             QStringLiteral("-o"), trace, QStringLiteral("-e"),
             QStringLiteral("trace=write,pwrite64,rename,renameat,renameat2,fsync,fdatasync")});
        QVERIFY(run.finished);
        QCOMPARE(run.out.trimmed(), QByteArray("written"));
        const QByteArray calls = Slurp(trace);
        const QByteArray folder = QFile::encodeName(QFileInfo(ini).absolutePath());
        qsizetype last = -1; // the last change of the file
        qsizetype synced = -1;
        const QList<QByteArray> lines = calls.split('\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QByteArray& line = lines[i];
            const bool sync = line.contains("fsync(") || line.contains("fdatasync(");
            if (inPlace) {
                const QByteArray file = '<' + QFile::encodeName(ini) + '>';
                if (line.contains("write(") && line.contains(file))
                    last = i;
                if (sync && line.contains(file))
                    synced = i;
            } else {
                if (line.contains("rename") && line.contains("Dicemere.ini"))
                    last = i;
                if (sync && line.contains('<' + folder + '>'))
                    synced = i;
            }
        }
        QVERIFY2(last >= 0, calls.constData());
        QVERIFY2(synced > last, calls.constData());
        QCOMPARE(dicemere::test::IniEntries(Slurp(ini)).value(QStringLiteral("Settings/Duration")),
                 QStringLiteral("2026-12-08"));
    }

    // A write killed at its rename leaves its temporary file; the next write
    // that succeeds removes it once it is old (here: made to look two days
    // old). Before, it stayed for good.
    void noTemporaryFileLeftForGood() {
        if (!HaveStrace())
            QSKIP("no strace");
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("Dicemere.ini"));
        const QByteArray before("[Settings]\nDuration=2001-01-01\n");
        QVERIFY(Spit(ini, before));
        const Run killed = StoreProbe(
            ini, {QStringLiteral("-f"), QStringLiteral("-qq"), QStringLiteral("-o"),
                  QStringLiteral("/dev/null"), QStringLiteral("-e"),
                  QStringLiteral("trace=rename,renameat,renameat2"), QStringLiteral("-e"),
                  QStringLiteral("inject=rename,renameat,renameat2:signal=KILL")});
        QVERIFY(!killed.finished);
        QCOMPARE(Slurp(ini), before);
        const QStringList left =
            QDir(dir.path()).entryList({QStringLiteral("Dicemere.ini.*")}, QDir::Files);
        QCOMPARE(left.size(), 1);
        QFile leftover(dir.filePath(left.first()));
        QVERIFY(leftover.open(QIODevice::ReadWrite));
        QVERIFY(leftover.setFileTime(QDateTime::currentDateTimeUtc().addDays(-2),
                                     QFileDevice::FileModificationTime));
        leftover.close();
        QCOMPARE(StoreProbe(ini).out.trimmed(), QByteArray("written"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("Dicemere.ini")});
    }

    // A relative $HOME or $XDG_CONFIG_HOME names no place: the program makes
    // no store in the folder it was started from. Before, every folder it was
    // started from got a store of its own. As an account without a home in
    // the user database (a made-up user id), so that nothing of the real
    // account's home is touched.
    void relativeHomesMakeNoStoreHere_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("relative HOME") << "home";
        QTest::newRow("relative XDG_CONFIG_HOME") << "xdg";
    }
    void relativeHomesMakeNoStoreHere() {
        QFETCH(QString, kind);
        if (geteuid() != 0)
            QSKIP("needs root, to run as another account");
        QTemporaryDir dir;
        const QString uid = QStringLiteral("54321");
        const QString here = dir.filePath(QStringLiteral("here"));
        const QString home = dir.filePath(QStringLiteral("home"));
        const QString runtime = dir.filePath(QStringLiteral("runtime"));
        for (const QString& folder : {here, home, runtime}) {
            QVERIFY(QDir().mkpath(folder));
            QCOMPARE(::chown(QFile::encodeName(folder).constData(), 54321, 54321), 0);
        }
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ReadOther | QFile::ExeOther);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("XDG_CONFIG_HOME"));
        env.remove(QStringLiteral("XDG_CACHE_HOME"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        env.insert(QStringLiteral("TMPDIR"), runtime);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("DICEMERE_FIRST_PAINT_PROBE"), QStringLiteral("1"));
        if (kind == QLatin1String("home")) {
            env.insert(QStringLiteral("HOME"), QStringLiteral("relative/home"));
        } else {
            env.insert(QStringLiteral("HOME"), home);
            env.insert(QStringLiteral("XDG_CONFIG_HOME"), QStringLiteral("relative/config"));
        }
        const Run run =
            RunProgram(QStringLiteral("setpriv"),
                       {QStringLiteral("--reuid=") + uid, QStringLiteral("--regid=") + uid,
                        QStringLiteral("--clear-groups"), QStringLiteral(DICEMERE_PATH)},
                       {}, env, here);
        QVERIFY(run.finished);
        QVERIFY2(run.out.startsWith("first-paint "), run.out.constData());
        QCOMPARE(QDir(here).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList());
        if (kind == QLatin1String("xdg"))
            QVERIFY(QFile::exists(home + QStringLiteral("/.config/Dicemere/Dicemere.ini")));
    }

    // Another account makes an empty file with the lock's name, in folders of
    // its own that anyone may write, wherever in the shared temporary folder
    // (sticky, like /tmp) the lock could be. Before, every start said
    // "Application is already running" for good, with or without $USER.
    void anotherAccountCannotLockYouOut_data() {
        QTest::addColumn<bool>("userSet");
        QTest::newRow("USER set") << true;
        QTest::newRow("USER unset") << false;
    }
    void anotherAccountCannotLockYouOut() {
        QFETCH(bool, userSet);
        if (geteuid() != 0)
            QSKIP("needs root, to act as a second account");
        QTemporaryDir dir;
        const QString shared = dir.filePath(QStringLiteral("shared"));
        const QString home = dir.filePath(QStringLiteral("home"));
        const QString runtime = dir.filePath(QStringLiteral("runtime"));
        for (const QString& folder : {shared, home, runtime})
            QVERIFY(QDir().mkpath(folder));
        QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
        QCOMPARE(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
        QCOMPARE(::chmod(QFile::encodeName(runtime).constData(), 0700), 0);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home);
        env.remove(QStringLiteral("XDG_CONFIG_HOME"));
        env.remove(QStringLiteral("XDG_CACHE_HOME"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        env.insert(QStringLiteral("TMPDIR"), shared);
        if (userSet)
            env.insert(QStringLiteral("USER"), QStringLiteral("root"));
        else
            env.remove(QStringLiteral("USER"));
        // The lock's places as the program works them out there.
        QStringList places;
        {
            QMap<QByteArray, QByteArray> saved;
            const QList<QByteArray> names{
                "HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR", "TMPDIR", "USER"};
            for (const QByteArray& name : names) {
                saved[name] = qgetenv(name.constData());
                const QString value = env.value(QString::fromLatin1(name));
                if (value.isEmpty())
                    qunsetenv(name.constData());
                else
                    qputenv(name.constData(), QFile::encodeName(value));
            }
            places = dicemere::QtInstanceLock::DefaultPaths();
            for (const QByteArray& name : names) {
                if (saved[name].isEmpty())
                    qunsetenv(name.constData());
                else
                    qputenv(name.constData(), saved[name]);
            }
        }
        QStringList planted{QDir(shared).filePath(LockName())};
        for (const QString& place : places)
            if (place.startsWith(shared + QLatin1Char('/')))
                planted << place;
        QVERIFY2(planted.size() > 1, qPrintable(places.join(QLatin1Char(' '))));
        for (const QString& file : planted) {
            const Run made = RunProgram(
                QStringLiteral("setpriv"),
                {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                 QStringLiteral("--clear-groups"), QStringLiteral("sh"), QStringLiteral("-c"),
                 QStringLiteral("umask 0 && mkdir -p \"$(dirname \"$0\")\" && : > \"$0\""), file});
            QVERIFY2(made.finished && made.exitCode == 0, qPrintable(file));
            QCOMPARE(QFileInfo(file).ownerId(), 65534u);
        }
        QProcess owner;
        owner.setProcessEnvironment(env);
        owner.start(QStringLiteral(LOCKPROBE_PATH), {});
        QVERIFY(owner.waitForReadyRead(10000));
        QCOMPARE(owner.readLine().trimmed(), QByteArray("owner"));
        // A copy of the user's own is alive: the refusal is true.
        QProcess second;
        second.setProcessEnvironment(env);
        second.start(QStringLiteral(LOCKPROBE_PATH), {});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.readAllStandardOutput().trimmed(), QByteArray("busy"));
        owner.closeWriteChannel();
        QVERIFY(owner.waitForFinished(10000));
        // And the program itself starts.
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("DICEMERE_FIRST_PAINT_PROBE"), QStringLiteral("1"));
        const Run program = RunProgram(QStringLiteral(DICEMERE_PATH), {}, {}, env);
        QVERIFY(program.finished);
        QVERIFY2(program.out.startsWith("first-paint "), program.out.constData());
        // The other account's files are left alone.
        for (const QString& file : planted)
            QVERIFY(QFileInfo(file).isFile());
    }

    // With a file-size limit of 0 every write that would grow a file fails.
    // Before, the lock's write raised SIGXFSZ: the program died at start with
    // no window, and its empty lock refused the next starts for about 30 s.
    void fileSizeLimitDoesNotKill() {
        Home home;
        const Run limited =
            RunProgram(QStringLiteral("sh"),
                       {QStringLiteral("-c"), QStringLiteral("ulimit -f 0 && exec \"$0\""),
                        QStringLiteral(DICEMERE_PATH)},
                       {}, home.env());
        QVERIFY(limited.finished);
        QVERIFY2(limited.out.startsWith("first-paint "), limited.out.constData());
        QVERIFY(home.start());
    }

    // A copy killed while it takes the lock: the next start is not refused.
    // Before, a kill at the lock's write left an empty lock that refused the
    // next starts for about 30 s.
    void killedWhileTakingTheLock_data() {
        QTest::addColumn<QString>("call");
        QTest::newRow("at the lock's write") << "write";
        QTest::newRow("at the lock's flock") << "flock";
    }
    void killedWhileTakingTheLock() {
        QFETCH(QString, call);
        if (!HaveStrace())
            QSKIP("no strace");
        Home home;
        const QString lock = QDir(home.runtime()).filePath(LockName());
        RunProgram(QStringLiteral(DICEMERE_PATH), {},
                   {QStringLiteral("-f"), QStringLiteral("-qq"), QStringLiteral("-o"),
                    QStringLiteral("/dev/null"), QStringLiteral("-P"), lock, QStringLiteral("-e"),
                    QStringLiteral("trace=") + call, QStringLiteral("-e"),
                    QStringLiteral("inject=") + call + QStringLiteral(":signal=KILL")},
                   home.env());
        QVERIFY(home.start());
        QVERIFY(home.start());
    }

    void secondCopyLeavesTheStoreAlone() {
        Home home;
        home.write("[Settings]\nDuration=2001-01-01\n");
        QFile::setPermissions(home.ini(), QFile::ReadOwner | QFile::WriteOwner);
        dicemere::QtInstanceLock held(QDir(home.runtime()).filePath(LockName()));
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
        GroupKiller killer;
        killer.group = static_cast<pid_t>(p.processId());
        const pid_t group = killer.group;
        // The copy has looked at the lock and then laid out its message, which
        // loads the message's font: by then it has done all it does before waiting.
        QFile trace(home.dir.filePath(QStringLiteral("trace")));
        const auto messageShown = [&] {
            if (!trace.open(QIODevice::ReadOnly))
                return false;
            const QByteArray calls = trace.readAll();
            trace.close();
            const qsizetype lock = calls.indexOf(LockName().toUtf8());
            return lock >= 0 && calls.indexOf(".ttf", lock) > lock;
        };
        QTRY_VERIFY_WITH_TIMEOUT(messageShown(), 10000);
        ::kill(-group, SIGKILL);
        p.waitForFinished();
        QVERIFY(trace.open(QIODevice::ReadOnly));
        const QByteArray calls = trace.readAll();
        QVERIFY(calls.contains(LockName().toUtf8()));
        QVERIFY2(!calls.contains("Dicemere.ini"), "the second copy opened the settings store");
        QCOMPARE(home.read(), QByteArray("[Settings]\nDuration=2001-01-01\n"));
    }
};

QTEST_GUILESS_MAIN(TestHostile)
#include "tst_hostile.moc"
