// Mixer benchmark: latency from a push to the output callback, and CPU time per source, with
// senders pushing 48 kHz 16-bit stereo in 10 ms packets at real-time pace.
//   mixer_latency [seconds per run, default 10]

#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

#include "media/pvoaudio.h"

namespace {
using Clock = std::chrono::steady_clock;

constexpr int kRate = 48000;
constexpr int kPacketFrames = kRate / 100;
constexpr int16_t kPulse = 12000;

std::mutex g_mutex;
std::vector<Clock::time_point> g_edges; // when a pulse's first chunk reached the output
bool g_inPulse = false;

void onMixed(const uint8_t* data, int length)
{
    const auto now = Clock::now();
    const auto* samples = reinterpret_cast<const int16_t*>(data);
    bool loud = false;
    for (int i = 0; i < length / 2; ++i)
        loud = loud || samples[i] > kPulse / 2;
    std::lock_guard<std::mutex> lock(g_mutex);
    if (loud && !g_inPulse)
        g_edges.push_back(now);
    g_inPulse = loud;
}

void quietLog(const char*) {}

std::vector<uint8_t> packet(int16_t value, bool sine)
{
    std::vector<int16_t> s(kPacketFrames * 2);
    for (int i = 0; i < kPacketFrames; ++i) {
        const int16_t v = sine ? static_cast<int16_t>(4000 * std::sin(2 * M_PI * 1000 * i / kRate)) : value;
        s[i * 2] = s[i * 2 + 1] = v;
    }
    std::vector<uint8_t> bytes(s.size() * 2);
    std::copy_n(reinterpret_cast<uint8_t*>(s.data()), bytes.size(), bytes.data());
    return bytes;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Pushes packets at real-time pace until the deadline; pulse() says which packets carry a pulse
// and records when they were pushed.
template <typename Pick>
void send(tPvoAudio* source, Clock::time_point end, Pick pick)
{
    auto next = Clock::now();
    for (int n = 0; next < end; ++n) {
        const std::vector<uint8_t>& pcm = pick(n);
        source->source->PushSamples(pcm.data(), static_cast<int>(pcm.size()), 0, 0);
        next += std::chrono::milliseconds(10);
        std::this_thread::sleep_until(next);
    }
}

void measureLatency(int seconds)
{
    const auto silence = packet(0, false);
    const auto pulse = packet(kPulse, false);
    tPvoAudio* source = pvoAudioAddSource(const_cast<char*>("latency"), true);
    source->source->SetFormat(16, 2, kRate, 0);
    std::vector<Clock::time_point> pushed;
    const auto end = Clock::now() + std::chrono::seconds(seconds);
    send(source, end, [&](int n) -> const std::vector<uint8_t>& {
        // One 10 ms pulse every 250 ms, after a warm-up second.
        if (n >= 100 && n % 25 == 0) {
            pushed.push_back(Clock::now());
            return pulse;
        }
        return silence;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    pvoAudioRemoveSource(source);

    std::vector<double> ms;
    std::lock_guard<std::mutex> lock(g_mutex);
    for (size_t i = 0; i < std::min(pushed.size(), g_edges.size()); ++i)
        ms.push_back(std::chrono::duration<double, std::milli>(g_edges[i] - pushed[i]).count());
    std::sort(ms.begin(), ms.end());
    if (ms.empty() || pushed.size() != g_edges.size()) {
        printf("latency: %zu pulses pushed, %zu seen\n", pushed.size(), g_edges.size());
        return;
    }
    printf("latency push -> output callback: %zu pulses, min %.1f ms, median %.1f ms, max %.1f ms\n",
           ms.size(), ms.front(), ms[ms.size() / 2], ms.back());
}

// Percent of one core the whole process used while the sources played.
double measureCpu(int sources, int seconds)
{
    const auto tone = packet(0, true);
    std::vector<tPvoAudio*> handles;
    for (int i = 0; i < sources; ++i) {
        handles.push_back(pvoAudioAddSource(const_cast<char*>("cpu"), true));
        handles.back()->source->SetFormat(16, 2, kRate, 0);
    }
    const double cpuStart = cpuSeconds();
    const auto start = Clock::now();
    const auto end = start + std::chrono::seconds(seconds);
    std::vector<std::thread> senders;
    for (tPvoAudio* h : handles)
        senders.emplace_back([&, h] { send(h, end, [&](int) -> const std::vector<uint8_t>& { return tone; }); });
    if (sources == 0)
        std::this_thread::sleep_until(end);
    for (auto& t : senders)
        t.join();
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    const double cpu = cpuSeconds() - cpuStart;
    for (tPvoAudio* h : handles)
        pvoAudioRemoveSource(h);
    return 100 * cpu / wall;
}
}

int main(int argc, char** argv)
{
    const int seconds = argc > 1 ? std::max(2, atoi(argv[1])) : 10;
    pvoAudioSetLogCallback(quietLog);
    if (!getenv("SDL_AUDIODRIVER"))
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    pvoAudioInit();
    void* output = pvoAudioAddOutput(onMixed);
    measureLatency(seconds);
    const double idle = measureCpu(0, seconds);
    printf("idle mixer with one output: CPU %.2f%% of one core\n", idle);
    for (int n : {1, 4, 8}) {
        const double busy = measureCpu(n, seconds);
        printf("%d sources at 48 kHz stereo: CPU %.2f%% of one core, %.3f%% per source above idle\n",
               n, busy, (busy - idle) / n);
    }
    pvoAudioRemoveOutput(output);
    pvoAudioDeInit();
    return 0;
}
