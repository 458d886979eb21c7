#include "CommandLine.h"

#include "HttpService.h"

#include <cstdlib>
#include <cstring>

namespace {

std::optional<int> parsePort(const char* text)
{
    char* end = nullptr;
    const long port = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || port < 0 || port > 65535)
        return std::nullopt;
    return int(port);
}

// What the options allow together.
std::string conflicts(const CommandLine& line)
{
    if (line.port < 0 || line.configPath.empty())
        return "--port and --config are needed";
    if (line.certificate.empty() != line.privateKey.empty())
        return "--cert and --key go together";
    const bool loopback = isLoopbackHost(line.host);
    if (line.development && !loopback)
        return "--dev serves loopback addresses only";
    if (!line.clockFile.empty() && !loopback)
        return "--clock-file serves loopback addresses only";
    if (!loopback && line.certificate.empty() && !line.allowPlainHttp)
        return "refusing plain HTTP on " + line.host
               + ": give --cert and --key, or --allow-plain-http behind a TLS proxy";
    return std::string();
}

} // namespace

const char* commandLineUsage()
{
    return "usage: pivora-api --port PORT --config FILE [--host ADDRESS]\n"
           "                  [--database PATH | --database postgresql://...] [--dev]\n"
           "                  [--cert FILE --key FILE] [--allow-plain-http]\n";
}

std::optional<CommandLine> parseCommandLine(int argc, const char* const* argv, std::string* error)
{
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        const std::string flag = argv[i];
        if (flag == "--dev") {
            line.development = true;
            continue;
        }
        if (flag == "--allow-plain-http") {
            line.allowPlainHttp = true;
            continue;
        }
        if (i + 1 >= argc) {
            *error = "option " + flag + " needs a value";
            return std::nullopt;
        }
        const char* value = argv[++i];
        if (flag == "--port") {
            const std::optional<int> port = parsePort(value);
            if (!port) {
                *error = "invalid port";
                return std::nullopt;
            }
            line.port = *port;
        } else if (flag == "--config") {
            line.configPath = value;
        } else if (flag == "--host") {
            line.host = value;
        } else if (flag == "--database") {
            line.database = value;
        } else if (flag == "--cert") {
            line.certificate = value;
        } else if (flag == "--key") {
            line.privateKey = value;
        } else if (flag == "--clock-file") {
            line.clockFile = value;
        } else {
            *error = "unknown option " + flag;
            return std::nullopt;
        }
    }
    *error = conflicts(line);
    if (!error->empty())
        return std::nullopt;
    return line;
}
