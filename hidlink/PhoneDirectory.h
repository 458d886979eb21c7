#pragma once

#include "hidlink/hidlink.h"

#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace hidlink {

// One phone as BlueZ knows it: its device object, and whether it is connected and subscribed
// to the input report of the running service.
struct PhoneRecord {
    explicit PhoneRecord(std::string path)
        : devicePath(std::move(path))
    {
    }
    const std::string devicePath;
    std::atomic<uint64_t> address { 0 };
    std::atomic<bool> connected { false };
    std::atomic<bool> subscribed { false };
    // The names it was registered under; touched by the tracker's thread only.
    std::vector<std::string> names;

    // Reports to it reach the phone.
    bool isReachable() const { return connected && subscribed; }
};

// Everything the exports and the event handlers share: the link callbacks, the names the
// program asked about, the registry of subscribed phones by name and the selected phone.
// Thread-safe; callbacks are made without the lock held.
class PhoneDirectory {
public:
    // Forgets callbacks, names, note, phones and registry.
    void reset();
    void setCallbacks(const PeripheralCallbacks& callbacks);
    // Notes the name (duplicates kept) and the note; answers the phone registered under the name.
    std::shared_ptr<PhoneRecord> addPhoneInfo(const std::string& name, const std::string& note);
    // The record of a device object, made on first use so a phone keeps one record for good.
    std::shared_ptr<PhoneRecord> recordFor(const std::string& devicePath);
    std::shared_ptr<PhoneRecord> findRecord(const std::string& devicePath) const;
    // The first phone registered under a name keeps it. Answers whether this one got it.
    bool registerName(const std::string& name, const std::shared_ptr<PhoneRecord>& record);
    // Calls the link callback once for every time the name was given to addPhoneInfo.
    void reportLink(const std::string& name, uint64_t address, bool connected) const;
    // Calls the link callback once.
    void reportLinkOnce(const std::string& name, uint64_t address, bool connected) const;

    // Selects the phone registered under the name; unknown names keep the selection.
    bool select(const std::string& name);
    void dropSelection();
    std::shared_ptr<PhoneRecord> selected() const;

    size_t phoneNameCount() const;
    std::string phoneNote() const;

private:
    mutable std::mutex m_mutex;
    PeripheralCallbacks m_callbacks {};
    std::vector<std::string> m_phoneNames;
    std::string m_phoneNote;
    std::map<std::string, std::shared_ptr<PhoneRecord>> m_records;
    std::map<std::string, std::shared_ptr<PhoneRecord>> m_registry;
    std::shared_ptr<PhoneRecord> m_selected;
};

} // namespace hidlink
