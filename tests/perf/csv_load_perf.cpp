// Loading the 16 newest CSV files of ten-minute runs against merely reading the same files
// with fread, both in this run; the ratio and the load time are printed when the program ends.
// Twice: with the files in the page cache, where fread is a copy at memory speed, and with the
// cache emptied before each read, as after a reboot or once other work has pushed them out.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "base/format.h"
#include "base/prompt.h"
#include "results/result_set.h"
#include "tests/common/temp_game_folder.h"

namespace {

constexpr int kFiles = 16;
constexpr int kSubframesPerRun = 18000;  // ten minutes at thirty subframes a second

class NoPrompt : public tarvik::Prompt {
  public:
    tarvik::PromptAnswer Show(const std::string&, const std::string&,
                              tarvik::PromptButtons) override {
        return tarvik::PromptAnswer::Ok;
    }
};

// A game folder with 16 runs as the game writes them, made once and removed at exit.
class BenchmarkGameFolder {
  public:
    BenchmarkGameFolder() {
        std::mt19937 generator(2003u);
        std::uniform_real_distribution<double> frameTime(7.5, 40.0);
        for (int run = 0; run < kFiles; ++run) {
            const std::string name =
                tarvik::Format("UT2003-Bench-2026-12-10-04-%02d-07.csv", 10 + run);
            std::string text =
                "Unreal Tournament 2003 build 2225 benchmark\r\n"
                "Windows XP 5.1 (Build: 2600) Service Pack 1\r\n"
                "Intel(R) Pentium(R) 4 CPU 2.40GHz @ 2400 MHz\r\n"
                "NVIDIA GeForce4 Ti 4600\r\nFPS,\r\n"
                "dm-antalus?game=engine.gameinfo -exec=..\\Benchmark\\Stuff\\flybyexec.txt "
                "-benchmark -seconds=600 -nosound -1024x768\r\n"
                "Subframe statistics, one line per 1/30 s\r\n"
                "FrameTime(ms),FPS,Polys,Actors\r\n";
            for (int subframe = 0; subframe < kSubframesPerRun; ++subframe) {
                const double ms = frameTime(generator);
                text += tarvik::Format("%.6f,%.2f,%d,%d\r\n", ms, 1000.0 / ms,
                                       90000 + static_cast<int>(generator() % 60000),
                                       406 + static_cast<int>(generator() % 30));
            }
            text += "0,0,0,0\r\n";
            try {
                paths_.push_back(folder_.WriteCsv(name, text));
            } catch (const std::exception& error) {
                std::fprintf(stderr, "cannot write the benchmark files: %s\n", error.what());
                std::exit(1);
            }
        }
    }

    std::string path() const { return folder_.Path(); }
    const std::vector<std::string>& paths() const { return paths_; }

  private:
    tarvik::TempGameFolder folder_;
    std::vector<std::string> paths_;
};

const BenchmarkGameFolder& GameFolder() {
    static const BenchmarkGameFolder folder;
    return folder;
}

int LoadNewest(const BenchmarkGameFolder& game) {
    tarvik::ResultSet results;
    tarvik::SilentLoadObserver observer;
    NoPrompt prompt;
    // Listed here as the program lists before it loads, so the listing is timed too.
    results.LoadNewest(tarvik::CsvNamesOnDisk(game.path()), game.path(), tarvik::ResultSettings{},
                       observer, prompt);
    return results.Count();
}

// Reads every file whole into one buffer, as the fastest plain reading would.
std::size_t FreadAll(const BenchmarkGameFolder& game, std::vector<char>& buffer) {
    std::size_t total = 0;
    for (const std::string& path : game.paths()) {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        if (file == nullptr) {
            continue;
        }
        std::fseek(file, 0, SEEK_END);
        const long size = std::ftell(file);
        std::rewind(file);
        if (size > 0 && buffer.size() < static_cast<std::size_t>(size) + 1) {
            buffer.resize(static_cast<std::size_t>(size) + 1);
        }
        total += std::fread(buffer.data(), 1, buffer.size(), file);
        std::fclose(file);
    }
    return total;
}

void BM_CsvLoadNewest16(benchmark::State& state) {
    const BenchmarkGameFolder& game = GameFolder();
    for (auto _ : state) {
        benchmark::DoNotOptimize(LoadNewest(game));
    }
}

void BM_CsvFread16(benchmark::State& state) {
    const BenchmarkGameFolder& game = GameFolder();
    for (auto _ : state) {
        std::vector<char> buffer;
        benchmark::DoNotOptimize(FreadAll(game, buffer));
    }
}

struct PairedTotals {
    double loadSeconds = 0.0;
    double freadSeconds = 0.0;
    std::int64_t iterations = 0;
};

// The lines printed when the program ends, below the tables, from each paired benchmark's last
// (longest) run.
class RatioLines {
  public:
    ~RatioLines() {
        Print("", warm);
        Print("cold cache: ", cold);
    }

    PairedTotals warm;
    PairedTotals cold;

  private:
    static void Print(const char* label, const PairedTotals& totals) {
        if (totals.iterations == 0 || totals.freadSeconds <= 0.0) {
            return;
        }
        std::printf(
            "%scsv load / fread ratio: %.2f (goal <= 2.0); load time: %.2f ms (goal < 20 ms)\n",
            label, totals.loadSeconds / totals.freadSeconds,
            1000.0 * totals.loadSeconds / static_cast<double>(totals.iterations));
    }
};

RatioLines& LastPairedRuns() {
    static RatioLines lines;
    return lines;
}

// Asks the kernel to forget the files' cached pages, so that the next read comes from the disk.
void DropFromPageCache(const BenchmarkGameFolder& game) {
    for (const std::string& path : game.paths()) {
        const int descriptor = open(path.c_str(), O_RDONLY);
        if (descriptor < 0) {
            continue;
        }
        fdatasync(descriptor);  // only clean pages can be dropped
        posix_fadvise(descriptor, 0, 0, POSIX_FADV_DONTNEED);
        close(descriptor);
    }
}

enum class PageCache { kKept, kEmptied };

// Both, alternately, so that a busy machine slows them alike.
void RunPaired(benchmark::State& state, PageCache cache, PairedTotals& last) {
    using Clock = std::chrono::steady_clock;
    const BenchmarkGameFolder& game = GameFolder();
    PairedTotals totals;
    for (auto _ : state) {
        if (cache == PageCache::kEmptied) {
            DropFromPageCache(game);
        }
        const auto start = Clock::now();
        {
            std::vector<char> buffer;
            benchmark::DoNotOptimize(FreadAll(game, buffer));
        }
        const auto middle = Clock::now();
        if (cache == PageCache::kEmptied) {
            DropFromPageCache(game);
        }
        const auto loadStart = Clock::now();
        benchmark::DoNotOptimize(LoadNewest(game));
        const auto end = Clock::now();
        totals.freadSeconds += std::chrono::duration<double>(middle - start).count();
        totals.loadSeconds += std::chrono::duration<double>(end - loadStart).count();
        ++totals.iterations;
    }
    state.counters["ratio"] =
        totals.freadSeconds > 0 ? totals.loadSeconds / totals.freadSeconds : 0.0;
    last = totals;
}

void BM_CsvLoadVersusFread(benchmark::State& state) {
    RunPaired(state, PageCache::kKept, LastPairedRuns().warm);
}

void BM_CsvColdLoadVersusFread(benchmark::State& state) {
    RunPaired(state, PageCache::kEmptied, LastPairedRuns().cold);
}

BENCHMARK(BM_CsvLoadNewest16)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_CsvFread16)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_CsvLoadVersusFread)->Unit(benchmark::kMillisecond)->MinTime(2.0);
// Timed by hand: the dropping between the two halves must not count.
BENCHMARK(BM_CsvColdLoadVersusFread)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
