#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <fstream>
#include <string>
#include <vector>

#include "core/abbreviate_path.h"
#include "core/entry_log.h"
#include "core/note_import.h"
#include "platform/file_writes.h"
#include "ratio_reporter.h"

namespace kivra::bench {

namespace {

constexpr int kLines = 1'000'000;

// About 80 characters: a Windows path, " - " and a description.
QString sampleLine(int i) {
    return QStringLiteral("C:\\DOWNLOAD\\ARCHIVES\\FILE%1.ZIP - setup of the scanner, version %2")
        .arg(i, 7, 10, QLatin1Char('0'))
        .arg(i % 97);
}

QStringList sampleLines(int count) {
    QStringList lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i) lines.append(sampleLine(i));
    return lines;
}

// One directory with a log of kLines lines, shared by the read benchmarks.
struct LargeLog {
    QTemporaryDir dir;
    EntryLog log{dir.path()};
    std::string file;

    LargeLog() {
        log.writeEntries(sampleLines(kLines));
        file = QDir(dir.path()).filePath("KVtemp.dat").toStdString();
        // Warm up, as a second opening in the running program would be.
        log.readEntries();
    }
    static LargeLog& get() {
        static LargeLog instance;
        return instance;
    }
};

// A string per line, as ReadEntries gives: the list a getline loop makes of the log.
std::vector<std::string> getlineLines(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(std::move(line));
    return lines;
}

// ReadEntries and the getline loop in turns, within every iteration, so both meet the machine
// alike; five repetitions, compared by the medians of the milliseconds each takes.
void BM_ReadEntriesInTurns(benchmark::State& state) {
    const LargeLog& large = LargeLog::get();
    using Clock = std::chrono::steady_clock;
    Clock::duration ours{}, baseline{};
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        benchmark::DoNotOptimize(getlineLines(large.file));
        const Clock::time_point between = Clock::now();
        {
            const Result<QStringList> read = large.log.readEntries();
            if (!read || read->size() != kLines) state.SkipWithError("wrong line count");
            benchmark::DoNotOptimize(read);
        }
        const Clock::time_point end = Clock::now();
        baseline += between - start;
        ours += end - between;
    }
    const auto perIteration = [&state](Clock::duration total) {
        return std::chrono::duration<double, std::milli>(total).count() / state.iterations();
    };
    state.counters["ReadEntries"] = perIteration(ours);
    state.counters["getline"] = perIteration(baseline);
}
BENCHMARK(BM_ReadEntriesInTurns)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);

// Writing the same bytes with std::ofstream, the floor for WriteEntries.
void BM_OfstreamBaseline(benchmark::State& state) {
    const QStringList lines = sampleLines(kLines);
    std::string bytes;
    for (const QString& line : lines) bytes += line.toStdString() + "\r\n";
    QTemporaryDir dir;
    const std::string file = QDir(dir.path()).filePath("copy.dat").toStdString();
    for (auto _ : state) {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
}
BENCHMARK(BM_OfstreamBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WriteEntries(benchmark::State& state) {
    const QStringList lines = sampleLines(kLines);
    QTemporaryDir dir;
    const EntryLog log(dir.path());
    for (auto _ : state) {
        if (!log.writeEntries(lines)) state.SkipWithError("write failed");
    }
}
BENCHMARK(BM_WriteEntries)->Unit(benchmark::kMillisecond)->UseRealTime();

// The argument is the log's size in lines before the appends start.
void BM_AppendEntry(benchmark::State& state) {
    QTemporaryDir dir;
    const EntryLog log(dir.path());
    log.writeEntries(sampleLines(static_cast<int>(state.range(0))));
    const QString line = sampleLine(42);
    for (auto _ : state) {
        if (!log.appendEntry(line)) state.SkipWithError("append failed");
    }
}
BENCHMARK(BM_AppendEntry)->Arg(0)->Arg(kLines)->Unit(benchmark::kMicrosecond)->UseRealTime();

// An append as it was before the undo record, the baseline of ours: under the lock, encoded, one
// write, synced.
Result<void> appendWithoutRecord(const EntryLog& log, const QStringList& lines) {
    return log.locked([&]() -> Result<void> {
        QByteArray bytes;
        for (const QString& line : lines) EncodeLogLine(line, bytes);
        QFile file;
        if (const Result<void> opened = OpenLogFile(
                file, QDir(log.appDir()).filePath(QLatin1StringView(EntryLog::kFileName)),
                QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered);
            !opened)
            return opened;
        if (file.write(bytes) != bytes.size() || !platform::SyncToDisk(file))
            return Failure{file.errorString(), {}};
        return {};
    });
}

// Ours and the baseline in turns within each iteration, which goes first alternating, each on a
// log of its own: one entry added to a growing log, or an import's block of the argument's lines
// to a log of 1,000.
void BM_AppendInTurns(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    QTemporaryDir oursDir, beforeDir;
    const EntryLog ours(oursDir.path()), before(beforeDir.path());
    const QStringList start = sampleLines(1000),
                      block = sampleLines(static_cast<int>(state.range(0)));
    Clock::duration oursTime{}, beforeTime{};
    bool oursFirst = true;
    for (auto _ : state) {
        for (const bool side : {oursFirst, !oursFirst}) {
            const EntryLog& log = side ? ours : before;
            if (block.size() > 1) log.writeEntries(start);
            const Clock::time_point began = Clock::now();
            const bool ok = !side               ? bool(appendWithoutRecord(log, block))
                            : block.size() == 1 ? bool(log.appendEntry(block[0]))
                                                : bool(log.appendEntries(block));
            (side ? oursTime : beforeTime) += Clock::now() - began;
            if (!ok) state.SkipWithError("append failed");
        }
        oursFirst = !oursFirst;
    }
    const auto perIteration = [&state](Clock::duration total) {
        return std::chrono::duration<double, std::milli>(total).count() / state.iterations();
    };
    state.counters["ours"] = perIteration(oursTime);
    state.counters["before"] = perIteration(beforeTime);
}
BENCHMARK(BM_AppendInTurns)
    ->Arg(1)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5);

void BM_AbbreviatePath(benchmark::State& state) {
    const QString path =
        "C:\\DOWNLOAD\\ARCHIVES\\UTILITIES\\DISK TOOLS\\DEFRAGMENTER\\VERSION 2\\SETUP.EXE";
    for (auto _ : state) benchmark::DoNotOptimize(AbbreviatePath(path, 64));
}
BENCHMARK(BM_AbbreviatePath);

// A DESCRIPT.ION of 5,000 lines in CP866, as a DOS file manager left it.
const QString& descriptIon() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = QDir(dir.path()).filePath("DESCRIPT.ION");
        QByteArray bytes;
        QStringEncoder oem("CP866");
        for (int i = 0; i < 5000; ++i)
            bytes += oem.encode(QStringLiteral("file%1.zip основная часть %1, версия 2\r\n").arg(i))
                         .
                         operator QByteArray();
        QFile out(file);
        if (out.open(QIODevice::WriteOnly)) out.write(bytes);
        return file;
    }();
    return path;
}

// Import with its code page detected, against the same file read as imports read before there
// was a choice: UTF-8 where valid, else Windows-1252, no detection.
void BM_ImportDetected(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(PlanImport({descriptIon()}, {}, {}));
}
BENCHMARK(BM_ImportDetected)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ImportUndetected(benchmark::State& state) {
    const CodePages given{{QDir::toNativeSeparators(descriptIon()), kUtf8}};
    for (auto _ : state) benchmark::DoNotOptimize(PlanImport({descriptIon()}, {}, {}, given));
}
BENCHMARK(BM_ImportUndetected)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

void registerEntryLogRatios(RatioReporter& reporter) {
    reporter.addRatio("BM_ReadEntriesInTurns/repeats:5/real_time:ReadEntries",
                      "BM_ReadEntriesInTurns/repeats:5/real_time:getline", 1.5);
    reporter.addRatio("BM_WriteEntries/real_time", "BM_OfstreamBaseline/real_time", 5.0);
    // A large log must not make an append slower.
    reporter.addRatio("BM_AppendEntry/1000000/real_time", "BM_AppendEntry/0/real_time", 2.0);
    // The undo record keeps every append all or none for a fifth more at most.
    for (const char* size : {"1", "100000"})
        reporter.addRatio(std::string("BM_AppendInTurns/") + size + "/repeats:5/real_time:ours",
                          std::string("BM_AppendInTurns/") + size + "/repeats:5/real_time:before",
                          1.2);
    reporter.addRatio("BM_ImportDetected/real_time", "BM_ImportUndetected/real_time", 1.2);
}

}  // namespace kivra::bench
