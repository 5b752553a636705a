#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>

#include "core/entry_log.h"
#include "ratio_reporter.h"
#include "view_current/current_entries_model.h"
#include "view_current/view_current_dialog.h"

namespace kivra::bench {

namespace {

// 80 characters, in no particular order and with mixed letter case, so sorting has work to do.
QByteArray logBytes(int count) {
    QByteArray bytes;
    bytes.reserve(qsizetype(count) * 82);
    quint32 seed = 12345;
    for (int i = 0; i < count; ++i) {
        seed = seed * 1664525u + 1013904223u;
        const QByteArray number = QByteArray::number(seed % 10'000'000).rightJustified(7, '0');
        QByteArray line =
            (seed & 0x100 ? "C:\\Download\\Archives\\file" : "c:\\DOWNLOAD\\archives\\FILE") +
            number + ".zip - setup of the scanner, version ";
        line += QByteArray::number(i % 97);
        bytes += line.leftJustified(80, '.', true);
        bytes += "\r\n";
    }
    return bytes;
}

// One log per size, written once and shared by the window and the sort(1) baseline.
struct SampleLog {
    QTemporaryDir dir;
    EntryLog log{dir.path()};
    QString file;

    explicit SampleLog(int count) {
        file = QDir(dir.path()).filePath(QLatin1StringView(EntryLog::kFileName));
        QFile out(file);
        if (out.open(QIODevice::WriteOnly)) out.write(logBytes(count));
    }
    static SampleLog& get(int count) {
        static std::map<int, std::unique_ptr<SampleLog>> logs;
        auto& slot = logs[count];
        if (!slot) slot = std::make_unique<SampleLog>(count);
        return *slot;
    }
};

// First show and fill, every entry sorted and in.
bool openOnce(const EntryLog& log, int expected) {
    const std::unique_ptr<ViewCurrentDialog> form = ViewCurrentDialog::fromLog(nullptr, log);
    if (!form) return false;
    form->show();
    // A large log fills in after the window shows.
    do {
        QApplication::processEvents();
    } while (form->entries().reading());
    return form->entries().rowCount() == expected;
}

void BM_ViewCurrentOpen(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const SampleLog& sample = SampleLog::get(count);
    for (auto _ : state) {
        if (!openOnce(sample.log, count)) state.SkipWithError("window not filled");
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_ViewCurrentOpen)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_SortFoldBaseline(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const QByteArray command = "LC_ALL=C.UTF-8 sort -f '" +
                               QFile::encodeName(SampleLog::get(count).file) + "' > /dev/null";
    for (auto _ : state) {
        if (std::system(command.constData()) != 0) state.SkipWithError("sort -f failed");
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_SortFoldBaseline)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

long peakKb() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// A fresh process, so the peak belongs to one opening alone.
void BM_ViewCurrentPeakMemory(benchmark::State& state) {
    constexpr int kCount = 1'000'000;
    const SampleLog& sample = SampleLog::get(kCount);
    long peak = -1;
    for (auto _ : state) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--view-current-peak=") + sample.dir.path()});
        if (!child.waitForFinished(600'000) || child.exitCode() != 0) {
            state.SkipWithError("measuring child failed");
            break;
        }
        peak = child.readAllStandardOutput().trimmed().toLong();
    }
    // At most one and a half times the log, plus 60 MB for the program itself.
    const double limitKb = 1.5 * double(QFileInfo(sample.file).size()) / 1024 + 60 * 1024;
    state.counters["peak_MB"] = double(peak) / 1024.0;
    state.counters["limit_MB"] = limitKb / 1024.0;
    if (double(peak) > limitKb) state.SkipWithError("peak memory over its limit");
}
BENCHMARK(BM_ViewCurrentPeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int runViewCurrentPeak(const QString& appDir) {
    const EntryLog log(appDir);
    if (!openOnce(log, 1'000'000)) return 1;
    std::printf("%ld\n", peakKb());
    return 0;
}

void registerViewCurrentRatios(RatioReporter& reporter) {
    reporter.addRatio("BM_ViewCurrentOpen/100000/real_time", "BM_SortFoldBaseline/100000/real_time",
                      0.6);
    reporter.addRatio("BM_ViewCurrentOpen/1000000/real_time",
                      "BM_SortFoldBaseline/1000000/real_time", 0.6);
}

}  // namespace kivra::bench
