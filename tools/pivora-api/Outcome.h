#pragma once
// What an account operation answers: the "code" the program reads (10000 on success), the
// message to show, and the operation's own fields.

#include "Messages.h"

#include <string>
#include <utility>
#include <vector>

namespace api {
constexpr int kSuccess = 10000;
constexpr int kMissingField = 20001;
constexpr int kInvalidField = 20002;
constexpr int kCaptchaWrong = 20003;
constexpr int kCaptchaExpired = 20004;
constexpr int kCodeWrong = 20005;
constexpr int kCodeExpired = 20006;
constexpr int kAccountExists = 20007;
constexpr int kAccountMissing = 20008;
constexpr int kBadCredentials = 20009;
constexpr int kSlowDown = 20010;
constexpr int kLocked = 20011;
constexpr int kSignInAgain = 20012;
constexpr int kQrPending = 20013;
constexpr int kQrExpired = 20014;
constexpr int kCodeTooSoon = 20015;
constexpr int kDeliveryFailed = 20016;
// Refusals of the HTTP layer carry the HTTP status times 100 (404 -> 40400).
} // namespace api

struct Outcome {
    int httpStatus = 200;
    int code = api::kSuccess;
    Msg message = Msg::Ok;
    std::string argument; // fills "%1" of the message
    std::vector<std::pair<std::string, std::string>> fields;

    bool ok() const { return code == api::kSuccess; }
    static Outcome success(std::vector<std::pair<std::string, std::string>> fields = {});
    static Outcome refused(Msg message, std::string argument = std::string());
    static Outcome httpError(int status, Msg message);
};
