#pragma once
// Runs pivora-usb-helper through the privilege runner (pkexec unless PIVORA_PRIVILEGE_RUNNER
// says otherwise), feeds it its input and collects its report.

#include <string>
#include <vector>

namespace wdihelper {

struct Result {
    int status = 0;              // a wdi_error code
    bool retriggered = false;    // the helper re-triggered udev for the device
};

// Abortable runs end at once on wdi_abort_install(); one may run at a time.
Result run(const std::vector<std::string>& args, const std::string& input, unsigned timeoutMs, bool abortable);

// Ends the abortable run, if any. False when none was running.
bool abortRunning();

// The helper beside this library (a build tree), else the installed one.
std::string helperPath();

} // namespace wdihelper
