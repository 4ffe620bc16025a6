#pragma once
// Runs the registered benchmarks, then prints each figure beside its baseline from the same
// run: a benchmark's result is only worth reading next to what the machine does anyway.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace zerlith::bench {

class CollectingReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration) {
                seconds_[run.benchmark_name()] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    // Seconds per iteration of the named benchmark, or -1 when it did not run.
    double seconds(const std::string& name) const {
        const auto it = seconds_.find(name);
        return it == seconds_.end() ? -1 : it->second;
    }

  private:
    std::map<std::string, double> seconds_;
};

struct Comparison {
    std::string what;
    std::string measured;  // benchmark name
    std::string baseline;  // benchmark name
    std::string target;    // what the figure should meet, as printed
};

inline int run_and_compare(int argc, char** argv, const std::vector<Comparison>& comparisons) {
    benchmark::Initialize(&argc, argv);
    CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n%-44s %12s %12s %8s %8s\n", "figure", "measured", "baseline", "ratio", "target");
    for (const Comparison& c : comparisons) {
        const double m = reporter.seconds(c.measured);
        const double b = reporter.seconds(c.baseline);
        if (m < 0 || b <= 0)
            continue;
        std::printf("%-44s %10.3f ms %10.3f ms %8.2f   %s\n", c.what.c_str(), m * 1e3, b * 1e3,
                    m / b, c.target.c_str());
    }
    benchmark::Shutdown();
    return 0;
}

}  // namespace zerlith::bench
