#pragma once

#include "hidlink/GattHidService.h"

#include <sdbus-c++/sdbus-c++.h>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace hidlink {

class BluezLink;
class PhoneDirectory;
struct PhoneRecord;

// Learns which phones subscribe to the input report while the service runs, and tells the
// program through the directory's link callback. BlueZ does not say who subscribes, and starts
// notifications only for the first phone, so the subscriber is the connected phone that most
// recently read the service's values (a HID host reads the report map before it subscribes),
// else any connected phone not yet subscribed; while notifications run, a phone that reads is
// the next subscriber.
// Bus events are handed to a thread of its own, which may ask BlueZ and call the program.
class PhoneTracker : public GattHidService::Listener {
public:
    PhoneTracker(BluezLink& link, std::string adapterPath, PhoneDirectory& directory);
    ~PhoneTracker();
    PhoneTracker(const PhoneTracker&) = delete;
    PhoneTracker& operator=(const PhoneTracker&) = delete;

    // Starts the thread and watches BlueZ's devices and adapter.
    void start();
    // Stops watching; every subscriber is then no longer subscribed.
    void stop();
    // The adapter or the daemon went away; the service is gone with it.
    bool isAdapterLost() const { return m_adapterLost; }

    // The system bus is gone, and with it BlueZ.
    void busLost();

    void attributeReadBy(const std::string& devicePath) override;
    void notifyStarted() override;
    void notifyStopped() override;

private:
    void post(std::function<void()> task);
    void run();
    void watchBluez();
    void onDeviceProperties(sdbus::Message& message);
    void onInterfacesRemoved(sdbus::Message& message);
    void onNameOwnerChanged(sdbus::Message& message);

    // Tracker thread only, below.
    void noteReader(const std::string& devicePath);
    void subscribeNewPhone();
    // Takes a connected phone as subscribed; false when BlueZ does not show it connected.
    bool addSubscriber(const std::string& devicePath);
    std::string findSubscriber();
    // Registers every connected subscriber under its names and reports it.
    void reportSubscribers();
    void registerAndReport(const std::shared_ptr<PhoneRecord>& record, const std::string& name, bool connected);
    void deviceConnectionChanged(const std::string& devicePath, bool connected);
    void reportUnlinked(const PhoneRecord& record);
    void adapterLost(const char* why);
    bool isSubscriber(const std::string& devicePath) const;

    struct Subscriber {
        std::shared_ptr<PhoneRecord> record;
        // Bonded phones keep their subscription over a reconnect, as BlueZ keeps it for them.
        bool bonded = false;
    };

    BluezLink& m_link;
    const std::string m_adapterPath;
    PhoneDirectory& m_directory;
    std::vector<sdbus::Slot> m_matches;
    std::atomic<bool> m_adapterLost { false };

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::function<void()>> m_tasks;
    bool m_stopping = false;
    std::thread m_thread;

    // BlueZ's notification session of the input report runs.
    bool m_notifying = false;
    std::deque<std::string> m_readers;
    std::vector<Subscriber> m_subscribers;
};

} // namespace hidlink
