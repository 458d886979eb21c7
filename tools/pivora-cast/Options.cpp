#include "Options.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <getopt.h>
#include <random>

namespace {

enum OptionId {
    Host = 1000, Port, Name, Kind, Model, Os, File, Pattern, Duration, Fast, RotateEvery, Phones, Id, RestartEvery,
    Help, Discover, Pin
};

bool parseInt(const char* text, long min, long max, int& out)
{
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(text, &end, 10);
    if (errno || end == text || *end || v < min || v > max)
        return false;
    out = int(v);
    return true;
}

bool parseSeconds(const char* text, double& out)
{
    char* end = nullptr;
    errno = 0;
    const double v = std::strtod(text, &end);
    if (errno || end == text || *end || !(v > 0) || v > 1e7)
        return false;
    out = v;
    return true;
}

void applyKindDefaults(CastOptions& o)
{
    const bool ios = o.kind == 1 || o.kind == 2;
    if (o.model.empty())
        o.model = o.kind == 2 ? "iPad8,1" : ios ? "iPhone13,2" : "Pixel 7";
    if (o.systemVersion.empty())
        o.systemVersion = ios ? "14.2.1" : "13.0.0";
}

} // namespace

std::string defaultChannelId(const std::string& name, bool nameGiven)
{
    if (nameGiven)
        return "pivora-cast:" + name;
    std::random_device random;
    char text[9];
    std::snprintf(text, sizeof text, "%08x", unsigned(random()));
    return std::string("pivora-cast-") + text;
}

bool parsePattern(const std::string& text, int& width, int& height, int& fps)
{
    const size_t x = text.find('x');
    if (x == std::string::npos)
        return false;
    const size_t at = text.find('@', x);
    const std::string w = text.substr(0, x);
    const std::string h = text.substr(x + 1, at == std::string::npos ? std::string::npos : at - x - 1);
    int f = 30;
    if (at != std::string::npos && !parseInt(text.c_str() + at + 1, 1, 240, f))
        return false;
    int pw, ph;
    // 4:2:0 pictures need even sizes.
    if (!parseInt(w.c_str(), 16, 4096, pw) || !parseInt(h.c_str(), 16, 4096, ph) || pw % 2 || ph % 2)
        return false;
    width = pw;
    height = ph;
    fps = f;
    return true;
}

std::string usageText()
{
    return "usage: pivora-cast (--pattern WIDTHxHEIGHT[@FPS] | --file PATH) [options]\n"
           "  --host HOST            receiver address (127.0.0.1)\n"
           "  --port PORT            receiver port (47011)\n"
           "  --discover [NAME]      find the receiver called NAME (or the only one) on the network\n"
           "  --pin CODE             access code shown by the receiver\n"
           "  --name NAME            phone name\n"
           "  --id ID                channel id (with --phones, -1, -2, ... are appended);\n"
           "                         without it, one made from the name (random without --name)\n"
           "  --kind 1..4            device kind: 1, 2 iOS, 3 Android, 4 no control (3)\n"
           "  --model MODEL          model identifier, e.g. iPhone13,2\n"
           "  --os VERSION           system version, e.g. 14.2.1\n"
           "  --file PATH            stream a file's H.264 track and its sound\n"
           "  --pattern WxH[@FPS]    stream a live test picture\n"
           "  --duration SECONDS     stop after this much media time\n"
           "  --fast                 send as fast as possible instead of in real time\n"
           "  --rotate-every SECONDS turn the phone by a quarter this often\n"
           "  --restart-every SECONDS stop mirroring and start it again this often\n"
           "  --phones N             run N phones, each with its own connection\n";
}

ParseOutcome parseOptions(int argc, char** argv, CastOptions& o, std::string& error)
{
    static const option longOptions[] = {
        {"host", required_argument, nullptr, Host},
        {"port", required_argument, nullptr, Port},
        {"name", required_argument, nullptr, Name},
        {"kind", required_argument, nullptr, Kind},
        {"model", required_argument, nullptr, Model},
        {"os", required_argument, nullptr, Os},
        {"file", required_argument, nullptr, File},
        {"pattern", required_argument, nullptr, Pattern},
        {"duration", required_argument, nullptr, Duration},
        {"fast", no_argument, nullptr, Fast},
        {"rotate-every", required_argument, nullptr, RotateEvery},
        {"phones", required_argument, nullptr, Phones},
        {"id", required_argument, nullptr, Id},
        {"restart-every", required_argument, nullptr, RestartEvery},
        {"help", no_argument, nullptr, Help},
        {"discover", optional_argument, nullptr, Discover},
        {"pin", required_argument, nullptr, Pin},
        {nullptr, 0, nullptr, 0},
    };
    optind = 1;
    opterr = 0;
    bool explicitAddress = false;
    bool nameGiven = false;
    int c;
    while ((c = getopt_long(argc, argv, "", longOptions, nullptr)) != -1) {
        const std::string arg = optarg ? optarg : "";
        bool ok = true;
        switch (c) {
        case Host: o.host = arg; ok = !arg.empty(); explicitAddress = true; break;
        case Port: ok = parseInt(optarg, 1, 65535, o.port); explicitAddress = true; break;
        case Name: o.name = arg; nameGiven = true; break;
        case Kind: ok = parseInt(optarg, 1, 4, o.kind); break;
        case Model: o.model = arg; break;
        case Os: o.systemVersion = arg; break;
        case File: o.file = arg; ok = !arg.empty(); break;
        case Pattern: ok = parsePattern(arg, o.patternWidth, o.patternHeight, o.patternFps); break;
        case Duration: ok = parseSeconds(optarg, o.duration); break;
        case Fast: o.fast = true; break;
        case RotateEvery: ok = parseSeconds(optarg, o.rotateEvery); break;
        case RestartEvery: ok = parseSeconds(optarg, o.restartEvery); break;
        case Phones: ok = parseInt(optarg, 1, 64, o.phones); break;
        case Id: o.id = arg; ok = !arg.empty(); break;
        case Help: return ParseOutcome::Help;
        case Discover:
            o.discover = true;
            // Both "--discover=NAME" and "--discover NAME" name the receiver.
            if (optarg)
                o.discoverName = arg;
            else if (optind < argc && argv[optind][0] != '-')
                o.discoverName = argv[optind++];
            break;
        case Pin: o.pin = arg; ok = !arg.empty() && arg.size() <= 64; break;
        default:
            error = "unknown option or missing value: " + std::string(argv[optind - 1]);
            return ParseOutcome::Error;
        }
        if (!ok) {
            const option* spec = longOptions;
            while (spec->name && spec->val != c)
                ++spec;
            error = "invalid value for --" + std::string(spec->name ? spec->name : "?") + ": " + arg;
            return ParseOutcome::Error;
        }
    }
    if (optind < argc) {
        error = "unexpected argument: " + std::string(argv[optind]);
        return ParseOutcome::Error;
    }
    if (o.discover && explicitAddress) {
        error = "--discover finds the address itself; it goes without --host and --port";
        return ParseOutcome::Error;
    }
    if (o.file.empty() == (o.patternWidth == 0)) {
        error = "give exactly one of --file and --pattern";
        return ParseOutcome::Error;
    }
    applyKindDefaults(o);
    if (o.id.empty())
        o.id = defaultChannelId(o.name, nameGiven);
    return ParseOutcome::Run;
}
