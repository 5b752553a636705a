#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "ratio_reporter.h"

namespace kivra::bench {
// Each benchmark file registers its ratios here.
void registerEntryLogRatios(RatioReporter& reporter);
}  // namespace kivra::bench

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

    kivra::bench::RatioReporter reporter;
    kivra::bench::registerEntryLogRatios(reporter);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.allWithinLimits() ? 0 : 2;
}
