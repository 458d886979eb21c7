// The helper's check of a rule handed to it (file name on the first line, the text after it)
// and the cleaning of descriptor strings into file names: never a crash, and whatever is
// accepted is exactly a rule this program writes.

#include "WdiRule.h"
#include "usbdriver/UsbDeviceRules.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 4096)
        return 0;
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t newline = input.find('\n');
    const std::string name = input.substr(0, newline);
    const std::string text = newline == std::string::npos ? std::string() : input.substr(newline + 1);

    wdirule::Rule rule;
    if (wdirule::isOwnRule(name, text, &rule)) {
        if (wdirule::fileName(rule) != name || wdirule::content(rule) != text)
            abort();
    }
    if (wdirule::parseFileName(name, &rule) && (!wdirule::isValidBase(rule.base) || wdirule::fileName(rule) != name))
        abort();

    // A description the device sent: the cleaned name is always one the engine accepts.
    const std::string desc = input.substr(0, input.find('\0'));
    const QString inf = usbrules::cleanInfName(desc.c_str());
    if (!inf.isNull() && (!inf.endsWith(".inf") || !wdirule::isValidBase(inf.chopped(4).toStdString())))
        abort();
    return 0;
}
