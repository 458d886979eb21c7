#pragma once
// What counts as an account name and a password, and the one spelling each account is
// stored under.

#include <optional>
#include <string>
#include <string_view>

enum class AccountKind { Email, Phone };

struct AccountName {
    AccountKind kind;
    std::string text; // normalised
};

// Trimmed and in lower case; empty when it is not a plain ASCII address.
std::optional<AccountName> emailAccount(std::string_view text);
// Digits with an optional leading "+", spaces, dashes, dots and brackets dropped; 6 to 15 digits.
std::optional<AccountName> phoneAccount(std::string_view text);
// An address when it has an "@", a phone number otherwise.
std::optional<AccountName> anyAccount(std::string_view text);

std::optional<AccountName> accountOfKind(AccountKind kind, std::string_view text);

const char* kindName(AccountKind kind);
std::optional<AccountKind> kindFromName(const std::string& name);

// 6 to 64 characters, no control characters.
bool acceptablePassword(std::string_view password);

// What the profile shows before the user sets anything: the address's local part, or the
// phone number with its middle hidden.
std::string defaultNickname(const AccountName& account);
