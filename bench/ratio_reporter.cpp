#include "ratio_reporter.h"

#include <cstdio>

namespace kivra::bench {

void RatioReporter::addRatio(std::string measured, std::string baseline, double limit) {
    pairs_.push_back({std::move(measured), std::move(baseline), limit});
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        // A benchmark timing two things in turns reports each as a counter, by its median.
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
            for (const auto& [name, counter] : run.counters)
                timePerIteration_[run.run_name.str() + ':' + name] = counter.value;
        if (run.run_type != Run::RT_Iteration || run.iterations == 0) continue;
        timePerIteration_[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
}

void RatioReporter::Finalize() {
    ConsoleReporter::Finalize();
    std::printf("\n%-40s %-40s %8s %8s\n", "measured", "baseline", "ratio", "limit");
    for (const Pair& pair : pairs_) {
        const auto measured = timePerIteration_.find(pair.measured);
        const auto baseline = timePerIteration_.find(pair.baseline);
        if (measured == timePerIteration_.end() || baseline == timePerIteration_.end()) {
            std::printf("%-40s %-40s %8s %8.2f\n", pair.measured.c_str(), pair.baseline.c_str(),
                        "not run", pair.limit);
            continue;
        }
        const double ratio = measured->second / baseline->second;
        const bool ok = ratio <= pair.limit;
        withinLimits_ = withinLimits_ && ok;
        std::printf("%-40s %-40s %8.2f %8.2f%s\n", pair.measured.c_str(), pair.baseline.c_str(),
                    ratio, pair.limit, ok ? "" : "  OVER");
    }
    std::fflush(stdout);
}

}  // namespace kivra::bench
