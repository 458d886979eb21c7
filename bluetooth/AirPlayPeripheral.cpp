#include "bluetooth/AirPlayPeripheral.h"

#include <QCoreApplication>
#include <QDir>
#include <QThread>

#include <cstdio>
#include <dlfcn.h>

class AirPlayPeripheralThread : public QThread {
public:
    explicit AirPlayPeripheralThread(AirPlayPeripheral* owner)
        : m_owner(owner)
    {
        setObjectName(QStringLiteral("Bluetooth"));
    }

protected:
    void run() override { m_owner->run(); }

private:
    AirPlayPeripheral* m_owner;
};

// Every export is looked up right before its call; a missing one makes the call a no-op.
template <typename Fn, typename... Args>
void AirPlayPeripheral::call(const char* symbol, Args... args)
{
    if (auto fn = reinterpret_cast<Fn>(resolve(symbol)))
        fn(args...);
}

template <typename Fn>
bool AirPlayPeripheral::callForBool(const char* symbol)
{
    auto fn = reinterpret_cast<Fn>(resolve(symbol));
    return fn ? fn() : false;
}

AirPlayPeripheral::AirPlayPeripheral() = default;

AirPlayPeripheral::~AirPlayPeripheral()
{
    stop();
}

bool AirPlayPeripheral::start(const std::string& libraryName)
{
    if (m_thread)
        return true;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_libraryName = libraryName;
        m_stopRequested = false;
        m_loaded = false;
        m_finished = false;
    }
    m_wake.notify_all();
    m_thread.reset(new AirPlayPeripheralThread(this));
    m_thread->start(QThread::InheritPriority);
    if (!m_thread->isRunning() && !m_thread->isFinished()) {
        qWarning("Bluetooth worker thread could not be started");
        m_thread.reset();
    }
    return m_thread != nullptr;
}

void AirPlayPeripheral::stop()
{
    if (!m_thread)
        return;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopRequested = true;
    }
    m_wake.notify_all();
    m_thread->wait();
    // Seeing the worker's last step under our own mutex orders everything it did before the
    // owner goes on, also for tools that cannot see inside QThread::wait.
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_wake.wait(lock, [this] { return m_finished; });
    }
    m_thread.reset();
    m_supported = false;
}

bool AirPlayPeripheral::enqueue(std::unique_ptr<PeripheralCommand> command)
{
    if (!command)
        return false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_stopRequested)
            return false;
        m_queue.push_back(std::move(command));
    }
    m_wake.notify_all();
    return true;
}

bool AirPlayPeripheral::isStopRequested() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_stopRequested;
}

bool AirPlayPeripheral::waitUntilLoaded(std::chrono::milliseconds timeout)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_wake.wait_for(lock, timeout, [this] { return m_loaded || !m_thread; });
}

void AirPlayPeripheral::markLoaded()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_loaded = true;
    }
    m_wake.notify_all();
}

void AirPlayPeripheral::run()
{
    if (loadLibrary()) {
        call<AirPlayPeripheralVoidFn>("AirPlay_Peripheral_EnvInitialize");
        m_supported = callForBool<AirPlayPeripheralBoolFn>("AirPlay_Peripheral_Support");
        if (!m_supported)
            qInfo("This host cannot act as a Bluetooth LE peripheral; Bluetooth control is off");
    }
    markLoaded();
    if (m_loadedHandler)
        m_loadedHandler(m_supported);

    while (!isStopRequested()) {
        std::unique_ptr<PeripheralCommand> command = takeCommand();
        if (command && m_supported)
            execute(*command);
    }

    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_queue.clear();
    }
    unloadLibrary();
    m_supported = false;
    // Notified under the mutex: the owner may destroy the condition variable as soon as it
    // can take the mutex again.
    std::lock_guard<std::mutex> lock(m_mutex);
    m_finished = true;
    m_wake.notify_all();
}

std::unique_ptr<PeripheralCommand> AirPlayPeripheral::takeCommand()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_wake.wait(lock, [this] { return !m_queue.empty() || m_stopRequested; });
    if (!m_queue.empty()) {
        std::unique_ptr<PeripheralCommand> command = std::move(m_queue.front());
        m_queue.pop_front();
        return command;
    }
    std::printf("No item to remove. item count: %d\n", int(m_queue.size()));
    std::fflush(stdout);
    return nullptr;
}

void AirPlayPeripheral::execute(const PeripheralCommand& cmd)
{
    switch (cmd.code()) {
    case PeripheralCommand::Start:
        call<AirPlayPeripheralVoidFn>("AirPlay_Peripheral_Initialize");
        if (!callForBool<AirPlayPeripheralBoolFn>("AirPlay_Peripheral_StartService"))
            qInfo("Bluetooth HID service did not start");
        break;
    case PeripheralCommand::Stop:
        call<AirPlayPeripheralVoidFn>("AirPlay_Peripheral_StopService");
        break;
    case PeripheralCommand::PhoneInfo:
        call<AirPlayPeripheralSetPhoneInfoFn>("AirPlay_Peripheral_SetPhoneInfo",
            cmd.textAt(PeripheralCommand::kPayload), cmd.textAt(PeripheralCommand::kNoteOffset));
        break;
    case PeripheralCommand::Callbacks: {
        const PeripheralCallbacks record = cmd.callbacksRecord();
        call<AirPlayPeripheralSetCallbacksFn>("AirPlay_Peripheral_SetCallbacks", &record);
        break;
    }
    case PeripheralCommand::Mouse:
        call<AirPlayPeripheralMouseSendFn>("AirPlay_Peripheral_MouseSend",
            cmd.i32At(8), cmd.i32At(12), cmd.i32At(16), cmd.i32At(20));
        break;
    case PeripheralCommand::Touch:
        call<AirPlayPeripheralTouchScreenSendFn>("AirPlay_Peripheral_TouchScreenSend",
            cmd.i32At(8), cmd.f32At(12), cmd.f32At(16));
        break;
    case PeripheralCommand::GamePad:
        call<AirPlayPeripheralGamePadSendFn>("AirPlay_Peripheral_GamePadSend", cmd.i32At(8));
        break;
    case PeripheralCommand::KeyBoard:
        call<AirPlayPeripheralKeyBoardSendFn>("AirPlay_Peripheral_KeyBoardSend", cmd.i32At(8), cmd.u8At(12));
        break;
    case PeripheralCommand::SubscribedClient:
        call<AirPlayPeripheralSetSubscribedClientFn>("AirPlay_Peripheral_SetSubscribedClient",
            cmd.textAt(PeripheralCommand::kPayload));
        break;
    default:
        qWarning("Bluetooth command with unknown code %u dropped", cmd.code());
        break;
    }
}

bool AirPlayPeripheral::loadLibrary()
{
    std::string name;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        name = m_libraryName;
    }
    if (name.find('/') == std::string::npos && QCoreApplication::instance()) {
        const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromStdString(name));
        m_module = dlopen(beside.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
    }
    if (!m_module)
        m_module = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!m_module) {
        const char* error = dlerror();
        qWarning("Bluetooth HID library %s could not be loaded (%s); Bluetooth control is off",
            name.c_str(), error ? error : "unknown error");
        return false;
    }
    qInfo("Bluetooth HID library %s loaded", name.c_str());
    return true;
}

void AirPlayPeripheral::unloadLibrary()
{
    if (m_module)
        dlclose(m_module);
    m_module = nullptr;
}

void* AirPlayPeripheral::resolve(const char* symbol)
{
    if (!m_module)
        return nullptr;
    void* address = dlsym(m_module, symbol);
    if (!address && m_reportedMissing.insert(symbol).second)
        qWarning("Bluetooth HID library has no %s; that call is skipped", symbol);
    return address;
}
