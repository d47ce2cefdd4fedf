// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs the registered benchmarks interleaved and repeated, then prints each
// of ours beside its anchor measured in the same run: the ratio of median
// wall times per iteration against a target. The exit status is 1 when a
// ratio misses its target, so a script or a person can tell at a glance.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace bench_report {

struct Ratio {
    std::string ours;
    std::string anchor;
    double target = 1.0;  // 0: shown for information, no verdict
};

class CollectingReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
                times_[run.run_name.function_name].push_back(run.GetAdjustedRealTime());
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Median time per iteration, or a negative value when it never ran.
    double Median(const std::string& name) const {
        const auto found = times_.find(name);
        if (found == times_.end() || found->second.empty()) return -1.0;
        std::vector<double> times = found->second;
        std::sort(times.begin(), times.end());
        const std::size_t middle = times.size() / 2;
        return times.size() % 2 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
    }

  private:
    std::map<std::string, std::vector<double>> times_;
};

inline int RunAndCompare(int argc, char** argv, const std::vector<Ratio>& ratios) {
    // Repeated and shuffled unless told otherwise, so that a busy moment of
    // the machine falls on both sides alike.
    std::vector<char*> args(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=9";
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    const bool told = std::any_of(args.begin() + 1, args.end(), [](const char* arg) {
        return std::string(arg).rfind("--benchmark_repetitions", 0) == 0;
    });
    if (!told) {
        args.push_back(repetitions.data());
        args.push_back(interleave.data());
    }
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 2;
    CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    int status = 0;
    std::printf("\n%-34s %-34s %7s %7s\n", "ours", "anchor", "ratio", "target");
    for (const Ratio& ratio : ratios) {
        const double ours = reporter.Median(ratio.ours);
        const double anchor = reporter.Median(ratio.anchor);
        if (ours < 0 || anchor <= 0) continue;  // filtered out of this run
        const double value = ours / anchor;
        if (ratio.target <= 0) {
            std::printf("%-34s %-34s %7.2f %7s\n", ratio.ours.c_str(), ratio.anchor.c_str(), value,
                        "-");
            continue;
        }
        const bool met = value <= ratio.target;
        std::printf("%-34s %-34s %7.2f %7.2f  %s\n", ratio.ours.c_str(), ratio.anchor.c_str(),
                    value, ratio.target, met ? "PASS" : "MISS");
        if (!met) status = 1;
    }
    return status;
}

}  // namespace bench_report
