// SPDX-License-Identifier: MIT
// The one-copy lock with real processes: lockprobe takes it and says
// "owner", "busy" or "unavailable"; an owner keeps it until its input ends.
// On Linux, as root, whole sequences run in a mount namespace with a /run
// and /tmp of their own, as an account without a home (54321) beside
// another account (65534).
#include "../support/Patience.h"
#include "SettingsAndLock.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>
#ifdef Q_OS_LINUX
#include "../support/Processes.h"
#endif

using namespace dicemere;

namespace {

std::unique_ptr<QProcess> Start(const QString& lockPath) {
    auto p = std::make_unique<QProcess>();
    p->start(QStringLiteral(LOCKPROBE_PATH), {lockPath});
    return p;
}

QByteArray Answer(QProcess& p) {
    if (!p.waitForReadyRead(kHangGuardMs) && p.bytesAvailable() == 0)
        p.waitForFinished(kHangGuardMs);
    return p.readLine().trimmed();
}

// True once the process has ended (waiting for its answer may have
// collected its exit already).
bool Ended(QProcess& p) {
    return p.state() == QProcess::NotRunning || p.waitForFinished(kHangGuardMs);
}

#ifdef Q_OS_LINUX
// The shell words the sequences are written in. me: the user 54321 with a
// usual environment (more variables may follow); try: a copy that takes the
// lock and ends at once; own/free: a copy that keeps it until freed.
const QString kPrelude = QStringLiteral(R"(P="$1"; U=54321; lock=com.example.Dicemere-$U.lock
me() { setpriv --reuid=$U --regid=$U --clear-groups env HOME=/tmp/home \
  XDG_RUNTIME_DIR=/run/user/$U TMPDIR=/tmp env "$@"; }
other() { setpriv --reuid=65534 --regid=65534 --clear-groups sh -c "umask 0; $1"; }
try() { me "$@" "$P" </dev/null; }
own() { mkfifo /tmp/.in /tmp/.out; me "$@" "$P" </tmp/.in >/tmp/.out & owner=$!
  exec 9>/tmp/.in; read -r a </tmp/.out; echo "$a"; }
free() { exec 9>&-; wait $owner; rm -f /tmp/.in /tmp/.out; }
mkdir -p -m 700 /tmp/home /tmp/home2 && chown $U /tmp/home /tmp/home2
)");
#endif

} // namespace

class TestLock : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // At a path of the caller's: a second copy is refused while the first
    // lives, the first is untouched, and after its end (clean or killed)
    // the next start passes.
    void secondCopy_data() {
        QTest::addColumn<bool>("killed");
        QTest::newRow("first ends") << false;
        QTest::newRow("first killed") << true;
    }
    void secondCopy() {
        QFETCH(bool, killed);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("com.example.Dicemere.lock"));
        auto first = Start(path);
        QCOMPARE(Answer(*first), QByteArray("owner"));
        auto second = Start(path);
        QCOMPARE(Answer(*second), QByteArray("busy"));
        QVERIFY(Ended(*second));
        QCOMPARE(first->state(), QProcess::Running);
        if (killed)
            first->kill(); // SIGKILL: the lock file stays behind
        else
            first->closeWriteChannel();
        QVERIFY(Ended(*first));
        auto third = Start(path);
        QCOMPARE(Answer(*third), QByteArray("owner"));
        third->closeWriteChannel();
        QVERIFY(Ended(*third));
    }

    // Whatever a copy that died left in its lock file, the next start takes
    // the lock at once (before, an empty file refused every start for 30 s).
    void leftoverLockFileIsFreeAtOnce_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("cut short") << QByteArray("12");
        QTest::newRow("garbage") << QByteArray("\xff\xfe not a lock\n");
        // As QLockFile writes it, naming a process that lives but is no copy.
        QTest::newRow("names a live process")
            << QByteArray::number(QCoreApplication::applicationPid()) + "\ndicemere\nhost\n";
    }
    void leftoverLockFileIsFreeAtOnce() {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("com.example.Dicemere.lock"));
        QFile left(path);
        QVERIFY(left.open(QIODevice::WriteOnly));
        left.write(content);
        left.close();
        auto next = Start(path);
        QCOMPARE(Answer(*next), QByteArray("owner"));
        auto second = Start(path);
        QCOMPARE(Answer(*second), QByteArray("busy"));
        QVERIFY(Ended(*second));
        next->closeWriteChannel();
        QVERIFY(Ended(*next));
    }

    // Five rounds of twenty copies started at the same instant; between
    // rounds the owner is killed, and the next round takes over at once.
    void twentyAtOnceGiveOneOwner() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("com.example.Dicemere.lock"));
        for (int round = 0; round < 5; ++round) {
            std::vector<std::unique_ptr<QProcess>> copies;
            for (int i = 0; i < 20; ++i)
                copies.push_back(Start(path));
            int owners = 0;
            int busy = 0;
            QProcess* owner = nullptr;
            for (auto& p : copies) {
                const QByteArray a = Answer(*p);
                if (a == "owner")
                    owner = p.get();
                owners += a == "owner";
                busy += a == "busy";
            }
            QCOMPARE(owners, 1);
            QCOMPARE(busy, 19);
            owner->kill();
            for (auto& p : copies)
                QVERIFY(Ended(*p));
        }
    }

    // Places of the caller's: the first that works holds the lock, a later
    // one is still looked at, and what is no lock file in a place (a folder,
    // a pipe, a dangling link) is left alone and refuses nobody.
    void places_data() {
        QTest::addColumn<QString>("odd");
        QTest::newRow("missing folder") << "missing";
        QTest::newRow("folder is a file") << "file";
        QTest::newRow("folder at the lock's path") << "folder";
#ifdef Q_OS_UNIX
        QTest::newRow("pipe at the lock's path") << "pipe";
        QTest::newRow("dangling link at the lock's path") << "dangling";
#endif
    }
    void places() {
        QFETCH(QString, odd);
        QTemporaryDir dir;
        QString first = dir.filePath(QStringLiteral("first.lock"));
        if (odd == QLatin1String("missing"))
            first = dir.filePath(QStringLiteral("no/such/first.lock"));
        else if (odd == QLatin1String("file"))
            first = dir.filePath(QStringLiteral("plain/first.lock"));
        if (odd == QLatin1String("file"))
            QVERIFY(QFile(dir.filePath(QStringLiteral("plain"))).open(QIODevice::WriteOnly));
        else if (odd == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(first));
#ifdef Q_OS_UNIX
        else if (odd == QLatin1String("pipe"))
            QCOMPARE(::mkfifo(QFile::encodeName(first).constData(), 0600), 0);
        else if (odd == QLatin1String("dangling"))
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("nowhere")), first));
#endif
        const QString next = dir.filePath(QStringLiteral("next.lock"));
        QtInstanceLock lock({first, next});
        QCOMPARE(lock.TryAcquire(), InstanceLock::Result::Acquired);
        QVERIFY(QFileInfo::exists(next));
        QtInstanceLock second({first, next});
        QCOMPARE(second.TryAcquire(), InstanceLock::Result::HeldByAnother);
        // A copy that can use an earlier place still finds the one that fell back.
        QtInstanceLock third({dir.filePath(QStringLiteral("other.lock")), next});
        QCOMPARE(third.TryAcquire(), InstanceLock::Result::HeldByAnother);
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("other.lock"))));
        QtInstanceLock alone(first); // no other place: unguarded, not refused
        QCOMPARE(alone.TryAcquire(), InstanceLock::Result::Unavailable);
        QCOMPARE(QFileInfo(first).isDir(), odd == QLatin1String("folder"));
        const QStringList places = QtInstanceLock::DefaultPaths();
        QVERIFY(places.size() >= 2);
        for (const QString& place : places)
            QVERIFY2(QDir::isAbsolutePath(place) && QFileInfo(place).fileName().startsWith(
                                                        QStringLiteral("com.example.Dicemere")),
                     qPrintable(place));
    }

#ifdef Q_OS_LINUX
    // The program's own places, in sequences of copies of the same user and
    // of another account's doings: one copy whatever the environment says,
    // and nobody else can refuse or hold up a start.
    void sequences_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QByteArray>("answers");
        const auto row = [](const char* name, const char* script, const char* answers) {
            QTest::newRow(name) << QString::fromLatin1(script) << QByteArray(answers);
        };
        row("second copy, then after the first", "own; try; free; try", "owner busy owner");
        row("first copy killed", "own; kill -9 $owner; free; try", "owner owner");
        // Fault: with and without XDG_RUNTIME_DIR (su -, cron, ssh) the two
        // copies took their locks in different places, and both ran.
        row("with, then without XDG_RUNTIME_DIR", "own; try -u XDG_RUNTIME_DIR; free",
            "owner busy");
        row("without, then with XDG_RUNTIME_DIR", "own -u XDG_RUNTIME_DIR; try; free",
            "owner busy");
        row("TMPDIR and HOME set differently",
            "own; try TMPDIR=/tmp/home2 HOME=/tmp/home2 XDG_RUNTIME_DIR=/tmp/home2; free",
            "owner busy");
        row("no runtime folder: a private one in /tmp",
            "rmdir /run/user/$U; own; try; stat -c %a/%u /tmp/com.example.Dicemere-$U; free",
            "owner busy 700/54321");
        row("runtime folder made after the first copy",
            "rmdir /run/user/$U; own; mkdir -m 700 /run/user/$U; chown $U /run/user/$U; try; free",
            "owner busy");
        row("runtime variable names a file", "touch /tmp/plain; try XDG_RUNTIME_DIR=/tmp/plain/run",
            "owner");
        row("pipe at the lock's path",
            "mkfifo /run/user/$U/$lock; chown $U /run/user/$U/$lock; "
            "own; try; free",
            "owner busy");
        row("folder at the lock's path", "mkdir /run/user/$U/$lock; own; try; free", "owner busy");
        // Fault: another account linked the fallback folder to the runtime
        // folder; the lock was opened twice and refused every start.
        row("another account links the fallback folder",
            "other 'ln -s /run/user/54321 /tmp/com.example.Dicemere-54321'; try; try",
            "owner owner");
        row("another account's lock files in /tmp",
            "other 'mkdir -p /tmp/com.example.Dicemere-54321 /tmp/runtime-root && touch "
            "/tmp/com.example.Dicemere-54321/com.example.Dicemere-54321.lock "
            "/tmp/com.example.Dicemere-54321.lock'; try; own -u USER; try; free",
            "owner owner busy");
    }
    void sequences() {
        QFETCH(QString, script);
        QFETCH(QByteArray, answers);
        if (!test::IsRoot())
            QSKIP("needs root, for a namespace and other accounts");
        const test::Run run =
            test::Isolated(kPrelude + script, {QStringLiteral(LOCKPROBE_PATH)},
                           QProcessEnvironment::systemEnvironment(), true, {54321});
        QVERIFY2(run.finished, run.out.constData());
        QCOMPARE(run.out.simplified(), answers);
    }

    // The real program: its lock's file-size limit (before, SIGXFSZ killed
    // it at start), copies killed while taking the lock (before, the next
    // start was refused for 30 s), and a second copy that must not touch the
    // settings store before it shows its message.
    void program_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QByteArray>("answers");
        QTest::newRow("file-size limit 0")
            << "(ulimit -f 0 && exec \"$P\"); \"$P\"" << QByteArray("first-paint first-paint");
        QTest::newRow("killed at the lock's flock")
            << "strace -f -qq -o /dev/null -e trace=flock -e inject=flock:signal=KILL \"$P\"; "
               "\"$P\""
            << QByteArray("first-paint");
        QTest::newRow("killed opening the lock's file")
            << "strace -f -qq -o /dev/null -P /run/user/0 -e trace=openat "
               "-e inject=openat:signal=KILL:when=2 \"$P\"; \"$P\""
            << QByteArray("first-paint");
        QTest::newRow("second copy leaves the store alone")
            << "mkfifo /run/.out; \"$L\" </run/.in >/run/.out & exec 9>/run/.in; read -r a "
               "</run/.out; echo $a; setsid strace -f -o \"$T\" -e trace=openat \"$P\" & "
               "until grep -q '\\.ttf' \"$T\" 2>/dev/null; do sleep 0.05; done; "
               "kill -9 -$!; wait $!; grep -c -e Dicemere.ini \"$T\"; "
               "grep -q com.example.Dicemere \"$T\" && echo locked"
            << QByteArray("owner 0 locked");
    }
    void program() {
        QFETCH(QString, script);
        QFETCH(QByteArray, answers);
        if (!test::IsRoot() || !test::HaveStrace())
            QSKIP("needs root, for a namespace, and strace");
        QTemporaryDir home;
        QProcessEnvironment env = test::ProgramEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), QStringLiteral("/run/user/0"));
        env.insert(QStringLiteral("TMPDIR"), home.path());
        env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
        const QString prelude = QStringLiteral("P=\"$1\"; L=\"$2\"; T=\"$3\"; mkfifo /run/.in\n");
        const test::Run run =
            test::Isolated(prelude + script,
                           {QStringLiteral(DICEMERE_PATH), QStringLiteral(LOCKPROBE_PATH),
                            home.filePath(QStringLiteral("trace"))},
                           env);
        QVERIFY2(run.finished, run.out.constData());
        QByteArray words; // the first of each line
        for (const QByteArray& line : run.out.split('\n'))
            if (!line.trimmed().isEmpty())
                words += (words.isEmpty() ? "" : " ") + line.trimmed().split(' ').first();
        QCOMPARE(words, answers);
    }
#endif
};

QTEST_GUILESS_MAIN(TestLock)
#include "tst_lock.moc"
