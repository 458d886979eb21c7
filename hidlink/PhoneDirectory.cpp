#include "hidlink/PhoneDirectory.h"

#include <algorithm>

namespace hidlink {

void PhoneDirectory::reset()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_callbacks = {};
    m_phoneNames.clear();
    m_phoneNote.clear();
    m_records.clear();
    m_registry.clear();
}

void PhoneDirectory::setCallbacks(const PeripheralCallbacks& callbacks)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_callbacks = callbacks;
}

std::shared_ptr<PhoneRecord> PhoneDirectory::addPhoneInfo(const std::string& name, const std::string& note)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_phoneNames.push_back(name);
    m_phoneNote = note;
    const auto it = m_registry.find(name);
    return it == m_registry.end() ? nullptr : it->second;
}

std::shared_ptr<PhoneRecord> PhoneDirectory::recordFor(const std::string& devicePath)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::shared_ptr<PhoneRecord>& record = m_records[devicePath];
    if (!record)
        record = std::make_shared<PhoneRecord>(devicePath);
    return record;
}

std::shared_ptr<PhoneRecord> PhoneDirectory::findRecord(const std::string& devicePath) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_records.find(devicePath);
    return it == m_records.end() ? nullptr : it->second;
}

bool PhoneDirectory::registerName(const std::string& name, const std::shared_ptr<PhoneRecord>& record)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_registry.emplace(name, record).second;
}

void PhoneDirectory::reportLink(const std::string& name, uint64_t address, bool connected) const
{
    long times = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        times = std::count(m_phoneNames.begin(), m_phoneNames.end(), name);
    }
    for (long i = 0; i < times; ++i)
        reportLinkOnce(name, address, connected);
}

void PhoneDirectory::reportLinkOnce(const std::string& name, uint64_t address, bool connected) const
{
    PeripheralCallbacks callbacks;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        callbacks = m_callbacks;
    }
    if (callbacks.onPhoneLinked)
        callbacks.onPhoneLinked(callbacks.context, name.c_str(), address, connected);
}

bool PhoneDirectory::select(const std::string& name)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_registry.find(name);
    if (it == m_registry.end())
        return false;
    m_selected = it->second;
    return true;
}

void PhoneDirectory::dropSelection()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_selected.reset();
}

std::shared_ptr<PhoneRecord> PhoneDirectory::selected() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_selected;
}

size_t PhoneDirectory::phoneNameCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_phoneNames.size();
}

std::string PhoneDirectory::phoneNote() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_phoneNote;
}

} // namespace hidlink
