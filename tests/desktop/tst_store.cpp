// SPDX-License-Identifier: MIT
// The settings store: its INI text, and the store itself against hostile,
// broken and unlucky files, through the class and through the real program,
// which must reach its first paint (a question would hang it offscreen) and
// keep every byte it does not own. The program's cases are Linux only, and
// run as root: each start gets a /run of its own, and a second account.
#include "SettingsAndLock.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#ifdef Q_OS_LINUX
#include "../support/Doubles.h"
#include "../support/IniEntries.h"
#include "../support/Mounts.h"
#include "../support/Processes.h"
#include "UpdateReminder.h"

#include <QRandomGenerator>
#include <QScopeGuard>
#endif

using namespace dicemere;

namespace {

const QString kSection = QStringLiteral("Settings");
const QString kValue = QStringLiteral("Duration");
const QString kDate = QStringLiteral("2026-12-08");

#ifdef Q_OS_LINUX
using namespace dicemere::test;
const QByteArray kOld = "[Settings]\nDuration=2001-01-01\n";

QByteArray OtherKeys(int count) {
    QByteArray text = "[Other]\n";
    for (int i = 0; i < count; ++i)
        text += "key" + QByteArray::number(i) + "=value " + QByteArray::number(i) + "\n";
    return text;
}

QByteArray Garbage() {
    QByteArray garbage(4096, '\0');
    QRandomGenerator random(20261208); // the same garbage every run
    for (char& c : garbage)
        c = static_cast<char>(random.bounded(256));
    return garbage;
}

bool Own(const QString& path, uid_t uid) {
    return ::lchown(QFile::encodeName(path).constData(), uid, uid) == 0;
}

// Everything under a folder, links not followed, named as the system names
// it (QDir would re-encode a name that is not UTF-8).
QList<QByteArray> Tree(const QString& folder) {
    QList<QByteArray> names = RunProgram(QStringLiteral("find"),
                                         {folder, QStringLiteral("-mindepth"), QStringLiteral("1"),
                                          QStringLiteral("-printf"), QStringLiteral("%P\\n")})
                                  .out.split('\n');
    names.removeAll(QByteArray());
    std::sort(names.begin(), names.end());
    return names;
}

// A home in a temporary folder: <dir>/config/Dicemere/Dicemere.ini.
struct Home {
    QTemporaryDir dir;
    Mounts mounts;
    QString config() const { return dir.filePath(QStringLiteral("config/Dicemere")); }
    QString ini() const { return config() + QStringLiteral("/Dicemere.ini"); }
    QProcessEnvironment env() const {
        QProcessEnvironment env = ProgramEnvironment();
        env.insert(QStringLiteral("HOME"), dir.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), QStringLiteral("/run/user/0"));
        env.insert(QStringLiteral("TMPDIR"), dir.path());
        return env;
    }
    // Starts the real program with its own /run; true when it painted.
    bool start() const {
        const Run run =
            Isolated(QStringLiteral("exec \"$1\""), {QStringLiteral(DICEMERE_PATH)}, env());
        return run.finished && run.exitCode == 0 && run.out.startsWith("first-paint ");
    }

    // Lays out a case in the store's place; returns the file that holds the
    // settings (a link's target), or empty when the case cannot be made here.
    QString Plant(const QString& kind, const QByteArray& content) {
        const QString ini = this->ini();
        QDir().mkpath(config());
        const auto file = [&](const QString& path) {
            return Spit(path, content) ? path : QString();
        };
        if (kind == QLatin1String("file"))
            return file(ini);
        if (kind == QLatin1String("missing"))
            return QDir(dir.filePath(QStringLiteral("config"))).removeRecursively() ? ini
                                                                                    : QString();
        if (kind == QLatin1String("folder"))
            return QDir().mkpath(ini) ? ini : QString();
        if (kind == QLatin1String("folder is a file"))
            return QDir(config()).removeRecursively() ? file(config()) : QString();
        if (kind == QLatin1String("pipe"))
            return ::mkfifo(QFile::encodeName(ini).constData(), 0600) == 0 ? ini : QString();
        if (kind == QLatin1String("device"))
            return QFile::link(QStringLiteral("/dev/full"), ini) ? ini : QString();
        if (kind == QLatin1String("dangling"))
            return QFile::link(dir.filePath(QStringLiteral("nowhere")), ini) ? ini : QString();
        if (kind == QLatin1String("sparse")) {
            QFile f(ini);
            return f.open(QIODevice::WriteOnly) && f.write(content) && f.resize(qint64(1) << 30)
                       ? ini
                       : QString();
        }
        if (kind.startsWith(QLatin1String("link"))) { // relative, as dotfile managers make them
            const QString target = dir.filePath(QStringLiteral("dotfiles/Dicemere.ini"));
            QString pointsAt = QStringLiteral("../../dotfiles/Dicemere.ini");
            if (kind == QLatin1String("link to a link")) {
                if (!QFile::link(pointsAt, config() + QStringLiteral("/middle.ini")))
                    return {};
                pointsAt = QStringLiteral("middle.ini");
            }
            return QDir().mkpath(dir.filePath(QStringLiteral("dotfiles"))) &&
                           QFile::link(pointsAt, ini)
                       ? file(target)
                       : QString();
        }
        if (kind == QLatin1String("backups beside")) {
            for (const char* name : {".backup", ".241208", ".orig01", ".Ab12Cd"}) {
                QFile f(ini + QLatin1String(name));
                if (!f.open(QIODevice::WriteOnly) ||
                    !f.setFileTime(QDateTime(QDate(2001, 1, 1), QTime(0, 0), QTimeZone::utc()),
                                   QFileDevice::FileModificationTime))
                    return {};
            }
            return file(ini);
        }
        if (kind == QLatin1String("leftover QSettings lock")) {
            // What a copy killed while QSettings wrote would have left.
            return Spit(ini + QStringLiteral(".lock"), "999999\ndicemere\nhost\n") ? file(ini)
                                                                                   : QString();
        }
        if (kind == QLatin1String("no permissions")) {
            return !IsRoot() && !file(ini).isEmpty() && QFile::setPermissions(ini, {}) ? ini
                                                                                       : QString();
        }
        if (kind == QLatin1String("read-only store") || kind == QLatin1String("full disk")) {
            if (!IsRoot() || !mounts.Tmpfs(config(), QStringLiteral("64k")) || file(ini).isEmpty())
                return {};
            if (kind == QLatin1String("read-only store"))
                return mounts.RemountReadOnly(config()) ? ini : QString();
            QFile filler(config() + QStringLiteral("/filler"));
            if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
                return {};
            const QByteArray block(512, 'x');
            while (filler.write(block) == block.size()) {
            }
            return ini;
        }
        if (kind == QLatin1String("read-only folder, writable file")) {
            // The folder a read-only mount, the file bound into it from another.
            const QString other = dir.filePath(QStringLiteral("other"));
            return IsRoot() && mounts.Tmpfs(config(), QStringLiteral("64k")) &&
                           mounts.Tmpfs(other, QStringLiteral("64k")) && Spit(ini, {}) &&
                           Spit(other + QStringLiteral("/real.ini"), content) &&
                           mounts.Bind(other + QStringLiteral("/real.ini"), ini) &&
                           mounts.RemountReadOnly(config())
                       ? ini
                       : QString();
        }
        if (kind == QLatin1String("others' link")) {
            // Another account links the store to a file only root may read.
            const QString secret = dir.filePath(QStringLiteral("secret"));
            return IsRoot() && file(secret) == secret &&
                           QFile::setPermissions(secret, QFile::ReadOwner | QFile::WriteOwner) &&
                           QFile::link(secret, ini) && Own(ini, kOtherAccount)
                       ? secret
                       : QString();
        }
        if (kind == QLatin1String("others' folder"))
            return IsRoot() && Own(config(), kOtherAccount) ? file(ini) : QString();
        return {};
    }
};
#endif

} // namespace

class TestStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void iniText_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("empty") << QByteArray() << QByteArray("[Settings]\nDuration=2026-12-08\n");
        QTest::newRow("replaced in place")
            << QByteArray("; mine\n[A]\nx=1\n[Settings]\nDuration = 2001-01-01\nOther=2\n")
            << QByteArray("; mine\n[A]\nx=1\n[Settings]\nDuration=2026-12-08\nOther=2\n");
        QTest::newRow("same key elsewhere untouched")
            << QByteArray("[A]\nDuration=old\n")
            << QByteArray("[A]\nDuration=old\n[Settings]\nDuration=2026-12-08\n");
        QTest::newRow("section without the key")
            << QByteArray("[Settings]\nOther=2\n[B]\ny=3\n")
            << QByteArray("[Settings]\nDuration=2026-12-08\nOther=2\n[B]\ny=3\n");
        QTest::newRow("header last, no line end")
            << QByteArray("x=1\n[Settings]")
            << QByteArray("x=1\n[Settings]\nDuration=2026-12-08\n");
        QTest::newRow("no final line end")
            << QByteArray("[A]\nx=1") << QByteArray("[A]\nx=1\n[Settings]\nDuration=2026-12-08\n");
        QTest::newRow("CR LF kept")
            << QByteArray("[A]\r\nx=1\r\n")
            << QByteArray("[A]\r\nx=1\r\n[Settings]\r\nDuration=2026-12-08\r\n");
        QTest::newRow("CR LF in place")
            << QByteArray("[Settings]\r\nDuration=1\r\nz=9\r\n")
            << QByteArray("[Settings]\r\nDuration=2026-12-08\r\nz=9\r\n");
        QTest::newRow("twice: the last one counts")
            << QByteArray("[Settings]\nDuration=1\n[Settings]\nDuration=2\n")
            << QByteArray("[Settings]\nDuration=1\n[Settings]\nDuration=2026-12-08\n");
        QTest::newRow("byte-order mark")
            << QByteArray("\xEF\xBB\xBF[Settings]\nDuration=2001-01-01\n")
            << QByteArray("\xEF\xBB\xBF[Settings]\nDuration=2026-12-08\n");
        QTest::newRow("as QSettings writes it")
            << QByteArray("[Other]\na=1\n\n[Settings]\nDuration=2026-12-08\n")
            << QByteArray("[Other]\na=1\n\n[Settings]\nDuration=2026-12-08\n");
    }
    void iniText() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        const QByteArray written = WithIniValue(before, kSection, kValue, kDate);
        QCOMPARE(written, after);
        QCOMPARE(IniValue(written, kSection, kValue), kDate);
        QTemporaryDir dir; // QSettings reads the same value from it
        QFile file(dir.filePath(QStringLiteral("t.ini")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(written) == written.size());
        file.close();
        QCOMPARE(QSettings(dir.filePath(QStringLiteral("t.ini")), QSettings::IniFormat)
                     .value(QStringLiteral("Settings/Duration"))
                     .toString(),
                 kDate);
    }

    void iniTextReadsNothingFromElsewhere() {
        QCOMPARE(IniValue("[A]\nDuration=1\n", kSection, kValue), QString());
        QCOMPARE(IniValue("Duration=1\n", kSection, kValue), QString());
        QCOMPARE(IniValue("[Settings]\nDurations=1\n", kSection, kValue), QString());
        QCOMPARE(IniValue("[Settings\nDuration=1\n", kSection, kValue), QString());
        QCOMPARE(IniValue(QByteArray("\0\xff[Settings]\n\0", 11), kSection, kValue), QString());
        QVERIFY(IsPlainIniValue(kDate));
        for (const char* odd : {"a\nb", "a;b", "[x]", "\xC3\xA9"})
            QVERIFY(!IsPlainIniValue(QString::fromUtf8(odd)));
    }

#ifdef Q_OS_LINUX
    // Each case in the store's place, through the class and then through the
    // real program: the store reads what it should, writes only where it
    // may, keeps every other byte, leaves no file behind and removes none; a
    // question whose answer could not be kept is not asked.
    void stores_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("read");
        QTest::addColumn<bool>("stores");
        const QByteArray date("2001-01-01");
        const auto row = [](const char* name, const char* kind, const QByteArray& content,
                            const QString& read, bool stores) {
            QTest::newRow(name) << QString::fromLatin1(kind) << content << read << stores;
        };
        row("missing store", "missing", {}, {}, true);
        row("empty", "file", {}, {}, true);
        row("other keys, no date", "file", OtherKeys(3) + "; a comment\n", {}, true);
        row("corrupt", "file", "[Settings\nDuration\n=\n[[x]]]\nkey=\"unterminated", {}, true);
        row("binary garbage", "file", Garbage(), {}, true);
        row("byte-order mark", "file", "\xEF\xBB\xBF" + kOld, date, true);
        row("700 KB, no date", "file", OtherKeys(30000), {}, true);
        row("2 MiB file", "file", kOld + QByteArray(2 * 1024 * 1024, ';'), {}, false);
        row("sparse 1 GiB file", "sparse", kOld, {}, false);
        row("folder in its place", "folder", {}, {}, false);
        row("its folder is a file", "folder is a file", {}, {}, false);
        row("pipe", "pipe", {}, {}, false);
        row("link to /dev/full", "device", {}, {}, false);
        row("dangling link", "dangling", {}, {}, false);
        row("link", "link", OtherKeys(2) + kOld, date, true);
        row("link to a link", "link to a link", OtherKeys(2) + kOld, date, true);
        row("leftover QSettings lock", "leftover QSettings lock", OtherKeys(2), {}, true);
        row("no permissions", "no permissions", kOld, {}, false);
        row("read-only store", "read-only store", kOld, date, false);
        row("full disk", "full disk", OtherKeys(200) + kOld, date, false);
        // Fault: the user's own files beside the store were taken for stale
        // temporaries and deleted.
        row("user's files beside it are kept", "backups beside", kOld, date, true);
        // Fault: a file in a folder that takes no new file was changed inside
        // itself, and grew with every interrupted change.
        row("read-only folder, writable file", "read-only folder, writable file", kOld, date,
            false);
        // Fault: another account's link was followed, and a file only root
        // may write was rewritten.
        row("link made by another account", "others' link", kOld, {}, false);
        row("folder of another account", "others' folder", kOld, {}, false);
    }
    void stores() {
        QFETCH(QString, kind);
        QFETCH(QByteArray, content);
        QFETCH(QString, read);
        QFETCH(bool, stores);
        for (const bool program : {false, true}) {
            if (program && !IsRoot())
                QSKIP("the program's own /run needs root");
            // The program would ask about a date this old (and hang offscreen):
            // it gets one it cannot read, and stores its own.
            if (program)
                content.replace("Duration=2001-01-01", "Duration=unset");
            Home home;
            const QString target = home.Plant(kind, content);
            if (target.isEmpty())
                QSKIP("this case cannot be made here (some need root, one needs another user)");
            const QString folder = home.dir.path();
            QList<QByteArray> tree = Tree(folder);
            QString written;
            if (!program) {
                IniSettingsStore store(home.ini());
                QCOMPARE(store.Read(kSection, kValue), read);
                QCOMPARE(store.Write(kSection, kValue, kDate), stores);
                written = kDate;
                if (!stores) { // and so nothing is asked, however old the date
                    FixedClock clock;
                    FakeMessageBoxes boxes;
                    FakeUrlOpener opener;
                    const LinkOpeners help(opener);
                    UpdateReminder(store, clock, boxes, help);
                    QVERIFY(boxes.shown.isEmpty());
                }
            } else {
                QVERIFY(home.start());
                written = QFileInfo(target).isFile() ? IniValue(Slurp(target), kSection, kValue)
                                                     : QString();
                QVERIFY(!stores || ParseReminderDate(written));
            }
            if (kind == QLatin1String("sparse")) { // still sparse: nothing was written into it
                struct stat after {};
                QCOMPARE(::stat(QFile::encodeName(target).constData(), &after), 0);
                QVERIFY(after.st_size == (qint64(1) << 30) && after.st_blocks < 64);
            } else if (QFileInfo(target).isFile()) {
                QCOMPARE(Slurp(target),
                         stores ? WithIniValue(content, kSection, kValue, written) : content);
            }
            // The new file and the folders made for it, and nothing else.
            for (QByteArray made = QFile::encodeName(target.mid(folder.size() + 1));
                 stores && !made.isEmpty() && !tree.contains(made);
                 made.truncate(made.lastIndexOf('/')))
                tree.insert(std::lower_bound(tree.begin(), tree.end(), made), made);
            QCOMPARE(Tree(folder), tree);
            if (program) { // the same day again: nothing asked, nothing written
                const QByteArray after = QFileInfo(target).isFile() ? Slurp(target) : QByteArray();
                QVERIFY(home.start());
                QCOMPARE(QFileInfo(target).isFile() ? Slurp(target) : QByteArray(), after);
            }
        }
    }

    // A write cut short at any of its calls leaves the file reading as the
    // old or the new date, and the next write leaves no file behind. And a
    // link's target that becomes a pipe just as it is opened must not hang
    // the start (fault: it blocked in open(), holding the lock).
    void interruptedWrites_data() {
        QTest::addColumn<QString>("calls");
        QTest::addColumn<QString>("inject");
        const auto kill = [](const char* name, const char* calls, const char* when) {
            QTest::newRow(name) << calls << QStringLiteral("signal=KILL:when=") + when;
        };
        kill("killed at the temporary file's lock", "flock", "1");
        kill("killed at its truncation", "ftruncate", "1");
        kill("killed at its write", "write,pwrite64", "1");
        kill("killed at its sync", "fsync,fdatasync", "1");
        kill("killed at the rename", "rename,renameat,renameat2", "1");
        kill("killed at the folder's sync", "fsync,fdatasync", "2");
        QTest::newRow("target becomes a pipe at the open") << "openat"
                                                           << "delay_enter=1000000";
    }
    void interruptedWrites() {
        QFETCH(QString, calls);
        QFETCH(QString, inject);
        if (!HaveStrace())
            QSKIP("no strace");
        Home home;
        const QString target = home.Plant(QStringLiteral("link"), kOld);
        const QString folder = QFileInfo(target).path();
        const QString trace = home.dir.filePath(QStringLiteral("trace"));
        QStringList strace{QStringLiteral("-f"), QStringLiteral("-qq"),
                           QStringLiteral("-o"), trace,
                           QStringLiteral("-e"), QStringLiteral("trace=") + calls,
                           QStringLiteral("-e"), QStringLiteral("inject=%1:%2").arg(calls, inject)};
        const QStringList probe{QStringLiteral(STOREPROBE_PATH), home.ini(), kDate};
        if (calls == QLatin1String("openat")) {
            strace << QStringLiteral("-P") << target << QStringLiteral("-P") << folder;
            QVERIFY(::mkfifo(QFile::encodeName(folder + QStringLiteral("/fifo")).constData(),
                             0600) == 0);
            QProcess p;
            p.setChildProcessModifier([] { ::setsid(); });
            p.start(QStringLiteral("strace"), strace + probe);
            QVERIFY(p.waitForStarted());
            // Swapped in while the open waits to begin.
            QTRY_VERIFY_WITH_TIMEOUT(Slurp(trace).contains("Dicemere.ini"), kHangGuardMs);
            QCOMPARE(::rename(QFile::encodeName(folder + QStringLiteral("/fifo")).constData(),
                              QFile::encodeName(target).constData()),
                     0);
            const bool ended = p.waitForFinished(kHangGuardMs);
            if (!ended)
                ::kill(-static_cast<pid_t>(p.processId()), SIGKILL);
            p.waitForFinished();
            QVERIFY2(ended, "the store hung on a pipe");
            return;
        }
        const Run cut = RunProgram(QStringLiteral("strace"), strace + probe);
        const auto says = IniEntries(Slurp(target));
        QVERIFY2(says == IniEntries(kOld) ||
                     says == IniEntries(WithIniValue(kOld, kSection, kValue, kDate)),
                 Slurp(target).constData());
        QVERIFY(!cut.finished); // killed where the row says
        const Run next = RunProgram(probe[0], probe.mid(1));
        QCOMPARE(next.out.trimmed(), QByteArray("written"));
        QCOMPARE(Slurp(target), WithIniValue(kOld, kSection, kValue, kDate));
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden |
                                        QDir::System),
                 QStringList{QStringLiteral("Dicemere.ini")});
    }

    // What is written is on the disk when the write returns: the new file,
    // and then its folder, whose entry the rename changed.
    void writesAreSynced() {
        if (!HaveStrace())
            QSKIP("no strace");
        Home home;
        const QString ini = home.Plant(QStringLiteral("file"), kOld);
        const QString trace = home.dir.filePath(QStringLiteral("trace"));
        const Run run = RunProgram(
            QStringLiteral(STOREPROBE_PATH), {ini, kDate}, QProcessEnvironment::systemEnvironment(),
            {QStringLiteral("-f"), QStringLiteral("-qq"), QStringLiteral("-y"),
             QStringLiteral("-o"), trace, QStringLiteral("-e"),
             QStringLiteral("trace=write,pwrite64,rename,renameat,renameat2,fsync,fdatasync")});
        QCOMPARE(run.out.trimmed(), QByteArray("written"));
        const QByteArray calls = Slurp(trace);
        const QByteArray folder = '<' + QFile::encodeName(home.config()) + ">)"; // -y names it
        const qsizetype written = calls.indexOf("write(");
        const qsizetype fileSynced = calls.indexOf("sync(", written);
        const qsizetype renamed = calls.indexOf("rename", fileSynced);
        QVERIFY2(written >= 0 && fileSynced > written && renamed > fileSynced, calls.constData());
        QVERIFY2(calls.indexOf("sync(", renamed) > renamed &&
                     calls.indexOf(folder, renamed) > renamed,
                 calls.constData());
    }

    // Where the store is, whatever HOME and XDG_CONFIG_HOME say, for an
    // account without a home of its own in the user database: the program
    // (started in a folder of its own) makes the store named, and nothing
    // else anywhere. Relative values name no place; a home is kept as the
    // bytes the system gave (fault: a Latin-1 home was re-encoded, the real
    // store never read, and a stray home made beside it), and a home that is
    // not there is not made (fault).
    void storePlace_data() {
        QTest::addColumn<QByteArray>("xdgConfigHome"); // null: unset
        QTest::addColumn<QByteArray>("home");          // null: unset
        QTest::addColumn<QByteArray>("store");         // its config folder; empty: none
        const QByteArray none;
        QTest::newRow("absolute XDG_CONFIG_HOME")
            << QByteArray("@/xdg") << QByteArray("@/home") << QByteArray("@/xdg");
        QTest::newRow("relative XDG_CONFIG_HOME")
            << QByteArray("xdg/config") << QByteArray("@/home") << QByteArray("@/home/.config");
        QTest::newRow("empty XDG_CONFIG_HOME")
            << QByteArray("") << QByteArray("@/home") << QByteArray("@/home/.config");
        QTest::newRow("relative HOME") << none << QByteArray("relative/home") << none;
        QTest::newRow("empty HOME") << none << QByteArray("") << none;
        QTest::newRow("HOME unset") << none << none << none;
        QTest::newRow("both relative") << QByteArray("xdg") << QByteArray(".") << none;
        QTest::newRow("home not UTF-8")
            << none << QByteArray("@/caf\xE9") << QByteArray("@/caf\xE9/.config");
        QTest::newRow("home not there") << none << QByteArray("@/gone") << none;
    }
    void storePlace() {
        QFETCH(QByteArray, xdgConfigHome);
        QFETCH(QByteArray, home);
        QFETCH(QByteArray, store);
        if (!IsRoot())
            QSKIP("needs root, to run as an account without a home");
        QTemporaryDir dir;
        // QTemporaryDir cannot remove a name that is not UTF-8; rm can.
        const auto removeAll = qScopeGuard([&] {
            RunProgram(QStringLiteral("rm"), {QStringLiteral("-rf"), dir.path()});
        });
        const QByteArray root = QFile::encodeName(dir.path());
        const auto place = [&](QByteArray value) { return value.replace('@', root); };
        for (const char* folder : {"/here", "/home", "/xdg", "/caf\xE9"})
            QCOMPARE(::mkdir((root + folder).constData(), 0755), 0);
        QVERIFY(RunProgram(QStringLiteral("chown"),
                           {QStringLiteral("-R"), QString::number(kOtherAccount), dir.path()})
                    .exitCode == 0);
        const QList<QByteArray> before = Tree(dir.path());
        QString unset;
        QString set;
        QStringList args{dir.filePath(QStringLiteral("here"))};
        for (const auto& [name, value] :
             {std::pair{"XDG_CONFIG_HOME", xdgConfigHome}, std::pair{"HOME", home}}) {
            if (value.isNull()) {
                unset += QStringLiteral("-u %1 ").arg(QLatin1String(name));
            } else {
                // Byte for byte: QProcess would re-encode an argument that is not UTF-8.
                QString bytes;
                for (const char c : place(value))
                    bytes +=
                        QStringLiteral("\\%1").arg(static_cast<uchar>(c), 3, 8, QLatin1Char('0'));
                set += QStringLiteral("%1=\"$(printf '%2')\" ").arg(QLatin1String(name), bytes);
            }
        }
        args << QStringLiteral(DICEMERE_PATH);
        const Run run = Isolated(As(kOtherAccount) + QStringLiteral("env -C \"$1\" ") + unset +
                                     set + QStringLiteral("\"$%1\"").arg(args.size()),
                                 args, ProgramEnvironment(), false, {kOtherAccount});
        QVERIFY2(run.out.startsWith("first-paint "), run.out.constData());
        QList<QByteArray> after = before;
        if (!store.isEmpty())
            for (const QByteArray& made :
                 {QByteArray(), QByteArray("/Dicemere"), QByteArray("/Dicemere/Dicemere.ini")})
                if (const QByteArray name = place(store).mid(root.size() + 1) + made;
                    !after.contains(name))
                    after << name;
        std::sort(after.begin(), after.end());
        QCOMPARE(Tree(dir.path()), after);
    }
#endif
};

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
