#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSet>
#include <QTemporaryDir>
#include <functional>
#include <map>
#include <vector>

#include "core/description_index.h"
#include "core/entry_log.h"
#include "core/entry_table.h"
#include "core/export_buffer.h"
#include "core/undo_record.h"
#include "platform/log_access.h"
#include "support/file_size_limit.h"
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

// Find Moved's write-back: every entry re-pointed in its place, "/old/" to "/new/" or back.
void Repoint(const EntryLog& log) {
    EntryTable table;
    ASSERT_TRUE(table.load(log.logPath()));
    const quint32 count = table.size();
    QByteArray moved;
    std::vector<quint32> kept;
    QHash<quint32, quint32> standsFor;
    for (quint32 i = 0; i < count; ++i) {
        const QByteArray line = table.line(i).toByteArray();
        moved += (line.startsWith("/old/") ? "/new/" : "/old/") + line.mid(5) + "\r\n";
        kept.push_back(count + i);
        standsFor.insert(count + i, i);
    }
    table.appendBytes(moved);
    table.rewrite(log, kept, standsFor);
}

// A write-back killed at any moment, of "Return" or of Find Moved, leaves the old log or the new
// one, never a mix or a stump.
TEST(KilledRewrite, LeavesEitherTheOldOrTheNewLog) {
    const QStringList first = numberedLines(40000, "FIRST"),
                      second = numberedLines(30000, "SECOND");
    QStringList old = numberedLines(40000, "OLD");
    old.replaceInStrings("C:\\OLD\\", "/old/");
    const struct {
        const char* name;
        QStringList before;
        std::function<void(const EntryLog&, int)> write;
    } rows[] = {
        {"Return", second,
         [&](const EntryLog& log, int i) { log.writeEntries(i % 2 ? second : first); }},
        {"Find Moved", old, [](const EntryLog& log, int) { Repoint(log); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempLogDir dir;
        ASSERT_TRUE(dir.log().writeEntries(row.before));
        const QByteArray secondBytes = dir.bytes();
        // Kill points are spread over a few rewrites, however fast this build writes.
        QElapsedTimer timer;
        timer.start();
        row.write(dir.log(), 0);
        const auto oneRewrite =
            static_cast<quint32>(std::max<qint64>(timer.nsecsElapsed() / 1000, 1000));
        const QByteArray firstBytes = dir.bytes();
        ASSERT_NE(firstBytes, secondBytes);

        QRandomGenerator random(7);
        int sawSecond = 0;
        for (int round = 0; round < 12; ++round) {
            const pid_t child = fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                // From the state the log is in, each write-back turns it into the other.
                for (int i = dir.bytes() == firstBytes;; ++i) row.write(dir.log(), i);
                _exit(0);
            }
            usleep(random.bounded(oneRewrite / 4, oneRewrite * 4));
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
            const QByteArray now = dir.bytes();
            ASSERT_TRUE(now == firstBytes || now == secondBytes) << round << ": " << now.size();
            if (now == secondBytes) ++sawSecond;
        }
        // Only a written-through rewrite can produce the second list; it must have happened.
        EXPECT_GT(sawSecond, 0);
    }
}

// An append killed at any moment, an import's block or one entry, leaves the log old or complete,
// every line ended by CR LF, once the next opening has taken back a cut one; another copy
// appending meanwhile loses nothing. After each kill the log is brought back, under the lock, to
// its old lines and the other copy's. KIVRA_KILLS and KIVRA_KILLED_LINES ask for more.
TEST(LongKilledAppend, LeavesEachBlockWholeOrGone) {
    const int kills = std::max(qEnvironmentVariableIntValue("KIVRA_KILLS"), 10),
              lines = std::max(qEnvironmentVariableIntValue("KIVRA_KILLED_LINES"), 200'000);
    for (const int size : {lines, 1}) {
        TempLogDir dir;
        const QStringList block = numberedLines(size, "NEW"), other = numberedLines(300, "OTHER"),
                          old = numberedLines(1000, "OLD"), all = old + block + other;
        const QSet<QString> known(all.begin(), all.end());
        ASSERT_TRUE(dir.log().writeEntries(old));
        QElapsedTimer timer;
        timer.start();
        ASSERT_TRUE(dir.log().appendEntries(block));
        const auto oneAppend = quint32(std::max<qint64>(timer.nsecsElapsed() / 1000, 2000));
        ASSERT_TRUE(dir.log().writeEntries(old));
        const pid_t otherCopy = fork();
        if (otherCopy == 0) {
            bool ok = true;
            for (const QString& line : other) ok = dir.log().appendEntry(line) && ok, usleep(3000);
            _exit(ok ? 0 : 1);
        }
        QRandomGenerator random(11);
        for (int round = 0; round < kills; ++round) {
            const pid_t child = fork();
            if (child == 0)
                _exit(size == 1 ? !dir.log().appendEntry(block[0])
                                : !dir.log().appendEntries(block));
            usleep(random.bounded(oneAppend / 8, oneAppend * 2));
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
            QByteArray bytes;
            QStringList read;
            ASSERT_TRUE(dir.log().locked([&] {
                bytes = dir.bytes(), read = test::LinesOf(dir.log());
                return dir.log().writeEntries(old + read.filter("OTHER"));
            }));
            std::map<QString, int> seen;
            for (const QString& line : std::as_const(read))
                ++seen[known.contains(line) ? line : QString()];
            ASSERT_TRUE(bytes.endsWith("\r\n") && !seen.contains(QString())) << round;
            ASSERT_LE(seen[block[0]], 1) << round;
            for (const QString& line : block) ASSERT_EQ(seen[line], seen[block[0]]) << round;
        }
        TakeLogNotices();
        int status = 1;
        waitpid(otherCopy, &status, 0);
        EXPECT_EQ(status, 0);
        const QStringList last = test::LinesOf(dir.log());
        for (const QString& line : other) EXPECT_EQ(last.count(line), 1) << size;
    }
}

// An undo record a dead copy left: an append that stopped short is taken back and told once; one
// written whole, or a log changed since, stays as it is. The record is cleared to its one size.
TEST(UndoRecord, TakesBackOnlyAnAppendCutShort) {
    const QByteArray old = "/old - kept\r\n";
    // What the log holds after its old bytes, what the record says the append was to write.
    const std::tuple<const char*, QByteArray, qint64, bool> rows[] = {
        {"cut in a line", "/new - cut sh", 40, true},
        {"nothing written yet", "", 40, true},
        {"written whole", "/new - whole\r\n", 14, false},
        {"changed since", "/new - more than the append wrote\r\n", 14, false},
    };
    for (const auto& [name, tail, appended, takenBack] : rows) {
        SCOPED_TRACE(name);
        TempLogDir dir;
        dir.writeBytes(old + tail);
        const QDateTime began = QDateTime::currentDateTimeUtc();
        // Padded past the size a record keeps, and unpadded, as an older copy left it.
        test::WriteFile(dir.logFile() + ".undo", UndoRecord{old.size(), old.size() + appended, 3,
                                                            UndoRecord::Kind::Import, began}
                                                     .encode()
                                                     .leftJustified(takenBack ? 300 : 0, '\0'));
        EXPECT_EQ(test::LinesOf(dir.log()).size(), takenBack ? 1 : 2);
        EXPECT_TRUE(dir.bytes() == (takenBack ? old : old + tail));
        EXPECT_EQ(TakeLogNotices().join(""),
                  !takenBack
                      ? ""
                      : QStringLiteral("An import of 3 entries was cut short on %1; the "
                                       "log was restored to its state before it.")
                            .arg(QLocale().toString(began.toLocalTime(), QLocale::ShortFormat)));
        EXPECT_EQ(test::FileBytes(dir.logFile() + ".undo"),
                  QByteArray(platform::kUndoRecordSize, '\0'));
        test::LinesOf(dir.log());
        EXPECT_EQ(TakeLogNotices(), QStringList());
    }
}

// A copy killed inside its write, by the file size limit, has its append taken back at the next
// opening: with the record made by that append, and with one kept from the append before.
TEST(UndoRecord, AWriteKilledHalfwayIsTakenBack) {
    const QStringList old = numberedLines(10, "OLD");
    const std::tuple<const char*, int, bool, const char*> rows[] = {
        {"an entry, the record made", 1, false, "An entry being written"},
        {"an entry, the record kept", 1, true, "An entry being written"},
        {"an import, the record made", 200, false, "An import of 200 entries"},
        {"an import, the record kept", 200, true, "An import of 200 entries"},
    };
    for (const auto& [name, size, kept, told] : rows) {
        SCOPED_TRACE(name);
        TempLogDir dir;
        ASSERT_TRUE(dir.log().writeEntries(old));
        if (kept) {
            ASSERT_TRUE(dir.log().appendEntry("/kept - once"));
        }
        const QByteArray before = dir.bytes();
        const QStringList block = numberedLines(size, "NEW");
        const pid_t child = fork();
        if (child == 0) {
            const rlimit none{0, 0}, limit{rlim_t(before.size() + 10), RLIM_INFINITY};
            setrlimit(RLIMIT_CORE, &none), signal(SIGXFSZ, SIG_DFL);
            setrlimit(RLIMIT_FSIZE, &limit);
            _exit(size == 1 ? !dir.log().appendEntry(block[0]) : !dir.log().appendEntries(block));
        }
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << status;
        EXPECT_EQ(dir.bytes().size(), before.size() + 10);
        EXPECT_EQ(test::LinesOf(dir.log()).size(), old.size() + kept);
        EXPECT_EQ(dir.bytes(), before);
        EXPECT_TRUE(TakeLogNotices().join("").startsWith(told));
    }
}

constexpr uid_t kOther = 65534;  // nobody: the user whom modes bind, where tests run as root
constexpr uid_t kThird = 1;      // daemon: someone else again

// Runs `work` as kOther in a child where `asOther`, else here (or in a child as the same user, with
// `inChild`); returns what it reports.
QString run(bool asOther, bool inChild, const std::function<QString()>& work) {
    if (!asOther && !inChild) return work();
    int ends[2];
    const pid_t child = pipe(ends) == 0 ? fork() : -1;
    if (child == 0) {
        const QByteArray said =
            asOther && (setgid(kOther) || setuid(kOther)) ? "no setuid" : work().toUtf8();
        _exit(write(ends[1], said.data(), said.size()) == said.size() ? 0 : 1);
    }
    close(ends[1]);
    QFile from;
    from.open(ends[0], QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    waitpid(child, nullptr, 0);
    return QString::fromUtf8(from.readAll());
}

void give(const QString& path, uid_t owner, mode_t mode) {
    lchown(QFile::encodeName(path), owner, owner);
    if (!QFileInfo(path).isSymLink()) chmod(QFile::encodeName(path), mode);
}

// A lock file of `owner`'s with `mode` (a FIFO where `fifo`), in a folder of kOther's.
auto lockOf(uid_t owner, mode_t mode, bool fifo = false) {
    return [=](const QString& folder, const QString& log, const QString&) {
        if (fifo)
            mkfifo(QFile::encodeName(log + ".lock"), 0600);
        else
            QFile(log + ".lock").open(QIODevice::WriteOnly);
        give(log + ".lock", owner, mode), give(folder, kOther, 0700);
    };
}

// The log's file with `suffix` made, and given to kOther.
auto othersFile(const char* suffix) {
    return [=](const QString&, const QString& log, const QString&) {
        QFile(log + suffix).open(QIODevice::WriteOnly), give(log + suffix, kOther, 0600);
    };
}

// Copies of the program at once, each with its own EntryLog on the one folder, as a user whom
// modes bind: two append while one rewrites what it reads, as "Return" does, until they are done.
// The lock file there is the user's but read-only: it is locked as it is, where taking turns on the
// log instead would let an append wait on a log the rewrite has just replaced.
TEST(LongTwoCopies, AppendingAndRewritingAtOnceLoseNothing) {
    constexpr int kEach = 1500;
    TempLogDir dir;
    dir.writeBytes("");
    lockOf(kOther, 0400)(dir.path(), dir.logFile(), {});  // the owners change only under root
    give(dir.logFile(), kOther, 0600);
    const QString failed = run(geteuid() == 0, false, [&dir] {
        int appending[2];
        std::vector<pid_t> children;
        for (const QString tag : {pipe(appending) ? "" : "A", "B", "rewrite"}) {
            if (const pid_t child = fork(); child != 0) {
                children.push_back(child);
                continue;
            }
            const EntryLog log(dir.path());
            const auto rewrite = [&log] { return log.writeEntries(test::LinesOf(log)); };
            bool ok = true;
            // Until both appenders, which hold the pipe's other end, are gone.
            if (tag == "rewrite") close(appending[1]);
            for (pollfd end{appending[0], POLLIN, 0}; tag == "rewrite" && poll(&end, 1, 0) == 0;)
                ok = ok && log.locked(rewrite), usleep(2000);
            // A pause, as between a user's actions, gives the others a turn.
            for (const QString& line : numberedLines(tag == "rewrite" ? 0 : kEach, tag))
                ok = ok && log.appendEntry(line), usleep(1000);
            _exit(ok ? 0 : 1);
        }
        close(appending[0]), close(appending[1]);
        QString said;
        for (const pid_t child : children) {
            int status = 0;
            waitpid(child, &status, 0);
            said += WIFEXITED(status) && WEXITSTATUS(status) == 0 ? "" : "failed ";
        }
        return said;
    });
    EXPECT_EQ(failed, "");
    QStringList lines = QString::fromLatin1(dir.bytes()).split("\r\n", Qt::SkipEmptyParts);
    QStringList expected = numberedLines(kEach, "A") + numberedLines(kEach, "B");
    lines.sort(), expected.sort();
    EXPECT_EQ(lines.size(), expected.size());
    EXPECT_TRUE(lines == expected);
}

// Where the log's folder, the log or the lock file is not the user's own, or the log is a link
// to what is not or passes through a folder someone else can change, nothing is read or written;
// links of the user's own are followed.
TEST(LogFolder, OnlyTheUsersOwnAreUsed) {
    if (geteuid() != 0) GTEST_SKIP() << "giving files to another user needs root";
    const char* const refused = "refused refused refused";
    const struct {
        const char* name;
        std::function<void(const QString& folder, const QString& log, const QString& other)>
            arrange;
        const char* outcome;  // append, rewrite, clear: ok or the first words of the message
        const char* says;     // in the first message, where there is one
        const char* other = "mine\r\n";  // what "other" holds at the end; null when not there
        bool asOther = false;
    } rows[] = {
        {"another's 0777 folder with a link to the user's file",
         [](auto& f, auto& l, auto& o) { QFile::link(o, l), give(f, kOther, 0777); }, refused,
         "belongs to another user"},
        {"the user's folder writable by all", [](auto& f, auto&, auto&) { give(f, 0, 0777); },
         refused, "chmod 700"},
        {"group-writable for a shared group",
         [](auto& f, auto&, auto&) { give(f, 0, 0770), chown(QFile::encodeName(f), 0, kOther); },
         refused, "the group of its folder"},
        {"group-writable for the user's own group", [](auto& f, auto&, auto&) { give(f, 0, 0770); },
         "ok ok ok", ""},
        {"the log belongs to another", othersFile(""), refused, "sudo chown root"},
        {"the lock file belongs to another", othersFile(".lock"), refused, "its lock file"},
        {"another's lock file that only its owner can write", lockOf(kThird, 0644), refused,
         "its lock file", "mine\r\n", true},
        {"the user's own lock file, read-only", lockOf(kOther, 0400), "ok ok ok", "", "mine\r\n",
         true},
        {"a FIFO as lock file", lockOf(kOther, 0600, true), refused, "is not an ordinary file",
         "mine\r\n", true},
        {"a link to the user's file, kept on clearing",
         [](auto&, auto& l, auto& o) { QFile::link(o, l); }, "ok ok ok", "", ""},
        {"a link to another's file",
         [](auto&, auto& l, auto& o) { QFile::link(o, l), give(o, kOther, 0666); }, refused,
         "which belongs to another user"},
        {"a link into another's folder, where a link to the user's file replaced the log",
         [](auto& f, auto& l, auto& o) {
             const QString shared = QFileInfo(f).path() + "/shared";
             QDir().mkpath(shared), QFile::link(shared + "/notes.dat", l);
             QFile::link(o, shared + "/notes.dat"), give(shared + "/notes.dat", kThird, 0);
             give(shared, kThird, 0755), give(l, kOther, 0), give(f, kOther, 0700);
             give(o, kOther, 0600);
         },
         refused, "leads into the folder", "mine\r\n", true},
        {"a dangling link", [](auto&, auto& l, auto& o) { QFile::remove(o), QFile::link(o, l); },
         refused, "which is not there", nullptr},
        {"the undo record belongs to another", othersFile(".undo"), refused, "its undo record"},
        {"a link as the undo record", [](auto&, auto& l, auto& o) { QFile::link(o, l + ".undo"); },
         refused, "is a symbolic link"},
        {"a read-only folder with a writable log",
         [](auto& f, auto& l, auto&) {
             QFile(l).open(QIODevice::WriteOnly), give(l, kOther, 0600), give(f, kOther, 0500);
         },
         "ok failed failed", "cannot be written to (Permission denied)", "mine\r\n", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir top;
        chmod(QFile::encodeName(top.path()), 0755);
        const QString folder = top.path() + "/Kivra32", log = folder + "/KVtemp.dat",
                      other = top.path() + "/elsewhere/file";
        QDir(top.path()).mkpath("elsewhere"), QDir(top.path()).mkpath("Kivra32");
        test::WriteFile(other, "mine\r\n");
        row.arrange(folder, log, other);
        const bool linked = QFileInfo(log).isSymLink();
        const QString report = run(row.asOther, false, [&folder] {
            const EntryLog entries(folder);
            QString outcome, first;
            for (const Result<void>& result :
                 {entries.appendEntry("a - 1"), entries.writeEntries({}), entries.deleteLog()}) {
                const QString said = test::Said(result);
                outcome += !result ? said.contains("is not used") ? "refused " : "failed " : "ok ";
                if (first.isEmpty()) first = said;
            }
            return outcome.trimmed() + '\n' + first;
        });
        EXPECT_TRUE(report.startsWith(row.outcome) && report.contains(row.says))
            << report.toStdString();
        EXPECT_EQ(test::FileBytes(other), row.other);
        EXPECT_EQ(QFileInfo(log).isSymLink(), linked);
    }
}

// A copy holding the lock is waited for, then named in the message; neither the lock file a killed
// copy leaves nor a link in its place stands in the way. In a folder that cannot be written the
// copies take turns on the log itself. Each row: a link at the lock file's place before (or
// nothing), whether the folder is read-only, and the report: the lock file's mode while held, then
// each append's first words.
TEST(TwoCopies, OnlyALiveCopyHoldsTheLog) {
    const std::tuple<const char*, const char*, bool, const char*> rows[] = {
        {"a live copy", nullptr, false, "600|busy|"},
        {"a dangling link", "gone", false, "|"},
        {"a live copy, read-only folder", nullptr, true, "none|busy|"},
    };
    for (const auto& [name, leftover, readOnlyFolder, expected] : rows) {
        if (readOnlyFolder && geteuid() != 0)
            GTEST_SKIP() << "a read-only folder binds only others than root";
        TempLogDir dir;
        dir.writeBytes("");
        const QString lock = dir.logFile() + ".lock";
        if (leftover) QFile::link(dir.path() + "/" + leftover, lock);
        if (readOnlyFolder) give(dir.logFile(), kOther, 0600), give(dir.path(), kOther, 0500);
        const QString report = run(readOnlyFolder, false, [&dir, &lock, leftover = leftover] {
            QString said;
            int held[2];
            pid_t holder = -1;
            if (!leftover && pipe(held) == 0 && (holder = fork()) == 0) {
                dir.log().locked(
                    [&held] { return write(held[1], "x", 1), pause(), Result<void>{}; });
                _exit(0);
            }
            if (holder > 0) {
                struct stat info {};
                read(held[0], &info, 1);
                said = stat(QFile::encodeName(lock), &info) == 0
                           ? QString::number(info.st_mode & 0777, 8)
                           : "none";
                const QString busy = test::Said(dir.log().appendEntry("x - y"));
                said += '|' + (busy.contains("another copy") ? QString("busy") : busy);
                kill(holder, SIGKILL);
                waitpid(holder, nullptr, 0);
            }
            return said + '|' + test::Said(dir.log().appendEntry("x - y"));
        });
        EXPECT_EQ(report, expected) << name;
        EXPECT_EQ(dir.bytes(), "x - y\r\n") << name;
        chmod(QFile::encodeName(dir.path()), 0700);
    }
}

// Logs bigger than the memory the program may take (an address-space limit, in a child): a sparse
// one of 6 GB with entries at its start and end, and one whose line of 2.3 GB comes first. The
// marks read them a slice at a time and find the entries; View Current's table, "Return" and Export
// refuse them, naming the size; nothing aborts and the log stays as it is. Under a limit that lets
// the second be mapped, Export writes its long line as text from the log and refuses it as RTF,
// naming the line's size, leaving the text in place.
TEST(LongBigLogs, AreMarkedAndRefusedWithTheirSize) {
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
    GTEST_SKIP() << "the sanitizer's shadow memory takes more address space than the limit leaves";
#endif
#endif
    // The holes are NUL bytes that take no room on the disk.
    for (const auto& [head, hole] : {std::pair<QByteArray, qint64>{"/first - 1\r\n", 6'000'000'000},
                                     {"/first - ", 2'300'000'000}}) {
        TempLogDir dir;
        QFile log(dir.logFile());
        ASSERT_TRUE(log.open(QIODevice::WriteOnly) && log.write(head) &&
                    log.resize(head.size() + hole));
        ASSERT_TRUE(log.seek(log.size()) && log.write("\r\n/last - 2\r\n") && log.flush());
        const QString out = dir.path() + "/export";
        const bool exported = hole < 3'000'000'000;
        const QString report = run(false, true, [&] {
            rlimit limit{qint64(2) << 30, qint64(6) << 30};
            DescriptionIndex notes;
            QString said =
                setrlimit(RLIMIT_AS, &limit) || !notes.load(dir.logFile()) ? "" : "marks";
            for (const char* path : {"/first", "/last"})
                said +=
                    QString::number(notes.lookUp(path, false, [](auto&) { return false; }).size());
            for (const Result<void>& result :
                 {EntryTable().load(dir.logFile()), EntryTable().rewrite(dir.log(), {}),
                  ExportBuffer().load(dir.logFile())})
                said += '\n' + test::Said(result);
            limit.rlim_cur = limit.rlim_max;
            ExportBuffer buffer;
            if (exported && setrlimit(RLIMIT_AS, &limit) == 0 && buffer.load(dir.logFile()))
                for (const auto type : {ExportBuffer::Text, ExportBuffer::Rtf})
                    said += '\n' + test::Said(buffer.save(out, type));
            return said;
        });
        const QString refusal = TooBigToHold(dir.logFile(), log.size()).message;
        const QString exports = "\n\nCannot write " + out + ": the log holds a line of " +
                                QLocale().formattedDataSize(head.size() + hole) +
                                ", too long to export";
        EXPECT_EQ(report, QStringList({"marks11", refusal, refusal, refusal}).join('\n') +
                              (exported ? exports : ""))
            << hole;
        EXPECT_EQ(QFileInfo(dir.logFile()).size(), log.size());
        EXPECT_EQ(QFileInfo(out).size(), exported ? log.size() : 0);  // the RTF left the text
    }
}

// "Return" with nothing deleted writes every line back as its own bytes, in its place.
TEST(OddLogs, NulBytesAndAMillionLinesRewrittenWithoutLoss) {
    QByteArray log("C:\\A\0B - de\0sc\r\n\0\r\n", 19);
    log.reserve(60'000'000);
    for (int i = 0; i < 1'000'000; ++i)
        log += "C:\\DL\\FILE" + QByteArray::number(i) + ".ZIP - a description\r\n";
    TempLogDir dir;
    dir.writeBytes(log);
    EntryTable table;
    ASSERT_TRUE(table.load(dir.log().logPath()));
    ASSERT_TRUE(table.rewrite(dir.log(), table.sorted(table.all())));
    EXPECT_TRUE(dir.bytes() == log);
}

// "Clear All" on a full disk: a trash entry that cannot be written whole leaves the log where it
// is, no stray record in the trash, and the reason in the message. The disk is full for real on a
// small tmpfs where one can be mounted, and faked by a file size limit elsewhere.
TEST(FullDisk, ATrashThatCannotTakeTheLogLeavesIt) {
    QTemporaryDir data;
    const QByteArray savedData = qgetenv("XDG_DATA_HOME"),
                     mountPoint = QFile::encodeName(data.path());
    qputenv("XDG_DATA_HOME", mountPoint);
    const auto restore = qScopeGuard([&] { qputenv("XDG_DATA_HOME", savedData); });
    for (const bool tmpfs : {false, true}) {
        SCOPED_TRACE(tmpfs ? "a full tmpfs" : "a file size limit");
        if (tmpfs && ::mount("kivra-full", mountPoint, "tmpfs", 0, "size=64k,mode=0700") != 0)
            continue;  // not root
        const auto unmount = qScopeGuard([&] { tmpfs&& ::umount(mountPoint); });
        const EntryLog log(data.path() + "/Kivra32");
        ASSERT_TRUE(log.appendEntry("/x - kept"));
        if (tmpfs) test::WriteFile(data.path() + "/filler", QByteArray(1 << 17, 'f'));
        test::FileSizeLimit limit(tmpfs ? RLIM_INFINITY : 16);
        const QString trashed = test::Said(log.trashLog());
        EXPECT_TRUE(
            trashed.contains(QString("%1 to the trash: %2")
                                 .arg(log.logPath(), tmpfs ? "No space left" : "File too large")))
            << trashed.toStdString();
        EXPECT_EQ(test::FileBytes(log.logPath()), "/x - kept\r\n");
        EXPECT_EQ(QDir(data.path() + "/Trash/info").entryList(QDir::Files), QStringList());
        EXPECT_EQ(QDir(data.path() + "/Trash/files").entryList(QDir::Files), QStringList());
    }
}

}  // namespace
}  // namespace kivra
