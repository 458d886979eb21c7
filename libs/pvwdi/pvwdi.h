#pragma once
/* libpvwdi: the USB driver engine of Pivora on Linux.
 *
 * Lists the USB devices that udev knows and gives a device a "driver": a udev rule of this
 * program that lets the logged-in user open it (TAG+="uaccess"). Rules are prepared into a
 * working folder and installed or removed by pivora-usb-helper, run through pkexec.
 *
 * Linux's device model maps onto the records like this: a USB device with one interface is
 * one record; a device with several interfaces is a composite parent record followed by one
 * record per interface (mi = interface number). The driver of a record is the kernel driver
 * bound to its interface (the generic "usb" driver for an interface no function driver has
 * claimed, and for a composite parent), or the driver type whose rule of this program covers
 * the device.
 *
 * Environment: PIVORA_UDEV_RULES_DIR (rules folder instead of the system's),
 * PIVORA_PRIVILEGE_RUNNER (command that runs the helper instead of pkexec; set but empty: the
 * helper runs directly), PIVORA_LOCKDOWN_DIR (lockdown folder instead of the system's).
 */

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define WDI_EXPORT __attribute__((visibility("default")))

enum wdi_driver_type {
    WDI_WINUSB = 0,
    WDI_LIBUSB0 = 1,
    WDI_LIBUSBK = 2,
    WDI_NB_DRIVERS
};

enum wdi_log_level {
    WDI_LOG_LEVEL_DEBUG = 0,
    WDI_LOG_LEVEL_INFO = 1,
    WDI_LOG_LEVEL_WARNING = 2,
    WDI_LOG_LEVEL_ERROR = 3,
    WDI_LOG_LEVEL_NONE = 4
};

enum wdi_error {
    WDI_SUCCESS = 0,
    WDI_ERROR_IO = -1,
    WDI_ERROR_INVALID_PARAM = -2,
    WDI_ERROR_ACCESS = -3,
    WDI_ERROR_NO_DEVICE = -4,
    WDI_ERROR_NOT_FOUND = -5,
    WDI_ERROR_BUSY = -6,
    WDI_ERROR_TIMEOUT = -7,
    WDI_ERROR_OVERFLOW = -8,
    WDI_ERROR_PENDING_INSTALLATION = -9,
    WDI_ERROR_INTERRUPTED = -10,
    WDI_ERROR_RESOURCE = -11,
    WDI_ERROR_NOT_SUPPORTED = -12,
    WDI_ERROR_EXISTS = -13,
    WDI_ERROR_USER_CANCEL = -14,
    WDI_ERROR_NEEDS_ADMIN = -15,
    WDI_ERROR_OTHER = -99
};

struct wdi_device_info {
    struct wdi_device_info* next;
    unsigned short vid;
    unsigned short pid;
    int is_composite;       /* a composite parent */
    unsigned char mi;       /* interface number of a composite child, 0 otherwise */
    char* desc;             /* product string (UTF-8) */
    char* driver;           /* bound driver, or null */
    char* device_id;        /* sysfs path of the device or interface */
    char* hardware_id;      /* modalias */
    char* compatible_id;    /* class, subclass and protocol */
    char* upper_filter;     /* always empty */
    uint64_t driver_version;
    char* mfg;              /* manufacturer string */
    char* device_desc;      /* interface string, else the product string */
};

struct wdi_options_create_list {
    int list_all;           /* also devices that have a driver */
    int list_hubs;          /* also hubs and composite parents */
    int trim_whitespaces;   /* trim the descriptions */
};

struct wdi_options_prepare_driver {
    int driver_type;
};

struct wdi_options_install_driver {
    int install_filter_driver;          /* not supported; must be 0 */
    unsigned pending_install_timeout;   /* ms the helper may take, 0 = 60000 */
};

/* A rule of this program found in the rules folder, present device or not. */
struct wdi_installed_driver {
    struct wdi_installed_driver* next;
    unsigned short vid;
    unsigned short pid;
    int driver_type;
    char* desc;        /* name the rule was prepared under */
    char* rule_name;   /* file name in the rules folder */
};

typedef void (*wdi_log_notify)(void* context);

WDI_EXPORT int wdi_is_driver_supported(int driver_type);
WDI_EXPORT int wdi_create_list(struct wdi_device_info** list, const struct wdi_options_create_list* options);
WDI_EXPORT int wdi_destroy_list(struct wdi_device_info* list);

/* Writes the device's rule into path, named after inf_name (the engine's default when null). */
WDI_EXPORT int wdi_prepare_driver(const struct wdi_device_info* device_info, const char* path,
    const char* inf_name, const struct wdi_options_prepare_driver* options);
/* Hands the prepared rule to the helper, which installs it and re-triggers udev. */
WDI_EXPORT int wdi_install_driver(const struct wdi_device_info* device_info, const char* path,
    const char* inf_name, const struct wdi_options_install_driver* options);
/* Ends a running installation at once; it returns WDI_ERROR_INTERRUPTED. */
WDI_EXPORT int wdi_abort_install(void);
/* True when the calling thread's last installation or removal could not re-trigger udev, so
 * the device only gets its new access after a restart (or a replug). */
WDI_EXPORT int wdi_restart_needed(void);

WDI_EXPORT int wdi_list_installed_drivers(struct wdi_installed_driver** list);
WDI_EXPORT void wdi_destroy_installed_list(struct wdi_installed_driver* list);
WDI_EXPORT int wdi_uninstall_driver(const struct wdi_installed_driver* driver, unsigned timeout_ms);

WDI_EXPORT const char* wdi_get_vendor_name(unsigned short vid);
WDI_EXPORT const char* wdi_strerror(int errcode);

WDI_EXPORT int wdi_set_log_level(int level);
/* notify runs on the logging thread, at most once per batch of new lines; it may read them
 * with wdi_read_logger but must not unregister. Unregistering waits for a notification in
 * flight. buffsize bounds the bytes kept until read. */
WDI_EXPORT int wdi_register_logger(wdi_log_notify notify, void* context, unsigned buffsize);
WDI_EXPORT int wdi_unregister_logger(wdi_log_notify notify, void* context);
/* Copies the oldest pending line (cut to buffer_size - 1 bytes); WDI_ERROR_NOT_FOUND when none. */
WDI_EXPORT int wdi_read_logger(char* buffer, unsigned buffer_size, unsigned* message_size);

/* Creates a folder with its missing parents. */
WDI_EXPORT int wdi_mkdir_p(const char* path);
/* Creates the iOS USB multiplexer's lockdown folder through the helper when it is missing. */
WDI_EXPORT int wdi_create_lockdown_folder(unsigned timeout_ms);

#ifdef __cplusplus
}
#endif
