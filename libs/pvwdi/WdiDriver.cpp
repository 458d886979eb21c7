// Preparing, installing and removing the rules; the lockdown folder; folders.

#include "WdiHelper.h"
#include "WdiLog.h"
#include "WdiRulesFolder.h"
#include "pvwdi.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr unsigned kDefaultTimeoutMs = 60000;
const char kDefaultInfName[] = "usb_device.inf";

thread_local bool t_restartNeeded = false;

bool isDirectory(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The rule a device gets under an INF name; false when the name cannot name a file.
bool ruleFor(const wdi_device_info* dev, int type, const char* infName, wdirule::Rule* rule)
{
    std::string base = infName ? infName : kDefaultInfName;
    if (base.size() >= 4 && strcasecmp(base.c_str() + base.size() - 4, ".inf") == 0)
        base.resize(base.size() - 4);
    if (!wdirule::isValidBase(base)) {
        WDI_ERROR("\"%s\" cannot name a rule file", base.c_str());
        return false;
    }
    rule->driverType = type;
    rule->vid = dev->vid;
    rule->pid = dev->pid;
    rule->base = base;
    return true;
}

bool validDevice(const wdi_device_info* dev, const char* path)
{
    return dev && path && *path;
}

struct VendorName {
    unsigned short vid;
    const char* name;
};
// The makers the driver scan cares about; udev's hardware database is not always installed.
const VendorName kVendors[] = {
    {0x04DD, "Sharp"}, {0x04E8, "Samsung"}, {0x05AC, "Apple"}, {0x05C6, "Qualcomm"}, {0x0B05, "ASUSTek"},
    {0x0E8D, "MediaTek"}, {0x0FCE, "Sony Mobile"}, {0x1004, "LG Electronics"}, {0x12D1, "Huawei"},
    {0x17EF, "Lenovo"}, {0x18D1, "Google"}, {0x19D2, "ZTE"}, {0x22D9, "OPPO"}, {0x2717, "Xiaomi"},
    {0x29A9, "Smartisan"}, {0x2A45, "Meizu"}, {0x2A70, "OnePlus"}, {0x2D95, "vivo"},
};

} // namespace

extern "C" {

int wdi_is_driver_supported(int driver_type)
{
    return driver_type >= WDI_WINUSB && driver_type < WDI_NB_DRIVERS;
}

int wdi_mkdir_p(const char* path)
{
    if (!path || !*path)
        return WDI_ERROR_INVALID_PARAM;
    if (wdirule::makePath(path))
        return WDI_SUCCESS;
    WDI_ERROR("cannot create %s: %s", path, std::strerror(errno));
    return errno == ENOTDIR || errno == EEXIST ? WDI_ERROR_EXISTS : WDI_ERROR_ACCESS;
}

int wdi_prepare_driver(const wdi_device_info* device_info, const char* path, const char* inf_name,
    const wdi_options_prepare_driver* options)
{
    const int type = options ? options->driver_type : WDI_WINUSB;
    if (!validDevice(device_info, path) || !wdi_is_driver_supported(type))
        return WDI_ERROR_INVALID_PARAM;
    wdirule::Rule rule;
    if (!ruleFor(device_info, type, inf_name, &rule))
        return WDI_ERROR_INVALID_PARAM;
    const int made = wdi_mkdir_p(path);
    if (made != WDI_SUCCESS)
        return made;
    const std::string name = wdirule::fileName(rule);
    WDI_INFO("preparing %s for %04x:%04x in %s", name.c_str(), rule.vid, rule.pid, path);
    if (wdirule::writeAtomically(path, name, wdirule::content(rule)))
        return WDI_SUCCESS;
    WDI_ERROR("cannot write %s/%s: %s", path, name.c_str(), std::strerror(errno));
    return WDI_ERROR_ACCESS;
}

int wdi_install_driver(const wdi_device_info* device_info, const char* path, const char* inf_name,
    const wdi_options_install_driver* options)
{
    t_restartNeeded = false;
    int type = -1;
    // The prepared file says which type it is; look for each.
    wdirule::Rule rule;
    std::string text;
    if (!validDevice(device_info, path) || (options && options->install_filter_driver))
        return WDI_ERROR_INVALID_PARAM;
    for (int t = WDI_WINUSB; t < WDI_NB_DRIVERS && type < 0; ++t) {
        if (ruleFor(device_info, t, inf_name, &rule) &&
            wdirule::readSmallFile(std::string(path) + "/" + wdirule::fileName(rule), wdirule::kMaxContentBytes, &text))
            type = t;
    }
    if (type < 0) {
        WDI_ERROR("no rule for %04x:%04x was prepared in %s", device_info->vid, device_info->pid, path);
        return WDI_ERROR_NOT_FOUND;
    }
    const std::string name = wdirule::fileName(rule);
    if (!wdirule::isOwnRule(name, text)) {
        WDI_ERROR("%s/%s was changed since it was prepared", path, name.c_str());
        return WDI_ERROR_INVALID_PARAM;
    }
    const unsigned timeout = options && options->pending_install_timeout ? options->pending_install_timeout
                                                                          : kDefaultTimeoutMs;
    WDI_INFO("installing %s", name.c_str());
    const wdihelper::Result r = wdihelper::run({"install", name}, text, timeout, true);
    if (r.status != WDI_SUCCESS) {
        WDI_ERROR("installing %s failed: %s", name.c_str(), wdi_strerror(r.status));
        return r.status;
    }
    t_restartNeeded = !r.retriggered;
    return WDI_SUCCESS;
}

int wdi_abort_install(void)
{
    return wdihelper::abortRunning() ? WDI_SUCCESS : WDI_ERROR_NOT_FOUND;
}

int wdi_restart_needed(void)
{
    return t_restartNeeded;
}

int wdi_list_installed_drivers(wdi_installed_driver** list)
{
    if (!list)
        return WDI_ERROR_INVALID_PARAM;
    *list = nullptr;
    wdi_installed_driver** tail = list;
    for (const wdirule::InstalledRule& r : wdirule::installedRules(wdirule::rulesDir(true))) {
        auto* d = static_cast<wdi_installed_driver*>(std::calloc(1, sizeof(wdi_installed_driver)));
        if (!d)
            return WDI_ERROR_RESOURCE;
        d->vid = r.rule.vid;
        d->pid = r.rule.pid;
        d->driver_type = r.rule.driverType;
        d->desc = strdup(r.rule.base.c_str());
        d->rule_name = strdup(r.name.c_str());
        *tail = d;
        tail = &d->next;
    }
    return *list ? WDI_SUCCESS : WDI_ERROR_NOT_FOUND;
}

void wdi_destroy_installed_list(wdi_installed_driver* list)
{
    while (list) {
        wdi_installed_driver* next = list->next;
        std::free(list->desc);
        std::free(list->rule_name);
        std::free(list);
        list = next;
    }
}

int wdi_uninstall_driver(const wdi_installed_driver* driver, unsigned timeout_ms)
{
    t_restartNeeded = false;
    if (!driver || !driver->rule_name)
        return WDI_ERROR_INVALID_PARAM;
    WDI_INFO("removing %s", driver->rule_name);
    const wdihelper::Result r =
        wdihelper::run({"remove", driver->rule_name}, std::string(), timeout_ms ? timeout_ms : kDefaultTimeoutMs, false);
    if (r.status != WDI_SUCCESS) {
        WDI_ERROR("removing %s failed: %s", driver->rule_name, wdi_strerror(r.status));
        return r.status;
    }
    t_restartNeeded = !r.retriggered;
    return WDI_SUCCESS;
}

int wdi_create_lockdown_folder(unsigned timeout_ms)
{
    const std::string folder = wdirule::lockdownDir(true);
    if (isDirectory(folder))
        return WDI_SUCCESS;
    WDI_INFO("creating %s", folder.c_str());
    return wdihelper::run({"lockdown"}, std::string(), timeout_ms ? timeout_ms : kDefaultTimeoutMs, false).status;
}

const char* wdi_get_vendor_name(unsigned short vid)
{
    for (const VendorName& v : kVendors) {
        if (v.vid == vid)
            return v.name;
    }
    return "Unknown";
}

const char* wdi_strerror(int errcode)
{
    switch (errcode) {
    case WDI_SUCCESS: return "Success";
    case WDI_ERROR_IO: return "Input/output error";
    case WDI_ERROR_INVALID_PARAM: return "Invalid parameter";
    case WDI_ERROR_ACCESS: return "Access denied (insufficient permissions)";
    case WDI_ERROR_NO_DEVICE: return "No such device";
    case WDI_ERROR_NOT_FOUND: return "Entity not found";
    case WDI_ERROR_BUSY: return "Resource busy, or API call already running";
    case WDI_ERROR_TIMEOUT: return "Operation timed out";
    case WDI_ERROR_OVERFLOW: return "Overflow";
    case WDI_ERROR_PENDING_INSTALLATION: return "Another installation is pending";
    case WDI_ERROR_INTERRUPTED: return "System call interrupted";
    case WDI_ERROR_RESOURCE: return "Could not acquire resource";
    case WDI_ERROR_NOT_SUPPORTED: return "Operation not supported or unimplemented";
    case WDI_ERROR_EXISTS: return "Resource already exists";
    case WDI_ERROR_USER_CANCEL: return "Cancelled by user";
    case WDI_ERROR_NEEDS_ADMIN: return "Authorisation failed or the helper could not run";
    default: return "Other error";
    }
}

} // extern "C"
