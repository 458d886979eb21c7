// pivora-usb-helper: installs and removes Pivora's udev rules; run as root through pkexec.
//
//   pivora-usb-helper install NAME    the rule's text on standard input
//   pivora-usb-helper remove NAME
//   pivora-usb-helper lockdown        creates the iOS USB multiplexer's lockdown folder
//
// Only files that Pivora itself would write are accepted: the name must have the form of its
// rule files and the text must be exactly the rule that name stands for. After a change udev
// is told to reload and to re-apply the rules to the device; where udev does not run, or the
// rules folder is not udev's, that step is skipped and reported.
//
// Exit codes: 0 done, 1 usage, 2 the folder could not be written, 3 refused, 4 no such rule.
// The environment overrides PIVORA_UDEV_RULES_DIR and PIVORA_LOCKDOWN_DIR are honoured only
// when the helper was not started through pkexec and runs with its caller's own rights.

#include "WdiRule.h"
#include "WdiRulesFolder.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

const char kUdevControl[] = "/run/udev/control";

bool overridesAllowed()
{
    return !std::getenv("PKEXEC_UID") && ::getuid() == ::geteuid();
}

int fail(int code, const char* format, const std::string& detail)
{
    std::fprintf(stderr, "pivora-usb-helper: ");
    std::fprintf(stderr, format, detail.c_str());
    std::fprintf(stderr, "\n");
    return code;
}

bool readInput(std::string* text)
{
    char buf[512];
    ssize_t n;
    while ((n = ::read(STDIN_FILENO, buf, sizeof buf)) != 0) {
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        text->append(buf, size_t(n));
        if (text->size() > wdirule::kMaxContentBytes)
            return false;
    }
    return true;
}

int runCommand(const std::vector<std::string>& argv)
{
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t child;
    if (posix_spawnp(&child, args[0], nullptr, nullptr, args.data(), environ) != 0)
        return -1;
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Makes udev apply the changed rules to the device now, so that no restart is needed.
void retrigger(const std::string& folder, const wdirule::Rule& rule)
{
    if (folder != wdirule::systemRulesDir()) {
        std::printf("%sskipped, %s is not udev's rules folder\n", wdirule::kRetriggerPrefix, folder.c_str());
        return;
    }
    if (::access(kUdevControl, F_OK) != 0) {
        std::printf("%sskipped, no udev daemon runs\n", wdirule::kRetriggerPrefix);
        return;
    }
    char vid[16], pid[16];
    std::snprintf(vid, sizeof vid, "idVendor=%04x", rule.vid);
    std::snprintf(pid, sizeof pid, "idProduct=%04x", rule.pid);
    int rc = runCommand({"udevadm", "control", "--reload"});
    if (rc == 0)
        rc = runCommand({"udevadm", "trigger", "--action=change", "--subsystem-match=usb", "--attr-match", vid,
            "--attr-match", pid});
    if (rc == 0)
        std::printf("%s\n", wdirule::kRetriggerDone);
    else
        std::printf("%sfailed, udevadm ended with %d\n", wdirule::kRetriggerPrefix, rc);
}

int installRule(const std::string& name)
{
    std::string text;
    wdirule::Rule rule;
    if (!wdirule::parseFileName(name, nullptr))
        return fail(wdirule::kHelperRefused, "refused: %s is not the name of a Pivora rule", name);
    if (!readInput(&text) || !wdirule::isOwnRule(name, text, &rule))
        return fail(wdirule::kHelperRefused, "refused: the text given for %s is not a Pivora rule", name);
    const std::string folder = wdirule::rulesDir(overridesAllowed());
    if (!wdirule::makePath(folder) || !wdirule::writeAtomically(folder, name, text))
        return fail(wdirule::kHelperIoError, "cannot write the rule: %s", folder + ": " + std::strerror(errno));
    std::printf("installed %s/%s\n", folder.c_str(), name.c_str());
    retrigger(folder, rule);
    return wdirule::kHelperOk;
}

int removeRule(const std::string& name)
{
    wdirule::Rule rule;
    if (!wdirule::parseFileName(name, nullptr))
        return fail(wdirule::kHelperRefused, "refused: %s is not the name of a Pivora rule", name);
    const std::string folder = wdirule::rulesDir(overridesAllowed());
    const std::string path = folder + "/" + name;
    std::string text;
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0)
        return fail(wdirule::kHelperMissing, "no rule %s", path);
    if (!wdirule::readSmallFile(path, wdirule::kMaxContentBytes, &text) || !wdirule::isOwnRule(name, text, &rule))
        return fail(wdirule::kHelperRefused, "refused: %s was not written by Pivora", path);
    if (::unlink(path.c_str()) != 0)
        return fail(wdirule::kHelperIoError, "cannot remove the rule: %s", path + ": " + std::strerror(errno));
    std::printf("removed %s\n", path.c_str());
    retrigger(folder, rule);
    return wdirule::kHelperOk;
}

int createLockdownFolder()
{
    const std::string folder = wdirule::lockdownDir(overridesAllowed());
    if (!wdirule::makePath(folder))
        return fail(wdirule::kHelperIoError, "cannot create %s", folder + ": " + std::strerror(errno));
    std::printf("created %s\n", folder.c_str());
    return wdirule::kHelperOk;
}

} // namespace

int main(int argc, char** argv)
{
    ::umask(022);
    const std::string command = argc > 1 ? argv[1] : "";
    int rc;
    if (command == "install" && argc == 3)
        rc = installRule(argv[2]);
    else if (command == "remove" && argc == 3)
        rc = removeRule(argv[2]);
    else if (command == "lockdown" && argc == 2)
        rc = createLockdownFolder();
    else
        rc = fail(wdirule::kHelperUsage, "%s", "usage: pivora-usb-helper install NAME | remove NAME | lockdown");
    std::fflush(stdout);
    return rc;
}
