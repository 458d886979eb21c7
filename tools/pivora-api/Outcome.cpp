#include "Outcome.h"

#include <map>

namespace {

int codeOf(Msg message)
{
    static const std::map<Msg, int> codes = {
        {Msg::MissingField, api::kMissingField},
        {Msg::InvalidField, api::kInvalidField},
        {Msg::InvalidEmail, api::kInvalidField},
        {Msg::InvalidPhone, api::kInvalidField},
        {Msg::InvalidAccount, api::kInvalidField},
        {Msg::InvalidPassword, api::kInvalidField},
        {Msg::InvalidVerifyType, api::kInvalidField},
        {Msg::CaptchaWrong, api::kCaptchaWrong},
        {Msg::CaptchaExpired, api::kCaptchaExpired},
        {Msg::CaptchaUsed, api::kCaptchaExpired},
        {Msg::CodeWrong, api::kCodeWrong},
        {Msg::CodeExpired, api::kCodeExpired},
        {Msg::CodeTooManyTries, api::kCodeExpired},
        {Msg::CodeTooSoon, api::kCodeTooSoon},
        {Msg::CodeDeliveryFailed, api::kDeliveryFailed},
        {Msg::AccountExists, api::kAccountExists},
        {Msg::AccountMissing, api::kAccountMissing},
        {Msg::BadCredentials, api::kBadCredentials},
        {Msg::SlowDown, api::kSlowDown},
        {Msg::Locked, api::kLocked},
        {Msg::SignInAgain, api::kSignInAgain},
        {Msg::QrPending, api::kQrPending},
        {Msg::QrExpired, api::kQrExpired},
    };
    const auto found = codes.find(message);
    return found == codes.end() ? api::kInvalidField : found->second;
}

} // namespace

Outcome Outcome::success(std::vector<std::pair<std::string, std::string>> fields)
{
    Outcome outcome;
    outcome.fields = std::move(fields);
    return outcome;
}

Outcome Outcome::refused(Msg message, std::string argument)
{
    Outcome outcome;
    outcome.code = codeOf(message);
    outcome.message = message;
    outcome.argument = std::move(argument);
    return outcome;
}

Outcome Outcome::httpError(int status, Msg message)
{
    Outcome outcome;
    outcome.httpStatus = status;
    outcome.code = status * 100;
    outcome.message = message;
    return outcome;
}
