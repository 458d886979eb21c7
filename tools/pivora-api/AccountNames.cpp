#include "AccountNames.h"

#include "FormParser.h"

#include <algorithm>

namespace {

constexpr size_t kMaxEmailBytes = 254;
constexpr size_t kMaxLocalBytes = 64;
constexpr size_t kMaxLabelBytes = 63;
constexpr size_t kMinPhoneDigits = 6;
constexpr size_t kMaxPhoneDigits = 15;
constexpr size_t kMinPasswordChars = 6;
constexpr size_t kMaxPasswordChars = 64;

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool isAlnum(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool validLocalPart(std::string_view local)
{
    static const std::string_view specials = "!#$%&'*+/=?^_`{|}~-.";
    if (local.empty() || local.size() > kMaxLocalBytes || local.front() == '.' || local.back() == '.'
        || local.find("..") != std::string_view::npos)
        return false;
    return std::all_of(local.begin(), local.end(), [](char c) {
        return isAlnum(c) || specials.find(c) != std::string_view::npos;
    });
}

bool validDomain(std::string_view domain)
{
    size_t labels = 0;
    size_t start = 0;
    while (start <= domain.size()) {
        size_t end = domain.find('.', start);
        if (end == std::string_view::npos)
            end = domain.size();
        const std::string_view label = domain.substr(start, end - start);
        if (label.empty() || label.size() > kMaxLabelBytes || label.front() == '-' || label.back() == '-')
            return false;
        if (!std::all_of(label.begin(), label.end(), [](char c) { return isAlnum(c) || c == '-'; }))
            return false;
        ++labels;
        start = end + 1;
    }
    return labels >= 2;
}

} // namespace

std::optional<AccountName> emailAccount(std::string_view text)
{
    text = trimmed(text);
    const size_t at = text.find('@');
    if (text.size() > kMaxEmailBytes || at == std::string_view::npos || text.find('@', at + 1) != std::string_view::npos)
        return std::nullopt;
    if (!validLocalPart(text.substr(0, at)) || !validDomain(text.substr(at + 1)))
        return std::nullopt;
    std::string normalised(text);
    std::transform(normalised.begin(), normalised.end(), normalised.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    return AccountName{AccountKind::Email, normalised};
}

std::optional<AccountName> phoneAccount(std::string_view text)
{
    text = trimmed(text);
    std::string normalised;
    size_t digits = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            normalised.push_back(c);
            ++digits;
        } else if (c == '+' && normalised.empty()) {
            normalised.push_back(c);
        } else if (c != ' ' && c != '-' && c != '.' && c != '(' && c != ')') {
            return std::nullopt;
        }
    }
    if (digits < kMinPhoneDigits || digits > kMaxPhoneDigits)
        return std::nullopt;
    return AccountName{AccountKind::Phone, normalised};
}

std::optional<AccountName> anyAccount(std::string_view text)
{
    return text.find('@') != std::string_view::npos ? emailAccount(text) : phoneAccount(text);
}

std::optional<AccountName> accountOfKind(AccountKind kind, std::string_view text)
{
    return kind == AccountKind::Email ? emailAccount(text) : phoneAccount(text);
}

const char* kindName(AccountKind kind)
{
    return kind == AccountKind::Email ? "email" : "phone";
}

std::optional<AccountKind> kindFromName(const std::string& name)
{
    if (name == "email")
        return AccountKind::Email;
    if (name == "phone")
        return AccountKind::Phone;
    return std::nullopt;
}

bool acceptablePassword(std::string_view password)
{
    if (!isValidUtf8(password))
        return false;
    const size_t length = utf8Length(password);
    if (length < kMinPasswordChars || length > kMaxPasswordChars)
        return false;
    return std::none_of(password.begin(), password.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
}

std::string defaultNickname(const AccountName& account)
{
    if (account.kind == AccountKind::Email)
        return account.text.substr(0, account.text.find('@'));
    const std::string& phone = account.text;
    if (phone.size() <= 7)
        return phone;
    return phone.substr(0, 3) + std::string(phone.size() - 7, '*') + phone.substr(phone.size() - 4);
}
