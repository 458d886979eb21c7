#pragma once
// Every text the service shows a person, in English and Simplified Chinese (the languages the
// program sends); other languages get English.

#include <string>

enum class Language { English, SimplifiedChinese };

// From the program's "language" field ("zh-cn", "en-us") or a browser's Accept-Language.
Language languageFrom(const std::string& code);

enum class Msg {
    Ok,
    UnknownEndpoint,
    MethodNotAllowed,
    UnsupportedContentType,
    RequestTooLarge,
    MalformedRequest,
    RequestRefused,
    MissingField,
    InvalidField,
    InvalidEmail,
    InvalidPhone,
    InvalidAccount,
    InvalidPassword,
    InvalidVerifyType,
    CaptchaWrong,
    CaptchaExpired,
    CaptchaUsed,
    CodeWrong,
    CodeExpired,
    CodeTooManyTries,
    CodeTooSoon,
    CodeDeliveryFailed,
    AccountExists,
    AccountMissing,
    BadCredentials,
    SlowDown,
    Locked,
    SignInAgain,
    QrPending,
    QrExpired,
    Busy,
    Unavailable,
    InternalError,
    MailSubject,
    MailBody,
    PageTitle,
    PageIntro,
    PageAccount,
    PagePassword,
    PageConfirm,
    PageDone,
};

// The text with "%1" replaced by argument.
std::string text(Msg message, Language language, const std::string& argument = std::string());
