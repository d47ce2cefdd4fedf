// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store at scale: parsing hives of 10^3..10^5 keys (linear
// time expected), and the start-up read of the settings record from a store
// whose machine hive holds 10^5 keys.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/app_defaults.h"
#include "platform/reg_file_format.h"
#include "platform/reg_hive_store.h"

namespace {

namespace fs = std::filesystem;
using namespace tessarine;

// A hive of `keys` keys with one value each, the settings key last (the
// worst place for a scan).
std::string HiveText(int keys) {
    std::string text(kHiveHeader);
    text += "\n";
    for (int i = 0; i + 1 < keys; ++i) {
        text += "\n[HKEY_LOCAL_MACHINE\\Software\\Vendor" + std::to_string(i) + "\\Product]\n";
        text += "\"Setting\"=dword:" + std::to_string(10000000 + i) + "\n";
    }
    text += "\n[HKEY_LOCAL_MACHINE\\Software\\Tessarine]\n";
    text += "\"AppDefaultsRec\"=hex:02,00,00,00,00,01,00,00\n";
    return text;
}

void BM_ParseHive(benchmark::State& state) {
    const std::string text = HiveText(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(ParseHive(text));
    }
    state.SetComplexityN(state.range(0));
    state.counters["MB"] = static_cast<double>(text.size()) / 1e6;
}
BENCHMARK(BM_ParseHive)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

class HiveDir {
  public:
    explicit HiveDir(int keys) {
        std::string pattern = (fs::temp_directory_path() / "tessarine-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
        dir_ = pattern;
        std::ofstream(dir_ / "HKEY_LOCAL_MACHINE.reg", std::ios::binary) << HiveText(keys);
    }
    ~HiveDir() { fs::remove_all(dir_); }
    HiveDir(const HiveDir&) = delete;
    HiveDir& operator=(const HiveDir&) = delete;

    HiveLocations Locations() const {
        return HiveLocations{dir_ / "HKEY_LOCAL_MACHINE.reg", dir_ / "HKEY_CURRENT_USER.reg", {}};
    }

  private:
    fs::path dir_;
};

// What the window does at start-up: a fresh store, the record read.
void BM_StartupReadSettings(benchmark::State& state) {
    const HiveDir dir(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        RegHiveStore store(dir.Locations());
        AppDefaultsRec rec;
        ReadSettings(store, rec);
        if (rec.ColorSetCode != 2) state.SkipWithError("the record did not read back");
    }
}
BENCHMARK(BM_StartupReadSettings)->Arg(100000)->Unit(benchmark::kMillisecond);

// A colour-set choice on that hive: lock, cached read, rewrite, fsync, rename.
void BM_WriteSettings(benchmark::State& state) {
    const HiveDir dir(static_cast<int>(state.range(0)));
    RegHiveStore store(dir.Locations());
    AppDefaultsRec rec;
    ReadSettings(store, rec);
    for (auto _ : state) {
        rec.ColorSetCode = (rec.ColorSetCode + 1) % 3;
        WriteSettings(store, rec);
    }
}
BENCHMARK(BM_WriteSettings)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
