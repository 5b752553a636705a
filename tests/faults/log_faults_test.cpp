#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <vector>

#include "core/entry_log.h"
#include "core/entry_table.h"
#include "support/qt_printers.h"
#include "support/temp_log_dir.h"

namespace kivra {
namespace {

using test::TempLogDir;

QStringList numberedLines(int count, const QString& tag) {
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines.append(QStringLiteral("C:\\%1\\FILE%2.ZIP - %1 description %2").arg(tag).arg(i));
    return lines;
}

// A rewrite killed at any moment leaves the old log or the new one, never a mix or a stump.
TEST(KilledRewrite, LeavesEitherTheOldOrTheNewLog) {
    TempLogDir dir;
    const QStringList first = numberedLines(40000, "FIRST");
    const QStringList second = numberedLines(30000, "SECOND");
    ASSERT_TRUE(dir.log().WriteEntries(second));
    const QByteArray secondBytes = dir.bytes();
    // Kill points are spread over a few rewrites, however fast this build writes.
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(dir.log().WriteEntries(first));
    const auto oneRewrite = static_cast<quint32>(std::max<qint64>(timer.nsecsElapsed() / 1000, 1000));
    const QByteArray firstBytes = dir.bytes();

    QRandomGenerator random(7);
    int sawSecond = 0;
    for (int round = 0; round < 12; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) dir.log().WriteEntries(i % 2 ? first : second);
            _exit(0);
        }
        usleep(random.bounded(oneRewrite / 4, oneRewrite * 4));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        const QByteArray now = dir.bytes();
        const bool whole = now == firstBytes || now == secondBytes;
        ASSERT_TRUE(whole) << "round " << round << ": " << now.size() << " bytes";
        if (now == secondBytes) ++sawSecond;
    }
    // Only a written-through rewrite can produce the second list; it must have happened.
    EXPECT_GT(sawSecond, 0);
}

// Copies of the program at once, each with its own EntryLog on the one folder: two append, one
// rewrites what it reads.
TEST(TwoCopies, AppendingAndRewritingAtOnceLoseNothing) {
    TempLogDir dir;
    dir.writeBytes("");
    constexpr int kEach = 150;
    std::vector<pid_t> children;
    for (const QString tag : {"A", "B", "rewrite"}) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const EntryLog log(dir.path());
            const auto rewrite = [&log] { return log.WriteEntries(log.ReadEntries().lines); };
            bool ok = true;
            for (const QString& line : numberedLines(kEach, tag)) {
                ok = ok && (tag == "rewrite" ? log.Locked(rewrite) : log.AppendEntry(line));
                usleep(2000);  // a pause, as between a user's actions, gives the others a turn
            }
            _exit(ok ? 0 : 1);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    QStringList lines = dir.log().ReadEntries().lines;
    QStringList expected = numberedLines(kEach, "A") + numberedLines(kEach, "B");
    lines.sort();
    expected.sort();
    EXPECT_EQ(lines, expected);
}

// A copy holding the lock is waited for, then named in the message; one that died holding it is
// no obstacle.
TEST(TwoCopies, AHeldLockIsToldAndADeadCopysLockTakenOver) {
    TempLogDir dir;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        dir.log().Locked([] { return pause(), LogResult{}; });
        _exit(0);
    }
    while (!QFile::exists(dir.logFile() + ".lock")) usleep(1000);
    const LogResult held = dir.log().AppendEntry("x - y");
    EXPECT_TRUE(held.error.contains(dir.log().LogPath()) && held.error.contains("another copy"))
        << held.error.toStdString();
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_TRUE(dir.log().AppendEntry("x - y"));
    EXPECT_EQ(dir.bytes(), "x - y\r\n");
}

// "Return" with nothing deleted writes every line back as its own bytes.
TEST(OddLogs, NulBytesAndAMillionLinesRewrittenWithoutLoss) {
    QByteArray log("C:\\A\0B - de\0sc\r\n\0\r\n", 19);
    log.reserve(60'000'000);
    for (int i = 0; i < 1'000'000; ++i)
        log += "C:\\DL\\FILE" + QByteArray::number(i) + ".ZIP - a description\r\n";
    TempLogDir dir;
    dir.writeBytes(log);
    EntryTable table;
    ASSERT_TRUE(table.load(dir.log().LogPath()));
    ASSERT_TRUE(table.rewrite(dir.log(), table.sorted(table.all())));
    QByteArrayList before = log.split('\n'), after = dir.bytes().split('\n');
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    EXPECT_TRUE(after == before);
}

}  // namespace
}  // namespace kivra
