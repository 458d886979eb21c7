// The receiver's own path for a phone's bytes: a real connection object reads them from a
// socket with CastSocket::readFrame and runs its state machine (HELLO, the access gate, every
// frame's dispatch) into a callback object that checks what reaches the program.

#include "CastAccess.h"
#include "CastConnection.h"
#include "CastEngine.h"
#include "CastLog.h"
#include "CastSocket.h"

#include <cstring>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

// Bytes read into here cannot be optimised away.
volatile uint8_t g_sink;

// Reads every byte it is handed, so the sanitizers see a read past the end; checks the rules
// the engine promises the program.
class CheckingCallback final : public IAirPlayCallback {
public:
    int connects = 0;
    int disconnects = 0;

    void* Connect(const char* channelId, uint32_t kind) override
    {
        if (!channelId || !*channelId || std::strlen(channelId) > 255 || kind < 1 || kind > 4)
            __builtin_trap();
        ++connects;
        return &m_token;
    }
    void Disconnected(void* h) override
    {
        mine(h);
        if (++disconnects > 1)
            __builtin_trap();  // once per channel
    }
    void InformationLegacy(void* h, const char* a, const char* b, const char* c, const char* d) override
    {
        Information(h, a, b, c, d);
    }
    void MirroringStarted(void* h, int w, int hgt, const uint8_t* data, int length, int, double t) override
    {
        mine(h);
        if (w < 0 || hgt < 0 || t != t)
            __builtin_trap();
        touch(data, length);
    }
    void MirroringData(void* h, const uint8_t* data, int length, int, double t, uint32_t) override
    {
        mine(h);
        if (t != t)
            __builtin_trap();
        touch(data, length);
    }
    void MirroringStopped(void* h) override { mine(h); }
    void AudioFormat(void* h, int bits, int channels, int rate, uint32_t) override
    {
        mine(h);
        if (bits < 0 || channels < 0 || rate < 0)
            __builtin_trap();
    }
    void AudioData(void* h, const uint8_t* data, int length, double t, uint32_t) override
    {
        mine(h);
        if (t != t)
            __builtin_trap();
        touch(data, length);
    }
    void AudioStopped(void* h) override { mine(h); }
    void Notify9(void*) override {}
    void DisconnectChannel(void*) override {}
    void Information(void* h, const char* phone, const char* id, const char* version, const char* model) override
    {
        mine(h);
        for (const char* text : {phone, id, version, model})
            if (!text || std::strlen(text) > 255)
                __builtin_trap();
    }
    void Notify13(void*) override {}
    void Notify14(void*) override {}
    void Notify15(void*) override {}
    void Notify16(void*) override {}
    void Notify17(void*) override {}
    void Notify18(void*) override {}
    void Notify19(void*) override {}
    void Notify20(void*) override {}
    void Notify21(void*) override {}
    void Notify22(void*) override {}
    void FrameSizeChanged(void* h) override { mine(h); }
    void Rotated(void* h, int o, int n) override
    {
        mine(h);
        if (o < 0 || n < 0)
            __builtin_trap();
    }

private:
    void mine(void* h)
    {
        if (h != &m_token || connects == 0)
            __builtin_trap();
    }
    static void touch(const uint8_t* data, int length)
    {
        if (length < 0 || !data)
            __builtin_trap();
        for (int i = 0; i < length; ++i)
            g_sink ^= data[i];
    }
    int m_token = 0;
};

// A receiver that wants the code 4711 and asks its user about the rest, as "pin" and "ask" do.
int checkCode(void*, const CastcoreAccessRequest* r)
{
    if (!r->address || !r->channelId || !r->phoneName || !r->code || std::strlen(r->code) > 255)
        __builtin_trap();
    if (!r->speaksAccess)
        return 3;
    if (std::strcmp(r->code, "4711") == 0)
        return 0;
    return r->code[0] == '?' ? CASTCORE_ACCESS_ASK : 4;
}

int askUser(void*, const CastcoreAccessRequest* r)
{
    return std::strlen(r->phoneName) % 2 ? 0 : 2;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    castcoreSetLogFunction([](int, const char*) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0)
        return 0;
    // The phone's side writes the input and then closes its sending half, as a phone that
    // hangs up; what the receiver answers stays unread in the socket.
    std::thread phone([fd = fds[1], data, size] {
        cast::writeAll(fd, data, size);
        ::shutdown(fd, SHUT_WR);
    });
    CastEngine engine;
    CheckingCallback callback;
    engine.SetCallback(&callback);
    // The last byte picks whether a gate stands in front, so both ways are explored.
    const CastcoreAccessGate gate{nullptr, &checkCode, &askUser};
    if (size > 0 && (data[size - 1] & 1))
        engine.setAccessGate(&gate);
    {
        CastConnection connection(engine, fds[0], 1, "192.0.2.7:5555");
        connection.serve();
    }  // closes fds[0]
    phone.join();
    ::close(fds[1]);
    // A phone the program took in is ended exactly once.
    if (callback.connects > 0 && callback.disconnects != 1)
        __builtin_trap();
    return 0;
}
