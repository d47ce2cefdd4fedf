// SPDX-License-Identifier: GPL-3.0-or-later
// The date arithmetic beside the standard library's calendar conversions,
// over every day of the supported span, both reading the same fields.

#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

#include "calendar/date_serial.h"
#include "ratio_report.h"

namespace {

namespace chr = std::chrono;
using tessarine::DateFields;
using tessarine::DateSerial;

constexpr chr::sys_days kOrigin = chr::sys_days{chr::year{1899} / 12 / 30};

const std::vector<DateFields>& Fields() {
    static const std::vector<DateFields> fields = [] {
        std::vector<DateFields> out;
        for (DateSerial s = tessarine::kMinSupportedDate; s <= tessarine::kMaxSupportedDate; ++s) {
            out.push_back(tessarine::DecodeDateSerial(s));
        }
        return out;
    }();
    return fields;
}

chr::year_month_day ChronoDate(const DateFields& f) {
    return chr::year_month_day{chr::year{f.year}, chr::month{f.month}, chr::day{f.day}};
}

void Encode(benchmark::State& state) {
    const auto& fields = Fields();
    for (auto _ : state) {
        for (const DateFields& f : fields) {
            benchmark::DoNotOptimize(tessarine::EncodeDateSerial(f.year, f.month, f.day));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(fields.size()));
}
BENCHMARK(Encode);

void ChronoEncode(benchmark::State& state) {
    const auto& fields = Fields();
    for (auto _ : state) {
        for (const DateFields& f : fields) {
            benchmark::DoNotOptimize(
                static_cast<DateSerial>((chr::sys_days{ChronoDate(f)} - kOrigin).count()));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(fields.size()));
}
BENCHMARK(ChronoEncode);

// EncodeDateSerial rejects fields that name no date; this is the standard
// library doing the same check before converting.
void ChronoEncodeChecked(benchmark::State& state) {
    const auto& fields = Fields();
    for (auto _ : state) {
        for (const DateFields& f : fields) {
            const chr::year_month_day d = ChronoDate(f);
            if (!d.ok()) state.SkipWithError("invalid date");
            benchmark::DoNotOptimize(static_cast<DateSerial>((chr::sys_days{d} - kOrigin).count()));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(fields.size()));
}
BENCHMARK(ChronoEncodeChecked);

void Decode(benchmark::State& state) {
    const auto count = static_cast<std::int64_t>(Fields().size());
    for (auto _ : state) {
        for (DateSerial s = tessarine::kMinSupportedDate; s <= tessarine::kMaxSupportedDate; ++s) {
            benchmark::DoNotOptimize(tessarine::DecodeDateSerial(s));
        }
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(Decode);

void ChronoDecode(benchmark::State& state) {
    const auto count = static_cast<std::int64_t>(Fields().size());
    for (auto _ : state) {
        for (DateSerial s = tessarine::kMinSupportedDate; s <= tessarine::kMaxSupportedDate; ++s) {
            benchmark::DoNotOptimize(
                chr::year_month_day{kOrigin + chr::days{static_cast<long>(s)}});
        }
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(ChronoDecode);

void JulianDayNumber(benchmark::State& state) {
    const auto& fields = Fields();
    for (auto _ : state) {
        for (const DateFields& f : fields) {
            benchmark::DoNotOptimize(
                tessarine::ChronologicalJulianDayNumber(f.year, f.month, f.day));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(fields.size()));
}
BENCHMARK(JulianDayNumber);

// The same number through the standard library: days since the epoch plus
// the Julian Day Number of 1970-01-01.
void ChronoJulianDayNumber(benchmark::State& state) {
    const auto& fields = Fields();
    for (auto _ : state) {
        for (const DateFields& f : fields) {
            benchmark::DoNotOptimize(static_cast<std::int32_t>(
                chr::sys_days{ChronoDate(f)}.time_since_epoch().count() + 2440588));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(fields.size()));
}
BENCHMARK(ChronoJulianDayNumber);

}  // namespace

// Encoding checks its fields, so it is held to the standard library doing
// the same check; the unchecked conversion is shown beside it.
int main(int argc, char** argv) {
    return bench_report::RunAndCompare(argc, argv,
                                       {{"Encode", "ChronoEncodeChecked", 1.0},
                                        {"Encode", "ChronoEncode", 0},
                                        {"Decode", "ChronoDecode", 1.0},
                                        {"JulianDayNumber", "ChronoJulianDayNumber", 1.0}});
}
