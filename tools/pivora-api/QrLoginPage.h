#pragma once
// The browser page where a user confirms a sign-in that the program started: a sign-in form
// while the request waits, then a short note.

#include "AccountService.h"
#include "Messages.h"

#include <optional>
#include <string>

struct PageError {
    Msg message;
    std::string argument;
};

std::string qrLoginPage(QrPageState state, Language language, const std::string& guid,
                        const std::optional<PageError>& error = std::nullopt);

std::string htmlEscaped(const std::string& text);
