// SPDX-License-Identifier: MIT
// The single-instance guard with real processes.
#include "../support/Patience.h"
#include "SettingsAndLock.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

using namespace dicemere;

namespace {

QString Probe() { return QStringLiteral(LOCKPROBE_PATH); }

std::unique_ptr<QProcess> Start(const QString& lockPath) {
    auto p = std::make_unique<QProcess>();
    p->start(Probe(), {lockPath});
    return p;
}

QByteArray Answer(QProcess& p) {
    if (!p.waitForReadyRead(kHangGuardMs) && p.bytesAvailable() == 0)
        p.waitForFinished(kHangGuardMs);
    return p.readLine().trimmed();
}

// True once the process has ended. It may already have: waiting for its
// answer can also collect its exit, and then waitForFinished() says false.
bool Ended(QProcess& p) {
    return p.state() == QProcess::NotRunning || p.waitForFinished(kHangGuardMs);
}

} // namespace

class TestInstance : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void secondCopyFindsTheLockHeld() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("com.example.Dicemere.lock"));
        auto first = Start(path);
        QCOMPARE(Answer(*first), QByteArray("owner"));
        auto second = Start(path);
        QCOMPARE(Answer(*second), QByteArray("busy"));
        QVERIFY(Ended(*second));
        // The first copy is untouched.
        QCOMPARE(first->state(), QProcess::Running);
        first->closeWriteChannel();
        QVERIFY(Ended(*first));
        // After a clean end the next start passes.
        auto third = Start(path);
        QCOMPARE(Answer(*third), QByteArray("owner"));
        third->closeWriteChannel();
        QVERIFY(Ended(*third));
    }

    void lockOfAKilledCopyIsTakenOver() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("com.example.Dicemere.lock"));
        auto first = Start(path);
        QCOMPARE(Answer(*first), QByteArray("owner"));
        first->kill(); // SIGKILL: the lock file stays behind
        QVERIFY(Ended(*first));
        QVERIFY(QFile::exists(path));
        auto next = Start(path);
        QCOMPARE(Answer(*next), QByteArray("owner"));
        next->closeWriteChannel();
        QVERIFY(Ended(*next));
    }

#ifdef Q_OS_UNIX
    // Whatever a copy that died left in its lock file, nobody holds the lock:
    // the next start takes it at once. Before, an empty or unreadable lock
    // file refused every start for about 30 s after it was written.
    void leftoverLockFileIsFreeAtOnce_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("cut short") << QByteArray("12");
        QTest::newRow("garbage") << QByteArray("\xff\xfe not a lock\n");
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
#endif

    // Five rounds of twenty copies started at the same instant; between
    // rounds the owner is killed, and the next round takes over at once.
    void twentyAtOnceGiveOneOwner() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("com.example.Dicemere.lock"));
        for (int round = 0; round < 5; ++round) {
            std::vector<std::unique_ptr<QProcess>> copies;
            for (int i = 0; i < 20; ++i)
                copies.push_back(Start(path));
            int owners = 0, busy = 0;
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
            owner->kill(); // SIGKILL: its lock file stays behind for the next round
            for (auto& p : copies)
                QVERIFY(Ended(*p));
        }
    }

    // A missing folder is made; one that cannot be made leaves the program
    // unguarded rather than refused.
    void missingFolderDoesNotBlock() {
        QTemporaryDir dir;
        QtInstanceLock made(dir.filePath(QStringLiteral("no/such/folder/x.lock")));
        QCOMPARE(made.TryAcquire(), InstanceLock::Result::Acquired);
        QFile plain(dir.filePath(QStringLiteral("plain")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        QtInstanceLock impossible(dir.filePath(QStringLiteral("plain/folder/x.lock")));
        QCOMPARE(impossible.TryAcquire(), InstanceLock::Result::Unavailable);
    }

    void defaultPathUsesTheAppId() {
        const QString path = QtInstanceLock::DefaultPath();
        QVERIFY2(path.contains(QStringLiteral("com.example.Dicemere")), qPrintable(path));
        QVERIFY(path.endsWith(QStringLiteral(".lock")));
    }
};

QTEST_GUILESS_MAIN(TestInstance)
#include "tst_instance.moc"
