#include "WdiRulesFolder.h"

#include <algorithm>
#include <cstdlib>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wdirule {

bool makePath(const std::string& path)
{
    if (path.empty()) {
        errno = EINVAL;
        return false;
    }
    for (size_t pos = 1; pos <= path.size(); ++pos) {
        if (pos != path.size() && path[pos] != '/')
            continue;
        if (::mkdir(path.substr(0, pos).c_str(), 0755) != 0 && errno != EEXIST)
            return false;
    }
    struct stat st;
    if (::stat(path.c_str(), &st) != 0)
        return false;
    if (!S_ISDIR(st.st_mode)) {
        errno = ENOTDIR;
        return false;
    }
    return true;
}

bool writeAtomically(const std::string& folder, const std::string& name, const std::string& text)
{
    std::string temp = folder + "/." + name + ".XXXXXX";
    const int fd = ::mkstemp(&temp[0]);
    if (fd < 0)
        return false;
    bool ok = ::fchmod(fd, 0644) == 0 && ::write(fd, text.data(), text.size()) == ssize_t(text.size()) &&
        ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temp.c_str(), (folder + "/" + name).c_str()) == 0;
    if (!ok) {
        const int saved = errno;
        ::unlink(temp.c_str());
        errno = saved;
    }
    return ok;
}

bool readSmallFile(const std::string& path, size_t limit, std::string* text)
{
    // No following links and no blocking on a FIFO: the helper reads with privileges.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && size_t(st.st_size) <= limit;
    std::string data;
    if (ok) {
        char buf[512];
        ssize_t n;
        while ((n = ::read(fd, buf, sizeof buf)) > 0) {
            data.append(buf, size_t(n));
            if (data.size() > limit) {
                ok = false;
                break;
            }
        }
        ok = ok && n == 0;
    }
    ::close(fd);
    if (ok && text)
        *text = std::move(data);
    return ok;
}

std::vector<InstalledRule> installedRules(const std::string& folder)
{
    std::vector<InstalledRule> rules;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return rules;
    while (const dirent* entry = ::readdir(dir)) {
        InstalledRule found;
        found.name = entry->d_name;
        std::string text;
        if (!parseFileName(found.name, nullptr) ||
            !readSmallFile(folder + "/" + found.name, kMaxContentBytes, &text) ||
            !isOwnRule(found.name, text, &found.rule))
            continue;
        rules.push_back(std::move(found));
    }
    ::closedir(dir);
    std::sort(rules.begin(), rules.end(),
        [](const InstalledRule& a, const InstalledRule& b) { return a.name < b.name; });
    return rules;
}

int installedType(const std::vector<InstalledRule>& rules, uint16_t vid, uint16_t pid)
{
    for (const InstalledRule& r : rules) {
        if (r.rule.vid == vid && r.rule.pid == pid)
            return r.rule.driverType;
    }
    return -1;
}

} // namespace wdirule
