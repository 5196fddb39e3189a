// CRC-32 throughput against zlib's crc32 on the same 16 MiB buffer, with the ratio printed
// from the same run. This file also holds the perf program's main(): further perf files only
// register benchmarks.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "sysinfo/crc32.h"

namespace {

constexpr std::size_t kBufferSize = 16u << 20;

const std::vector<unsigned char>& Buffer() {
    static const std::vector<unsigned char> buffer = [] {
        std::vector<unsigned char> bytes(kBufferSize);
        std::mt19937 generator(2003u);
        for (auto& byte : bytes) {
            byte = static_cast<unsigned char>(generator());
        }
        return bytes;
    }();
    return buffer;
}

std::uint32_t ZlibCrc32(const std::vector<unsigned char>& bytes) {
    return static_cast<std::uint32_t>(crc32_z(0, bytes.data(), bytes.size()));
}

void BM_TarvikCrc32(benchmark::State& state) {
    const auto& bytes = Buffer();
    for (auto _ : state) {
        benchmark::DoNotOptimize(tarvik::Crc32OfBytes(bytes.data(), bytes.size()));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes.size()));
}

void BM_ZlibCrc32(benchmark::State& state) {
    const auto& bytes = Buffer();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ZlibCrc32(bytes));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes.size()));
}

// The portable loop that processors without carry-less multiplication get.
void BM_SlicedCrc32(benchmark::State& state) {
    const auto& bytes = Buffer();
    for (auto _ : state) {
        benchmark::DoNotOptimize(tarvik::crc32_detail::SlicedCrc32(bytes.data(), bytes.size(), 0));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes.size()));
}

// The plain per-byte table loop, for scale.
void BM_PerByteTableCrc32(benchmark::State& state) {
    const auto& bytes = Buffer();
    tarvik::CCrc32Dynamic crc;
    crc.BuildTable();
    const tarvik::Crc32Table& table = *crc.Table();
    for (auto _ : state) {
        std::uint32_t value = 0xFFFFFFFFu;
        for (const unsigned char byte : bytes) {
            value = table[(value ^ byte) & 0xFFu] ^ (value >> 8);
        }
        benchmark::DoNotOptimize(~value);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes.size()));
}

BENCHMARK(BM_TarvikCrc32)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_ZlibCrc32)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_SlicedCrc32)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_PerByteTableCrc32)->Unit(benchmark::kMillisecond);

// Prints as usual and keeps each benchmark's throughput for the ratios.
class ThroughputReporter : public benchmark::ConsoleReporter {
  public:
    // Plain text: the output usually ends up in a log.
    ThroughputReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const auto counter = run.counters.find("bytes_per_second");
            if (!run.error_occurred && counter != run.counters.end()) {
                bytesPerSecond[run.benchmark_name()] = counter->second.value;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    std::map<std::string, double> bytesPerSecond;
};

}  // namespace

int main(int argc, char** argv) {
    const auto& bytes = Buffer();
    const std::uint32_t ours = tarvik::Crc32OfBytes(bytes.data(), bytes.size());
    const std::uint32_t zlib = ZlibCrc32(bytes);
    if (ours != zlib) {
        std::fprintf(stderr, "crc32 mismatch: tarvik %08X, zlib %08X\n", ours, zlib);
        return 1;
    }

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    ThroughputReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto ratio = [&reporter](const char* name, const char* baseline) {
        const auto& rates = reporter.bytesPerSecond;
        const auto ours = rates.find(name);
        const auto theirs = rates.find(baseline);
        if (ours == rates.end() || theirs == rates.end() || theirs->second <= 0) {
            return -1.0;
        }
        return ours->second / theirs->second;
    };
    const double chosen = ratio("BM_TarvikCrc32/min_time:1.000", "BM_ZlibCrc32/min_time:1.000");
    if (chosen >= 0) {
        std::printf("crc32 / zlib throughput ratio: %.2f (goal >= 1.0)\n", chosen);
    }
    const double sliced = ratio("BM_SlicedCrc32/min_time:1.000", "BM_ZlibCrc32/min_time:1.000");
    if (sliced >= 0) {
        std::printf("portable sliced crc32 / zlib throughput ratio: %.2f\n", sliced);
    }
    return 0;
}
