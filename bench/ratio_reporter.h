#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace kivra::bench {

// Console output plus, at the end, each measured benchmark against its baseline from the same
// run: a ratio means something on any machine, a time alone does not.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // `measured` / `baseline` should stay under `limit`.
    void addRatio(std::string measured, std::string baseline, double limit);

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

    // False when a ratio is over its limit or a benchmark of a pair did not run.
    bool allWithinLimits() const { return withinLimits_; }

private:
    struct Pair {
        std::string measured;
        std::string baseline;
        double limit;
    };
    std::vector<Pair> pairs_;
    std::map<std::string, double> timePerIteration_;
    bool withinLimits_ = true;
};

}  // namespace kivra::bench
