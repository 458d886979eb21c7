#include "scairplay/SCAirPlayService.h"

#include "libs/castcore/CastAccess.h"
#include "scairplay/SCAirPlayClient.h"

#include <QtGlobal>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstring>
#include <dlfcn.h>
#include <new>
#include <unistd.h>

namespace {

const char kResponderLibrary[] = "libmdnsresponder.so";
const int kDefaultPorts[SCAirPlayService::kPortCount] = {47011, 7011, 7111};
constexpr int kEngineIntSetting = 8;

constexpr auto kResponderStopWait = std::chrono::seconds(5);

using ResponderRun = int (*)(void*, void*);
using ResponderStop = void (*)();
using ResponderAnnounce = void (*)(const char*, int);
using ResponderLogFunction = void (*)(int, const char*);
using ResponderSetLog = void (*)(ResponderLogFunction);

// Responder lines join the program's log; called from the responder thread.
void logResponderLine(int level, const char* message)
{
    if (level >= 1)
        qWarning("mDNS: %s", message);
    else
        qInfo("mDNS: %s", message);
}

// The folder of the running program, with a trailing slash; empty when unknown.
std::string programFolder()
{
    char path[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return std::string();
    path[n] = 0;
    std::string folder(path);
    const size_t slash = folder.rfind('/');
    return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

} // namespace

SCAirPlayService::ChannelUse::ChannelUse(SCAirPlayService* service, void* handle)
    : m_service(service)
    , m_handle(handle)
{
    std::lock_guard<std::mutex> lock(service->m_channelMutex);
    const auto& list = service->m_channels;
    if (!handle || std::find(list.begin(), list.end(), handle) == list.end()) {
        m_handle = nullptr;
        return;
    }
    ++service->m_channelUses[handle];
    m_client = service->clientFromHandle(handle);
}

SCAirPlayService::ChannelUse::~ChannelUse()
{
    if (!m_handle)
        return;
    std::lock_guard<std::mutex> lock(m_service->m_channelMutex);
    auto it = m_service->m_channelUses.find(m_handle);
    if (it != m_service->m_channelUses.end() && --it->second <= 0)
        m_service->m_channelUses.erase(it);
    m_service->m_channelIdle.notify_all();
}

SCAirPlayService::SCAirPlayService()
{
    m_access.setAsker([this](const SCReceiverAccess::Phone& phone) { return askAccess(phone); });
}

SCAirPlayService::~SCAirPlayService()
{
    stop();
}

// --- Engine callbacks

void* SCAirPlayService::Connect(const char* channelId, uint32_t kind)
{
    bool created = false;
    return connectChannel(channelId, kind, &created);
}

void* SCAirPlayService::connectChannel(const char* channelId, uint32_t kind, bool* created)
{
    *created = false;
    if (!channelId || !*channelId) {
        qWarning("Receiver: connect without a channel identifier refused");
        return nullptr;
    }
    std::lock_guard<std::mutex> lock(m_channelMutex);
    for (void* handle : m_channels) {
        if (clientFromHandle(handle)->channelIdUtf8() == channelId)
            return handle;
    }
    void* handle = createChannel(channelId, kind);
    if (!handle) {
        qCritical("Receiver: the channel for %s could not be created", channelId);
        return nullptr;
    }
    m_channels.push_back(handle);
    *created = true;
    return handle;
}

void SCAirPlayService::Disconnected(void* handle)
{
    removeChannel(handle);
}

void SCAirPlayService::InformationLegacy(void* handle, const char* phoneName, const char* channelId,
                                         const char* systemVersion, const char* model)
{
    Information(handle, phoneName, channelId, systemVersion, model);
}

void SCAirPlayService::Information(void* handle, const char* phoneName, const char* channelId,
                                   const char* systemVersion, const char* model)
{
    storeInformation(handle, phoneName, channelId, systemVersion, model);
}

void SCAirPlayService::storeInformation(void* handle, const char* phoneName, const char* channelId,
                                        const char* systemVersion, const char* model)
{
    ChannelUse use(this, handle);
    if (use.client())
        use.client()->setInformation(phoneName, channelId, systemVersion, model);
}

void SCAirPlayService::MirroringStarted(void* handle, int, int, const uint8_t* data, int length, int dataKind,
                                        double timestamp)
{
    forwardMirroringStarted(handle, data, length, dataKind, timestamp);
}

bool SCAirPlayService::forwardMirroringStarted(void* handle, const uint8_t* data, int length, int dataKind,
                                               double timestamp)
{
    ChannelUse use(this, handle);
    if (!use.client())
        return false;
    use.client()->handleMirroringStarted(data, length, dataKind, timestamp);
    return true;
}

void SCAirPlayService::MirroringData(void* handle, const uint8_t* data, int length, int dataKind, double timestamp,
                                     uint32_t rotation)
{
    ChannelUse use(this, handle);
    if (use.client())
        use.client()->handleMirroringData(data, length, dataKind, timestamp, int(rotation));
}

void SCAirPlayService::MirroringStopped(void* handle)
{
    forwardMirroringStopped(handle);
}

bool SCAirPlayService::forwardMirroringStopped(void* handle)
{
    ChannelUse use(this, handle);
    if (!use.client())
        return false;
    use.client()->mirroringStopped();
    return true;
}

void SCAirPlayService::AudioFormat(void* handle, int bitsPerSample, int channels, int sampleRate, uint32_t tag)
{
    ChannelUse use(this, handle);
    if (use.client())
        use.client()->handleAudioFormat(bitsPerSample, channels, sampleRate, tag);
}

void SCAirPlayService::AudioData(void* handle, const uint8_t* data, int length, double timestamp, uint32_t)
{
    ChannelUse use(this, handle);
    if (use.client())
        use.client()->handleAudioData(data, length, timestamp);
}

void SCAirPlayService::AudioStopped(void* handle)
{
    ChannelUse use(this, handle);
    if (use.client())
        use.client()->audioStopped();
}

void SCAirPlayService::DisconnectChannel(void* handle)
{
    CAirPlayEx* engine = m_engine.load();
    if (handle && engine)
        engine->Disconnect(handle);
}

void SCAirPlayService::FrameSizeChanged(void*)
{
}

void SCAirPlayService::Rotated(void*, int, int)
{
}

SCAirPlayClient* SCAirPlayService::clientFromHandle(void* handle) const
{
    return static_cast<SCAirPlayClient*>(handle);
}

void* SCAirPlayService::createChannel(const char* channelId, uint32_t kind)
{
    return new (std::nothrow) SCAirPlayClient(this, channelId, kind);
}

bool SCAirPlayService::reservePorts(int*, int)
{
    return true;
}

SCReceiverAccess::Answer SCAirPlayService::askAccess(const SCReceiverAccess::Phone&)
{
    return SCReceiverAccess::Answer::Deny;
}

SCReceiverAccess::Phone SCAirPlayService::accessPhone(const CastcoreAccessRequest* r)
{
    SCReceiverAccess::Phone phone;
    phone.address = r->address ? r->address : "";
    phone.channelId = r->channelId ? r->channelId : "";
    phone.phoneName = r->phoneName ? r->phoneName : "";
    phone.model = r->model ? r->model : "";
    phone.speaksAccess = r->speaksAccess != 0;
    phone.code = r->code ? r->code : "";
    return phone;
}

int SCAirPlayService::checkAccessGate(void* service, const CastcoreAccessRequest* request)
{
    const int status = static_cast<SCAirPlayService*>(service)->m_access.check(accessPhone(request));
    return status == SCReceiverAccess::kAskUser ? int(CASTCORE_ACCESS_ASK) : status;
}

int SCAirPlayService::askAccessGate(void* service, const CastcoreAccessRequest* request)
{
    return static_cast<SCAirPlayService*>(service)->m_access.decide(accessPhone(request));
}

// --- Operations

bool SCAirPlayService::start(const char* name, const SCAirPlayServiceOptions* options)
{
    if (m_started) {
        copyName(name);
        return true;
    }
    startResponder();

    m_factory.reset(new (std::nothrow) CAirPlayFactory);
    CAirPlayEx* engine = m_factory ? CAirPlayFactory::Create() : nullptr;
    m_engine.store(engine);
    if (!engine) {
        qCritical("Receiver: the engine could not be created");
        m_factory.reset();
        return false;
    }
    const CastcoreAccessGate gate{this, &SCAirPlayService::checkAccessGate, &SCAirPlayService::askAccessGate};
    castcoreSetAccessGate(engine, &gate);
    m_access.setClosed(false);

    const SCAirPlayServiceOptions builtIn;
    const SCAirPlayServiceOptions& o = options ? *options : builtIn;

    std::copy(std::begin(kDefaultPorts), std::end(kDefaultPorts), m_ports);
    if (!reservePorts(m_ports, kPortCount)) {
        qCritical("Receiver: no free ports near %d, %d, %d", kDefaultPorts[0], kDefaultPorts[1], kDefaultPorts[2]);
        shutDownEngine();
        return false;
    }

    m_startResult = engine->Start("", "", o.iosWiredFps, o.iosWiredResolution, o.enableHID,
                                    o.androidWiredFps, o.androidWiredResolution, o.androidSystemVersion,
                                    o.androidWiredBitrate, o.androidWiredMic, o.androidWiredHID,
                                    name ? name : "", o.iosWirelessResolution, o.iosWirelessFps,
                                    m_ports[0], m_ports[1], m_ports[2], o.androidWirelessFps,
                                    o.androidWirelessResolution, o.androidWirelessBitrate, o.androidWirelessMic);
    if (m_startResult != 0) {
        qCritical("Receiver: the engine did not start (answer %d)", m_startResult);
        // Nothing runs on a failed engine; releasing it lets a later start begin afresh.
        shutDownEngine();
        return false;
    }
    engine->SetCallback(this);
    engine->SetIntSetting(kEngineIntSetting);
    m_started.store(true);
    copyName(name);
    qInfo("Receiver started on ports %d, %d, %d", m_ports[0], m_ports[1], m_ports[2]);
    announceReceiver();
    return true;
}

void SCAirPlayService::setName(const char* name)
{
    if (CAirPlayEx* engine = m_engine.load())
        engine->SetName(name ? name : "");
    copyName(name);
    announceReceiver();
}

void SCAirPlayService::applyOptions(const SCAirPlayServiceOptions* options)
{
    CAirPlayEx* engine = m_engine.load();
    if (!engine || !options)
        return;
    const SCAirPlayServiceOptions& o = *options;
    engine->SetAndroidWiredResolution(o.androidWiredResolution);
    engine->SetAndroidSystemVersion(o.androidSystemVersion);
    engine->SetAndroidWiredFps(o.androidWiredFps);
    engine->SetAndroidWiredBitrate(o.androidWiredBitrate);
    engine->SetAndroidWiredMic(o.androidWiredMic);
    engine->SetAndroidWiredHID(o.androidWiredHID);
    engine->SetIosWiredFps(o.iosWiredFps);
    engine->SetIosWiredResolution(o.iosWiredResolution);
    engine->SetEnableHID(o.enableHID);
    engine->SetIosWirelessFps(o.iosWirelessFps);
    engine->SetIosWirelessResolution(o.iosWirelessResolution);
    engine->SetAndroidWirelessResolution(o.androidWirelessResolution);
    engine->SetAndroidWirelessMic(o.androidWirelessMic);
    engine->SetAndroidWirelessFps(o.androidWirelessFps);
    engine->SetAndroidWirelessBitrate(o.androidWirelessBitrate);
}

void SCAirPlayService::stop()
{
    disconnectAllChannels();
    shutDownEngine();
    stopResponder();
}

void SCAirPlayService::shutDownEngine()
{
    // Phones waiting for the user's answer are refused now; the engine waits for them.
    m_access.setClosed(true);
    m_started.store(false);
    // Unpublished first, so that nothing reaches an engine that is going away.
    if (CAirPlayEx* engine = m_engine.exchange(nullptr)) {
        engine->Stop();
        CAirPlayFactory::Destroy(engine);
    }
    m_factory.reset();
}

void SCAirPlayService::disconnectAllChannels()
{
    std::vector<void*> channels;
    {
        std::lock_guard<std::mutex> lock(m_channelMutex);
        channels = m_channels;
    }
    for (void* handle : channels) {
        DisconnectChannel(handle);
        endChannel(handle);
    }
}

void SCAirPlayService::removeChannel(void* handle)
{
    endChannel(handle);
}

void SCAirPlayService::endChannel(void* handle)
{
    SCAirPlayClient* client = nullptr;
    {
        std::unique_lock<std::mutex> lock(m_channelMutex);
        auto it = std::find(m_channels.begin(), m_channels.end(), handle);
        if (!handle || it == m_channels.end()) {
            // Already ended (e.g. the phone left while the user closed its window).
            qInfo("Receiver: channel removal ignored; it is not listed");
            return;
        }
        m_channels.erase(it);
        waitUntilUnused(lock, handle);
        client = clientFromHandle(handle);
    }
    client->end();
}

void SCAirPlayService::waitUntilUnused(std::unique_lock<std::mutex>& lock, void* handle)
{
    m_channelIdle.wait(lock, [&] { return m_channelUses.find(handle) == m_channelUses.end(); });
}

int SCAirPlayService::channelCount() const
{
    std::lock_guard<std::mutex> lock(m_channelMutex);
    return int(m_channels.size());
}

int SCAirPlayService::indexOfChannel(void* handle) const
{
    std::lock_guard<std::mutex> lock(m_channelMutex);
    const auto it = std::find(m_channels.begin(), m_channels.end(), handle);
    return (!handle || it == m_channels.end()) ? -1 : int(it - m_channels.begin());
}

void* SCAirPlayService::channelAt(int index) const
{
    std::lock_guard<std::mutex> lock(m_channelMutex);
    return (index < 0 || index >= int(m_channels.size())) ? nullptr : m_channels[size_t(index)];
}

void* SCAirPlayService::findChannelByPhoneName(const char* phoneName) const
{
    if (!phoneName)
        return nullptr;
    std::lock_guard<std::mutex> lock(m_channelMutex);
    for (void* handle : m_channels) {
        if (clientFromHandle(handle)->phoneNameUtf8() == phoneName)
            return handle;
    }
    return nullptr;
}

std::string SCAirPlayService::name() const
{
    std::lock_guard<std::mutex> lock(m_nameMutex);
    return std::string(m_name);
}

void SCAirPlayService::copyName(const char* name)
{
    const char* text = name ? name : "";
    size_t length = std::strlen(text);
    if (length >= size_t(kNameBufferSize)) {
        length = kNameBufferSize - 1;
        // Never end on half a UTF-8 character.
        while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
            --length;
    }
    std::lock_guard<std::mutex> lock(m_nameMutex);
    std::memcpy(m_name, text, length);
    m_name[length] = 0;
}

// --- Multicast DNS responder

// How the responder thread tells that it has returned; shared with the thread, which may
// outlive the service when the responder does not stop in time.
struct SCAirPlayService::ResponderExit {
    std::mutex mutex;
    std::condition_variable ended;
    bool done = false;
};

void SCAirPlayService::startResponder()
{
    // A responder left running once would share its state with a second one.
    if (m_responderLibrary || m_responderAbandoned)
        return;
    const std::string besideProgram = programFolder() + kResponderLibrary;
    m_responderLibrary = ::dlopen(besideProgram.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!m_responderLibrary)
        m_responderLibrary = ::dlopen(kResponderLibrary, RTLD_NOW | RTLD_LOCAL);
    if (!m_responderLibrary) {
        qInfo("Receiver: no multicast DNS responder (%s); phones must be given the address", kResponderLibrary);
        return;
    }
    if (auto setLog = reinterpret_cast<ResponderSetLog>(::dlsym(m_responderLibrary, "ServiceSetLogFunction")))
        setLog(&logResponderLine);
    auto run = reinterpret_cast<ResponderRun>(::dlsym(m_responderLibrary, "ServiceRun"));
    if (!run)
        return;
    auto exit = std::make_shared<ResponderExit>();
    m_responderExit = exit;
    m_responderThread = std::thread([run, exit] {
        run(nullptr, nullptr);
        std::lock_guard<std::mutex> lock(exit->mutex);
        exit->done = true;
        exit->ended.notify_all();
    });
}

void SCAirPlayService::announceReceiver()
{
    if (!m_responderLibrary)
        return;
    auto announce = reinterpret_cast<ResponderAnnounce>(::dlsym(m_responderLibrary, "ServiceAnnounce"));
    if (!announce)
        return;
    // Phones connect to the first port, the one the engine really got.
    if (m_started.load())
        announce(name().c_str(), m_ports[0]);
    else
        announce("", 0);
}

void SCAirPlayService::stopResponder()
{
    if (!m_responderLibrary)
        return;
    auto stopFunction = reinterpret_cast<ResponderStop>(::dlsym(m_responderLibrary, "ServiceStop"));
    if (stopFunction)
        stopFunction();
    if (m_responderThread.joinable()) {
        bool ended = false;
        if (stopFunction) {
            std::unique_lock<std::mutex> lock(m_responderExit->mutex);
            ended = m_responderExit->ended.wait_for(lock, kResponderStopWait, [&] { return m_responderExit->done; });
        }
        if (!ended) {
            // Ending a thread from outside could leave its locks held; leave it and its code be.
            qWarning("Receiver: the multicast DNS responder did not stop within %d s; left running",
                     int(kResponderStopWait.count()));
            m_responderThread.detach();
            m_responderExit.reset();
            m_responderLibrary = nullptr;
            m_responderAbandoned = true;
            return;
        }
        m_responderThread.join();
        m_responderExit.reset();
    }
    if (auto setLog = reinterpret_cast<ResponderSetLog>(::dlsym(m_responderLibrary, "ServiceSetLogFunction")))
        setLog(nullptr);
    ::dlclose(m_responderLibrary);
    m_responderLibrary = nullptr;
}
