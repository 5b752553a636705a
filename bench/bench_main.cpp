#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstring>

#include "ratio_reporter.h"

namespace kivra::bench {
// Each benchmark file registers its ratios here.
void registerEntryLogRatios(RatioReporter& reporter);
void registerViewCurrentRatios(RatioReporter& reporter);
// The child process of the View Current memory benchmark.
int runViewCurrentPeak(const QString& appDir);
}  // namespace kivra::bench

int main(int argc, char** argv) {
    // The windows under test need no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    constexpr char kPeakChild[] = "--view-current-peak=";
    if (argc == 2 && std::strncmp(argv[1], kPeakChild, sizeof kPeakChild - 1) == 0)
        return kivra::bench::runViewCurrentPeak(
            QString::fromLocal8Bit(argv[1] + sizeof kPeakChild - 1));

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

    kivra::bench::RatioReporter reporter;
    kivra::bench::registerEntryLogRatios(reporter);
    kivra::bench::registerViewCurrentRatios(reporter);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.allWithinLimits() ? 0 : 2;
}
