// The mixer library through its exported functions, on SDL's dummy driver: format conversion,
// mixing, bad input, output and source life cycles, and de-initialisation with all attached.

#include <QtTest>

#include <atomic>
#include <thread>

#include "MixerProbe.h"

using namespace probe;

namespace {
// Frames of the window the tone checks look at, and where it starts after the onset.
constexpr int kWindow = kRate / 5;
constexpr int kSettle = kRate / 20;

std::atomic<void*> g_selfRemoving{nullptr};
std::atomic<int> g_selfRemovingCalls{0};

void removeItself(const uint8_t*, int)
{
    ++g_selfRemovingCalls;
    if (void* self = g_selfRemoving.exchange(nullptr))
        pvoAudioRemoveOutput(self);
}

struct Source {
    tPvoAudio* handle;
    explicit Source(const char* name = "phone") : handle(pvoAudioAddSource(const_cast<char*>(name), true)) {}
    ~Source() { pvoAudioRemoveSource(handle); }
    IPvoAudioSource* operator->() const { return handle->source; }
    void push(const std::vector<uint8_t>& pcm) const
    {
        handle->source->PushSamples(pcm.data(), static_cast<int>(pcm.size()), 0, 0);
    }
};

std::vector<int16_t> withoutSilentFrames(const std::vector<int16_t>& s)
{
    std::vector<int16_t> kept;
    for (size_t i = 0; i + 1 < s.size(); i += 2)
        if (s[i] || s[i + 1])
            kept.insert(kept.end(), {s[i], s[i + 1]});
    return kept;
}

bool hasFramesAfterOnset(const std::vector<int16_t>& s, long frames)
{
    const long at = onset(s);
    return at >= 0 && static_cast<long>(s.size() / 2) >= at + frames;
}
}

class TestPivoraAudio : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void convertsFormats_data();
    void convertsFormats();
    void mixesWithClipping_data();
    void mixesWithClipping();
    void keepsPartialFrames_data();
    void keepsPartialFrames();
    void dropsSamplesOfUnsupportedFormats_data();
    void dropsSamplesOfUnsupportedFormats();
    void rejectsBadCalls();
    void boundsLatencyWhenSenderOutruns();
    void playsTailAfterStop();
    void addsAndRemovesOutputsWhileRunning();
    void survivesConcurrentSourcesAndOutputs();
    void handlesMicrophone();
    void deinitWithEverythingAttached();
    void cleanupTestCase();

private:
    void* m_output = nullptr;
};

void TestPivoraAudio::initTestCase()
{
    // A driver that does not exist forces the fallback that machines without sound take.
    qputenv("SDL_AUDIODRIVER", "pivora-no-such-driver");
    pvoAudioSetLogCallback(collectLog);
    QCOMPARE(pvoAudioInit(), 0);
    QVERIFY(logLines().contains("falling back to the dummy driver"));
    m_output = pvoAudioAddOutput(collect<0>);
    QVERIFY(m_output);
}

void TestPivoraAudio::init()
{
    capture(0).reset();
    capture(1).reset();
    logLines().clear();
}

void TestPivoraAudio::convertsFormats_data()
{
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    QTest::addColumn<double>("hz");
    QTest::addColumn<double>("amp");
    QTest::newRow("s16 48000 mono") << 16 << 1 << 48000 << 1000.0 << 0.5;
    QTest::newRow("float 44100 stereo") << 32 << 2 << 44100 << 440.0 << 0.25;
    QTest::newRow("u8 22050 mono") << 8 << 1 << 22050 << 2000.0 << 0.5;
    QTest::newRow("s16 8000 stereo") << 16 << 2 << 8000 << 300.0 << 0.8;
}

void TestPivoraAudio::convertsFormats()
{
    QFETCH(int, bits);
    QFETCH(int, channels);
    QFETCH(int, rate);
    QFETCH(double, hz);
    QFETCH(double, amp);
    Source source;
    source->SetFormat(bits, channels, rate, 0);
    source.push(sine(bits, channels, rate, hz, amp, rate * 2 / 5));
    QVERIFY(capture(0).waitFor([](auto& s) { return hasFramesAfterOnset(s, kSettle + kWindow); }));

    const auto out = capture(0).copy();
    const long from = onset(out) + kSettle;
    const Tone left = measure(out, from, kWindow, 0);
    const Tone right = measure(out, from, kWindow, 1);
    QVERIFY2(std::abs(left.hz - hz) < hz * 0.005, qPrintable(QString::number(left.hz)));
    QVERIFY2(std::abs(right.hz - hz) < hz * 0.005, qPrintable(QString::number(right.hz)));
    const double rightAmp = channels == 1 ? amp : amp / 2;
    QVERIFY2(std::abs(left.peak - amp * 32767) < 32767 * 0.02, qPrintable(QString::number(left.peak)));
    QVERIFY2(std::abs(right.peak - rightAmp * 32767) < 32767 * 0.02, qPrintable(QString::number(right.peak)));
}

void TestPivoraAudio::mixesWithClipping_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("sum");
    QTest::newRow("positive overflow clips") << 20000 << 20000 << 32767;
    QTest::newRow("negative overflow clips") << -20000 << -20000 << -32768;
    QTest::newRow("full scale twice clips") << 32767 << 32767 << 32767;
    QTest::newRow("in range adds") << 1000 << -300 << 700;
}

void TestPivoraAudio::mixesWithClipping()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, sum);
    Source first("first"), second("second");
    first->SetFormat(16, 2, kRate, 0);
    second->SetFormat(16, 2, kRate, 0);
    const int frames = kRate * 3 / 10;
    first.push(constant(static_cast<int16_t>(a), frames));
    second.push(constant(static_cast<int16_t>(b), frames));
    QVERIFY(capture(0).waitFor([&](auto& s) { return hasFramesAfterOnset(s, frames + kSettle); }));

    const auto out = capture(0).copy();
    int exact = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        exact += out[i] == sum;
        // Either source may start a period before the other; nothing else (no wrapped sum).
        QVERIFY2(out[i] == 0 || out[i] == a || out[i] == b || out[i] == sum, qPrintable(QString::number(out[i])));
    }
    QVERIFY2(exact >= 2 * (frames - 2 * kSettle), qPrintable(QString::number(exact)));
}

void TestPivoraAudio::keepsPartialFrames_data()
{
    QTest::addColumn<int>("piece");
    QTest::newRow("whole packets") << 1764;
    QTest::newRow("single bytes") << 1;
    QTest::newRow("3 bytes") << 3;
    QTest::newRow("odd large pieces") << 4099;
}

void TestPivoraAudio::keepsPartialFrames()
{
    QFETCH(int, piece);
    Source source;
    source->SetFormat(16, 2, kRate, 0);
    const int frames = kRate * 3 / 10;
    const auto pcm = sine(16, 2, kRate, 1000, 0.5, frames);
    for (size_t at = 0; at < pcm.size(); at += piece)
        source->PushSamples(pcm.data() + at, static_cast<int>(std::min<size_t>(piece, pcm.size() - at)), 0, 0);
    QVERIFY(capture(0).waitFor([&](auto& s) { return hasFramesAfterOnset(s, frames); }));

    // Same rate and layout: the samples come out unchanged and in order. Silent frames are left
    // out on both sides: a slow sender lets the source run dry, which inserts silence.
    std::vector<int16_t> in(pcm.size() / 2);
    memcpy(in.data(), pcm.data(), pcm.size());
    in = withoutSilentFrames(in);
    const auto out = withoutSilentFrames(capture(0).copy());
    auto start = std::search(out.begin(), out.end(), in.begin() + 20, in.begin() + 60);
    QVERIFY(start != out.end());
    start -= 20;
    QVERIFY(out.end() - start >= static_cast<long>(in.size()));
    QVERIFY(std::equal(in.begin(), in.end(), start));
}

void TestPivoraAudio::dropsSamplesOfUnsupportedFormats_data()
{
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    QTest::newRow("24 bits") << 24 << 2 << 44100;
    QTest::newRow("3 channels") << 16 << 3 << 44100;
    QTest::newRow("no channels") << 16 << 0 << 44100;
    QTest::newRow("zero rate") << 16 << 2 << 0;
    QTest::newRow("absurd rate") << 16 << 2 << 100000000;
}

void TestPivoraAudio::dropsSamplesOfUnsupportedFormats()
{
    QFETCH(int, bits);
    QFETCH(int, channels);
    QFETCH(int, rate);
    Source source;
    // A supported format first: the bad one must not keep using it.
    source->SetFormat(16, 2, kRate, 0);
    source->SetFormat(bits, channels, rate, 7);
    QVERIFY(logLines().contains("unsupported audio format"));
    source.push(constant(30000, kRate / 5));
    QVERIFY(logLines().contains("dropped"));

    source->SetFormat(16, 2, kRate, 0);
    source.push(sine(16, 2, kRate, 1000, 0.5, kRate / 5));
    QVERIFY(capture(0).waitFor([](auto& s) { return hasFramesAfterOnset(s, kRate / 5); }));
    const auto out = capture(0).copy();
    QVERIFY(*std::max_element(out.begin(), out.end()) < 20000);
}

void TestPivoraAudio::rejectsBadCalls()
{
    Source source;
    source->SetFormat(16, 2, kRate, 0);
    source->PushSamples(nullptr, 100, 0, 0);
    QVERIFY(logLines().contains("no data"));
    const uint8_t byte = 0;
    source->PushSamples(&byte, -5, 0, 0);
    QVERIFY(logLines().contains("negative size"));

    int unknown = 0;
    pvoAudioRemoveSource(&unknown);
    QVERIFY(logLines().contains("unknown source"));
    pvoAudioRemoveMicSource(&unknown);
    pvoAudioUpdateMicSource(&unknown, "x");
    pvoAudioTestMicSource(&unknown, true);
    QVERIFY(logLines().contains("unknown microphone"));
    pvoAudioRemoveOutput(&unknown);
    QVERIFY(logLines().contains("unknown output"));
    QVERIFY(!pvoAudioAddOutput(nullptr));
}

void TestPivoraAudio::boundsLatencyWhenSenderOutruns()
{
    Source source;
    source->SetFormat(16, 2, kRate, 0);
    source.push(sine(16, 2, kRate, 1000, 0.5, kRate * 2));
    QVERIFY(logLines().contains("outruns playback"));
    // Played: at most the buffer's worth, then silence.
    const long bound = kRate / 2 + kRate / 100;
    QVERIFY(capture(0).waitFor([&](auto& s) { return hasFramesAfterOnset(s, bound + kSettle); }));
    const auto out = capture(0).copy();
    long last = 0;
    for (size_t i = 0; i < out.size(); i += 2)
        if (std::abs(out[i]) > 200)
            last = static_cast<long>(i / 2);
    QVERIFY2(last - onset(out) <= bound, qPrintable(QString::number(last - onset(out))));
}

void TestPivoraAudio::playsTailAfterStop()
{
    // Less than a source buffers before it starts; only the end of the stream lets it play.
    Source source;
    source->SetFormat(16, 2, kRate, 0);
    const int frames = kRate / 100;
    source.push(constant(5000, frames));
    source->Stop();
    QVERIFY(capture(0).waitFor([&](auto& s) { return std::count(s.begin(), s.end(), 5000) == 2 * frames; }));
}

void TestPivoraAudio::addsAndRemovesOutputsWhileRunning()
{
    Source source;
    source->SetFormat(16, 2, kRate, 0);
    void* second = pvoAudioAddOutput(collect<1>);
    g_selfRemovingCalls = 0;
    void* selfRemoving = pvoAudioAddOutput(removeItself);
    g_selfRemoving = selfRemoving;
    source.push(sine(16, 2, kRate, 1000, 0.5, kRate / 5));
    QVERIFY(capture(1).waitFor([](auto& s) { return onset(s) >= 0; }));

    pvoAudioRemoveOutput(second);
    {
        std::lock_guard<std::mutex> lock(capture(1).mutex);
        capture(1).recording = false;
    }
    capture(0).reset();
    source.push(sine(16, 2, kRate, 1000, 0.5, kRate / 5));
    QVERIFY(capture(0).waitFor([](auto& s) { return hasFramesAfterOnset(s, kRate / 10); }));
    std::lock_guard<std::mutex> lock(capture(1).mutex);
    QCOMPARE(capture(1).callsAfterStop, 0);
    QCOMPARE(g_selfRemovingCalls.load(), 1);
}

void TestPivoraAudio::survivesConcurrentSourcesAndOutputs()
{
    const auto pcm = sine(16, 1, 48000, 1000, 0.5, 960);
    std::atomic<bool> done{false};
    std::thread senders([&] {
        for (int i = 0; i < 150; ++i) {
            Source source;
            source->SetFormat(16, 1, 48000, 0);
            for (int k = 0; k < 4; ++k)
                source.push(pcm);
            if (i % 2)
                source->Stop();
        }
        done = true;
    });
    int cycles = 0;
    while (!done || cycles < 20) {
        void* output = pvoAudioAddOutput(collect<1>);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        pvoAudioRemoveOutput(output);
        ++cycles;
    }
    senders.join();
    QVERIFY(capture(1).waitFor([](auto& s) { return !s.empty(); }));
}

void TestPivoraAudio::handlesMicrophone()
{
    QStringList names;
    const int count = pvoAudioEnumCaptureDevices(
        [](int, const char* name, void* list) { static_cast<QStringList*>(list)->append(name); }, &names);
    QCOMPARE(count, names.size());
    QVERIFY(count >= 1);
    QVERIFY(!names.first().isEmpty());

    void* mic = pvoAudioAddMicSource(false, "pivora no such microphone");
    QVERIFY(mic);
    QVERIFY(logLines().contains("is not available"));
    pvoAudioTestMicSource(mic, true);
    QVERIFY(logLines().contains("microphone test started"));
    pvoAudioUpdateMicSource(mic, names.first().toUtf8().constData());
    pvoAudioUpdateMicSource(mic, nullptr);
    pvoAudioTestMicSource(mic, false);
    QVERIFY(logLines().contains("microphone test ended"));

    // The microphone must not stop phones from being heard.
    Source source;
    source->SetFormat(16, 2, kRate, 0);
    source.push(sine(16, 2, kRate, 1000, 0.5, kRate / 5));
    QVERIFY(capture(0).waitFor([](auto& s) { return hasFramesAfterOnset(s, kRate / 10); }));
    pvoAudioRemoveMicSource(mic);
}

void TestPivoraAudio::deinitWithEverythingAttached()
{
    Source source;
    source->SetFormat(16, 2, 48000, 0);
    source.push(sine(16, 2, 48000, 1000, 0.5, 4800));
    void* mic = pvoAudioAddMicSource(false, nullptr);
    void* second = pvoAudioAddOutput(collect<1>);
    pvoAudioTestMicSource(mic, true);

    pvoAudioDeInit();
    // Shut-down order lets senders stop and remove their sources after the mixer is gone.
    source.push(sine(16, 2, 48000, 1000, 0.5, 4800));
    QVERIFY(logLines().contains("not running"));
    source->Stop();
    pvoAudioDeInit();
    QVERIFY(logLines().contains("not initialised"));

    // Everything still attached comes back with the mixer.
    QCOMPARE(pvoAudioInit(), 0);
    capture(1).reset();
    source.push(sine(16, 2, 48000, 1000, 0.5, 9600));
    QVERIFY(capture(1).waitFor([](auto& s) { return hasFramesAfterOnset(s, kRate / 20); }));
    pvoAudioRemoveOutput(second);
    pvoAudioRemoveMicSource(mic);
}

void TestPivoraAudio::cleanupTestCase()
{
    pvoAudioRemoveOutput(m_output);
    pvoAudioDeInit();
}

QTEST_GUILESS_MAIN(TestPivoraAudio)
#include "test_pivoraaudio.moc"
