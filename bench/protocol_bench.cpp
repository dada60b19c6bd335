// SPDX-License-Identifier: Apache-2.0
// Socket-layer goals, measured side by side in one run:
//   DiscoveryScanIdle  - CPU share of one scan that nobody answers (goal: under 2 % of its wall time)
//   AbortLatency       - time from NetSocketAbort to the waiting receive's return (goal: under 5 ms)
//   UploadSoftwareBlock vs RawTcpTransfer - the same bytes over loopback (goal: the upload's median at most
//   1.2x raw's, printed at the end as a ratio of the medians of the repetitions of one run); the parts of an
//   upload: SendPreparedBlock (the exchange of a built block, with one checksum pass) and
//   PrepareSoftwareBlock (the one checksum pass an upload makes)
#include "mock_peer.h"
#include "protocol/discovery.h"
#include "protocol/event.h"
#include "protocol/message_header.h"
#include "protocol/net_socket.h"
#include "protocol/socket_address.h"
#include "protocol/station_exchanges.h"

#include <algorithm>
#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <string>
#include <sys/resource.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace corvane {
namespace {

using Clock = std::chrono::steady_clock;
using testing::MockPeer;

double ProcessCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double Seconds(Clock::duration duration) {
    return std::chrono::duration<double>(duration).count();
}

// One whole scan (two passes, each ending with a 2 s receive time-out) against a port that never answers.
void DiscoveryScanIdle(benchmark::State& state) {
    testing::DatagramPeer silent;
    double cpu = 0;
    double wall = 0;
    for (auto _ : state) {
        const double cpuBefore = ProcessCpuSeconds();
        const auto start = Clock::now();
        Discovery discovery;
        StartDiscovery(
            discovery, [](std::unique_ptr<ConfigRecord>&) { return true; }, "127.0.0.1", silent.Port());
        WaitForScanEnd(discovery);
        StopDiscovery(discovery);
        const double elapsed = Seconds(Clock::now() - start);
        state.SetIterationTime(elapsed);
        wall += elapsed;
        cpu += ProcessCpuSeconds() - cpuBefore;
    }
    state.counters["cpu_share_pct"] = 100.0 * cpu / wall;
}
BENCHMARK(DiscoveryScanIdle)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

// A receive with no time-out blocks on a silent connection; another thread aborts it.
void AbortLatency(benchmark::State& state) {
    Event stop(Event::ResetMode::Manual);
    MockPeer peer({[&stop](int) { stop.Wait(); }});
    NetSocket* socket = nullptr;
    NetSocketCreate(kFamilyInternet, kSocketStream, 0, &socket);
    NetSocketConnect(socket, peer.Host().c_str(), 0, 0, 5000);

    Event go(Event::ResetMode::Automatic);
    Event back(Event::ResetMode::Automatic);
    bool running = true;
    Clock::time_point returned;
    std::thread waiter([&] {
        // Each go is one receive to abort, or, once running is false, the end.
        for (;;) {
            go.Wait();
            if (!running) {
                return;
            }
            char byte = 0;
            NetSocketReceive(socket, 1, &byte, nullptr, 0, 0);
            returned = Clock::now();
            back.Set();
        }
    });
    double worst = 0;
    for (auto _ : state) {
        go.Set();
        std::this_thread::sleep_for(std::chrono::milliseconds(2)); // let the receive settle into its wait
        const auto aborted = Clock::now();
        NetSocketAbort(socket, 0);
        back.Wait();
        const double latency = Seconds(returned - aborted);
        worst = std::max(worst, latency);
        state.SetIterationTime(latency);
    }
    running = false;
    go.Set();
    waiter.join();
    state.counters["worst_ms"] = worst * 1e3;
    NetSocketClose(socket, 0);
    stop.Set();
}
BENCHMARK(AbortLatency)->Iterations(200)->UseManualTime()->Unit(benchmark::kMicrosecond);

// Each repetition is a fresh station of kTransfers connections. The repetitions of the transfers run in a
// random order among each other and the ratios compare their medians, so a slow spell of a busy machine falls
// on both sides alike.
constexpr int kTransfers = 20;
constexpr int kRepetitions = 100;
constexpr std::size_t kRequestBytes = kMessageHeaderSize + kSoftwareBlockSize;

// A station that takes one request of header and block and replies with a header, once per connection. The
// connections come one after the other into one buffer: a fresh 1.5 MB per connection would have the station
// fault its pages in again whenever the allocator has given them back, which times the allocator, not the
// transfer, and differently for each benchmark.
std::vector<MockPeer::Script> BlockReceivers() {
    auto request = std::make_shared<std::vector<std::uint8_t>>(kRequestBytes);
    return std::vector<MockPeer::Script>(kTransfers, [request](int connection) {
        testing::ReadExactly(connection, request->data(), request->size());
        MessageHeader reply;
        BuildMessageHeader(0, 0, 0, 0, nullptr, "", reply);
        testing::WriteAll(connection, reply.data(), reply.size());
    });
}

// The software block over the session layer: connect, build, send, reply header, close.
void UploadSoftwareBlock(benchmark::State& state) {
    MockPeer station(BlockReceivers());
    const std::vector<std::uint8_t> image(kMaxSoftwareImageSize, 0xA5);
    const std::string host = station.Host();
    SocketCell* cell = nullptr;
    OpenSocketCell(kCellStream, 0, &cell);
    for (auto _ : state) {
        if (UploadStationSoftware(cell, 0, 30000, host.c_str(), "", kMaxSoftwareImageSize, image.data()) !=
            0) {
            state.SkipWithError("upload failed");
        }
    }
    CloseSocketCell(cell, 0);
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(kRequestBytes));
}
BENCHMARK(UploadSoftwareBlock)
    ->Iterations(kTransfers)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// The exchange alone with a block built beforehand: connect, header (with the block's checksum), block,
// reply.
void SendPreparedBlock(benchmark::State& state) {
    MockPeer station(BlockReceivers());
    const std::vector<std::uint8_t> image(kMaxSoftwareImageSize, 0xA5);
    std::vector<std::uint8_t> block;
    BuildSoftwareBlock(image, block);
    const std::string host = station.Host();
    SocketCell* cell = nullptr;
    OpenSocketCell(kCellStream, 0, &cell);
    for (auto _ : state) {
        if (SendCommandWithBody(cell, 0, 30000, host.c_str(), "", kCommandUploadSoftware, kSoftwareBlockSize,
                                block.data()) != 0) {
            state.SkipWithError("send failed");
        }
    }
    CloseSocketCell(cell, 0);
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(kRequestBytes));
}
BENCHMARK(SendPreparedBlock)
    ->Iterations(kTransfers)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// The CPU part of an upload: the checksums of the block, which is described, not copied.
void PrepareSoftwareBlock(benchmark::State& state) {
    const std::vector<std::uint8_t> image(kMaxSoftwareImageSize, 0xA5);
    SoftwareBlock block;
    for (auto _ : state) {
        DescribeSoftwareBlock(image, block);
        benchmark::DoNotOptimize(block);
    }
}
BENCHMARK(PrepareSoftwareBlock)->Iterations(kTransfers)->UseRealTime()->Unit(benchmark::kMillisecond);

// The same bytes with plain blocking POSIX calls: connect, send, receive the reply, close.
void RawTcpTransfer(benchmark::State& state) {
    MockPeer station(BlockReceivers());
    const std::vector<std::uint8_t> request(kRequestBytes, 0xA5);
    const sockaddr_in address = InternetAddress(INADDR_LOOPBACK, station.Port());
    for (auto _ : state) {
        const int connection = socket(AF_INET, SOCK_STREAM, 0);
        const int on = 1;
        setsockopt(connection, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        connect(connection, reinterpret_cast<const sockaddr*>(&address), sizeof address);
        testing::WriteAll(connection, request.data(), request.size());
        MessageHeader reply;
        testing::ReadExactly(connection, reply.data(), reply.size());
        close(connection);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(kRequestBytes));
}
BENCHMARK(RawTcpTransfer)
    ->Iterations(kTransfers)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// The console report, keeping each benchmark's median over its repetitions for the ratios.
class MedianKeeper : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                medians_[run.run_name.function_name] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Prints `name`'s median over raw's; nothing when either did not run (a filter left it out).
    void PrintRatioToRaw(const std::string& name) const {
        const auto measured = medians_.find(name);
        const auto raw = medians_.find("RawTcpTransfer");
        if (measured != medians_.end() && raw != medians_.end() && raw->second > 0) {
            std::printf("%s / RawTcpTransfer (medians): %.3f\n", name.c_str(),
                        measured->second / raw->second);
        }
    }

private:
    std::map<std::string, double> medians_;
};

} // namespace
} // namespace corvane

int main(int argc, char** argv) {
    // Interleaved unless the command line says otherwise (a later flag wins).
    std::vector<char*> arguments(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    arguments.insert(arguments.begin() + 1, interleave);
    argc = int(arguments.size());
    argv = arguments.data();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    corvane::MedianKeeper reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    reporter.PrintRatioToRaw("UploadSoftwareBlock");
    reporter.PrintRatioToRaw("SendPreparedBlock");
    return 0;
}
