// wdi_create_list / wdi_destroy_list: the USB devices udev knows, as device records.

#include "WdiLog.h"
#include "WdiRulesFolder.h"
#include "pvwdi.h"

#include <libudev.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

const char kUnknownDevice[] = "Unknown USB Device";

struct UdevDeleter {
    void operator()(udev* u) const { udev_unref(u); }
    void operator()(udev_enumerate* e) const { udev_enumerate_unref(e); }
    void operator()(udev_device* d) const { udev_device_unref(d); }
};
template <typename T>
using UdevPtr = std::unique_ptr<T, UdevDeleter>;

// Descriptor strings come from the device: invalid UTF-8 becomes U+FFFD and control
// characters a space, so that logs and file names stay readable.
std::string cleanString(const char* raw)
{
    std::string out;
    if (!raw)
        return out;
    const std::string s(raw);
    for (size_t i = 0; i < s.size();) {
        const size_t n = wdirule::utf8CharLength(s, i);
        if (n == 0) {
            out += "\xEF\xBF\xBD";
            ++i;
        } else if (n == 1) {
            const char c = s[i++];
            out += (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) ? ' ' : c;
        } else {
            out.append(s, i, n);
            i += n;
        }
    }
    return out;
}

std::string trimmed(const std::string& s)
{
    const size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::string();
    const size_t last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

bool parseHexAttr(const char* text, unsigned maxValue, unsigned* value)
{
    if (!text || !*text)
        return false;
    char* end = nullptr;
    const unsigned long v = std::strtoul(text, &end, 16);
    while (end && (*end == ' ' || *end == '\n'))
        ++end;
    if (!end || *end != '\0' || v > maxValue)
        return false;
    *value = unsigned(v);
    return true;
}

std::string attr(udev_device* d, const char* name)
{
    const char* v = udev_device_get_sysattr_value(d, name);
    return v ? std::string(v) : std::string();
}

char* dupOrNull(const std::string* s)
{
    return s ? strdup(s->c_str()) : nullptr;
}

struct Interface {
    unsigned number = 0;
    std::string driver;
    std::string text;
    std::string modalias;
    std::string classes;
    std::string path;
};

struct Device {
    uint16_t vid = 0;
    uint16_t pid = 0;
    bool hub = false;
    std::string driver;
    std::string product;
    std::string manufacturer;
    std::string path;
    std::string modalias;
    std::string classes;
    std::vector<Interface> interfaces;
};

std::string classTriple(udev_device* d, const char* cls, const char* sub, const char* proto)
{
    return "usb:ic" + attr(d, cls) + "isc" + attr(d, sub) + "ip" + attr(d, proto);
}

std::vector<Interface> interfacesOf(udev* u, udev_device* device)
{
    std::vector<Interface> out;
    UdevPtr<udev_enumerate> e(udev_enumerate_new(u));
    if (!e || udev_enumerate_add_match_parent(e.get(), device) < 0 || udev_enumerate_scan_devices(e.get()) < 0)
        return out;
    udev_list_entry* entry;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(e.get())) {
        UdevPtr<udev_device> d(udev_device_new_from_syspath(u, udev_list_entry_get_name(entry)));
        const char* type = d ? udev_device_get_devtype(d.get()) : nullptr;
        if (!type || std::strcmp(type, "usb_interface") != 0)
            continue;
        Interface i;
        if (!parseHexAttr(udev_device_get_sysattr_value(d.get(), "bInterfaceNumber"), 0xFF, &i.number)) {
            WDI_DEBUG("interface %s has no usable number, left out", udev_device_get_syspath(d.get()));
            continue;
        }
        const char* driver = udev_device_get_driver(d.get());
        i.driver = driver ? driver : "";
        i.text = cleanString(udev_device_get_sysattr_value(d.get(), "interface"));
        i.modalias = attr(d.get(), "modalias");
        i.classes = classTriple(d.get(), "bInterfaceClass", "bInterfaceSubClass", "bInterfaceProtocol");
        i.path = udev_device_get_devpath(d.get());
        out.push_back(std::move(i));
    }
    std::sort(out.begin(), out.end(), [](const Interface& a, const Interface& b) { return a.number < b.number; });
    return out;
}

// False for a device that vanished or has no usable ids.
bool readDevice(udev* u, const char* syspath, Device* out)
{
    UdevPtr<udev_device> d(udev_device_new_from_syspath(u, syspath));
    if (!d) {
        WDI_DEBUG("device %s is gone", syspath);
        return false;
    }
    const char* type = udev_device_get_devtype(d.get());
    if (!type || std::strcmp(type, "usb_device") != 0)
        return false;
    unsigned vid = 0, pid = 0;
    if (!parseHexAttr(udev_device_get_sysattr_value(d.get(), "idVendor"), 0xFFFF, &vid) ||
        !parseHexAttr(udev_device_get_sysattr_value(d.get(), "idProduct"), 0xFFFF, &pid)) {
        WDI_DEBUG("device %s has no usable vendor or product id, left out", syspath);
        return false;
    }
    out->vid = uint16_t(vid);
    out->pid = uint16_t(pid);
    unsigned deviceClass = 0;
    out->hub = parseHexAttr(udev_device_get_sysattr_value(d.get(), "bDeviceClass"), 0xFF, &deviceClass) &&
        deviceClass == 0x09;
    const char* driver = udev_device_get_driver(d.get());
    out->driver = driver ? driver : "";
    out->product = cleanString(udev_device_get_sysattr_value(d.get(), "product"));
    out->manufacturer = cleanString(udev_device_get_sysattr_value(d.get(), "manufacturer"));
    out->path = udev_device_get_devpath(d.get());
    char modalias[32];
    std::snprintf(modalias, sizeof modalias, "usb:v%04Xp%04X", vid, pid);
    out->modalias = modalias;
    out->classes = classTriple(d.get(), "bDeviceClass", "bDeviceSubClass", "bDeviceProtocol");
    out->interfaces = interfacesOf(u, d.get());
    return true;
}

struct RecordText {
    std::string desc;
    const std::string* driver = nullptr; // null: no driver
    std::string deviceId;
    std::string hardwareId;
    std::string compatibleId;
    std::string mfg;
    std::string deviceDesc;
};

wdi_device_info* newRecord(const Device& dev, bool composite, unsigned mi, const RecordText& t)
{
    auto* r = static_cast<wdi_device_info*>(std::calloc(1, sizeof(wdi_device_info)));
    if (!r)
        return nullptr;
    r->vid = dev.vid;
    r->pid = dev.pid;
    r->is_composite = composite;
    r->mi = static_cast<unsigned char>(mi);
    r->desc = strdup(t.desc.c_str());
    r->driver = dupOrNull(t.driver);
    r->device_id = strdup(t.deviceId.c_str());
    r->hardware_id = strdup(t.hardwareId.c_str());
    r->compatible_id = strdup(t.compatibleId.c_str());
    r->upper_filter = strdup("");
    r->mfg = strdup(t.mfg.c_str());
    r->device_desc = strdup(t.deviceDesc.c_str());
    return r;
}

class ListBuilder {
public:
    ListBuilder(const wdi_options_create_list& options, std::vector<wdirule::InstalledRule> rules)
        : m_options(options), m_rules(std::move(rules))
    {
    }

    void add(const Device& dev)
    {
        if (dev.hub && !m_options.list_hubs)
            return;
        const std::string desc = description(dev.product);
        const std::string mfg = m_options.trim_whitespaces ? trimmed(dev.manufacturer) : dev.manufacturer;
        const int installed = wdirule::installedType(m_rules, dev.vid, dev.pid);
        const std::string ownDriver = installed >= 0 ? wdirule::typeName(installed) : "";

        if (dev.interfaces.size() <= 1) {
            const Interface* i = dev.interfaces.empty() ? nullptr : &dev.interfaces.front();
            RecordText t{desc, nullptr, dev.path, i && !i->modalias.empty() ? i->modalias : dev.modalias,
                i ? i->classes : dev.classes, mfg, description(i && !i->text.empty() ? i->text : dev.product)};
            const std::string fn = functionDriver(dev, i);
            t.driver = installed >= 0 ? &ownDriver : fn.empty() ? nullptr : &fn;
            push(newRecord(dev, false, 0, t));
            return;
        }
        if (m_options.list_hubs) {
            RecordText t{desc, dev.driver.empty() ? nullptr : &dev.driver, dev.path, dev.modalias, dev.classes,
                mfg, desc};
            push(newRecord(dev, true, 0, t));
        }
        for (const Interface& i : dev.interfaces) {
            RecordText t{desc, nullptr, i.path, i.modalias.empty() ? dev.modalias : i.modalias, i.classes, mfg,
                description(i.text.empty() ? dev.product : i.text)};
            // The first interface carries the device's rule, as it would carry its driver.
            const std::string fn = functionDriver(dev, &i);
            t.driver = installed >= 0 && i.number == 0 ? &ownDriver : fn.empty() ? nullptr : &fn;
            push(newRecord(dev, false, i.number, t));
        }
    }

    wdi_device_info* take()
    {
        wdi_device_info* head = m_head;
        m_head = m_tail = nullptr;
        return head;
    }
    ~ListBuilder() { wdi_destroy_list(m_head); }

private:
    std::string description(const std::string& raw) const
    {
        const std::string s = m_options.trim_whitespaces ? trimmed(raw) : raw;
        return s.empty() ? std::string(kUnknownDevice) : s;
    }

    // An interface no function driver claimed is served by the generic device driver.
    static std::string functionDriver(const Device& dev, const Interface* i)
    {
        return i && !i->driver.empty() ? i->driver : dev.driver;
    }

    void push(wdi_device_info* r)
    {
        if (!r)
            return;
        if (!m_options.list_all && r->driver) {
            wdi_destroy_list(r);
            return;
        }
        if (m_tail)
            m_tail->next = r;
        else
            m_head = r;
        m_tail = r;
    }

    wdi_options_create_list m_options;
    std::vector<wdirule::InstalledRule> m_rules;
    wdi_device_info* m_head = nullptr;
    wdi_device_info* m_tail = nullptr;
};

} // namespace

extern "C" {

int wdi_create_list(wdi_device_info** list, const wdi_options_create_list* options)
{
    if (!list)
        return WDI_ERROR_INVALID_PARAM;
    *list = nullptr;
    const wdi_options_create_list opts = options ? *options : wdi_options_create_list{0, 0, 0};

    UdevPtr<udev> u(udev_new());
    if (!u) {
        WDI_ERROR("udev is not available");
        return WDI_ERROR_RESOURCE;
    }
    UdevPtr<udev_enumerate> e(udev_enumerate_new(u.get()));
    if (!e || udev_enumerate_add_match_subsystem(e.get(), "usb") < 0 || udev_enumerate_scan_devices(e.get()) < 0) {
        WDI_ERROR("USB devices could not be listed");
        return WDI_ERROR_RESOURCE;
    }
    ListBuilder builder(opts, wdirule::installedRules(wdirule::rulesDir(true)));
    int devices = 0;
    udev_list_entry* entry;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(e.get())) {
        Device dev;
        if (!readDevice(u.get(), udev_list_entry_get_name(entry), &dev))
            continue;
        builder.add(dev);
        ++devices;
    }
    *list = builder.take();
    WDI_DEBUG("%d USB devices listed", devices);
    return *list ? WDI_SUCCESS : WDI_ERROR_NO_DEVICE;
}

int wdi_destroy_list(wdi_device_info* list)
{
    while (list) {
        wdi_device_info* next = list->next;
        for (char* s : {list->desc, list->driver, list->device_id, list->hardware_id, list->compatible_id,
                 list->upper_filter, list->mfg, list->device_desc})
            std::free(s);
        std::free(list);
        list = next;
    }
    return WDI_SUCCESS;
}

} // extern "C"
