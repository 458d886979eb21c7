#include "Messages.h"

#include <map>

namespace {

struct Texts {
    const char* english;
    const char* chinese;
};

const std::map<Msg, Texts>& catalogue()
{
    static const std::map<Msg, Texts> texts = {
        {Msg::Ok, {"ok", "ok"}},
        {Msg::UnknownEndpoint, {"Unknown endpoint", "未知的接口"}},
        {Msg::MethodNotAllowed, {"Method not allowed", "不支持的请求方法"}},
        {Msg::UnsupportedContentType, {"Unsupported content type", "不支持的内容类型"}},
        {Msg::RequestTooLarge, {"Request too large", "请求过大"}},
        {Msg::MalformedRequest, {"Malformed request", "请求格式错误"}},
        {Msg::RequestRefused, {"Request refused", "请求被拒绝"}},
        {Msg::MissingField, {"Missing field: %1", "缺少字段：%1"}},
        {Msg::InvalidField, {"Invalid value of field: %1", "字段值无效：%1"}},
        {Msg::InvalidEmail, {"Please enter a valid e-mail address", "请输入有效的邮箱地址"}},
        {Msg::InvalidPhone, {"Please enter a valid phone number", "请输入有效的手机号码"}},
        {Msg::InvalidAccount, {"Please enter a valid e-mail address or phone number",
                               "请输入有效的邮箱地址或手机号码"}},
        {Msg::InvalidPassword, {"The password must be 6 to 64 characters long", "密码长度须为6到64个字符"}},
        {Msg::InvalidVerifyType, {"Unknown verification type", "未知的验证类型"}},
        {Msg::CaptchaWrong, {"Incorrect captcha", "图形验证码错误"}},
        {Msg::CaptchaExpired, {"The captcha has expired, please load a new one", "图形验证码已失效，请刷新"}},
        {Msg::CaptchaUsed, {"This captcha was used for another request, please load a new one",
                            "该图形验证码已用于其他请求，请刷新"}},
        {Msg::CodeWrong, {"Incorrect verification code", "验证码错误"}},
        {Msg::CodeExpired, {"The verification code has expired or was used, please request a new one",
                            "验证码已失效，请重新获取"}},
        {Msg::CodeTooManyTries, {"Too many incorrect verification codes, please request a new one",
                                 "验证码错误次数过多，请重新获取"}},
        {Msg::CodeTooSoon, {"A code was sent a moment ago, please wait %1 seconds", "验证码已发送，请%1秒后再试"}},
        {Msg::CodeDeliveryFailed, {"The verification code could not be sent, please try again later",
                                   "验证码发送失败，请稍后重试"}},
        {Msg::AccountExists, {"This account is already registered", "该账号已注册"}},
        {Msg::AccountMissing, {"This account is not registered", "该账号未注册"}},
        {Msg::BadCredentials, {"Incorrect account or password", "账号或密码错误"}},
        {Msg::SlowDown, {"Too many failed sign-ins, please wait %1 seconds and try again",
                         "登录失败次数过多，请%1秒后重试"}},
        {Msg::Locked, {"Too many failed sign-ins, signing in is locked for %1 minutes",
                       "登录失败次数过多，已锁定%1分钟"}},
        {Msg::SignInAgain, {"Your sign-in has expired, please sign in again", "登录已失效，请重新登录"}},
        {Msg::QrPending, {"Waiting for the confirmation in the browser", "等待在浏览器中确认"}},
        {Msg::QrExpired, {"This sign-in request has expired, please start again", "该登录请求已过期，请重新开始"}},
        {Msg::Busy, {"The service is busy, please try again later", "服务繁忙，请稍后重试"}},
        {Msg::Unavailable, {"The service is temporarily unavailable, please try again later",
                            "服务暂时不可用，请稍后重试"}},
        {Msg::InternalError, {"Internal error", "内部错误"}},
        {Msg::MailSubject, {"Your Pivora verification code", "Pivora 验证码"}},
        {Msg::MailBody, {"Your Pivora verification code is %1. It expires in 10 minutes.\r\n\r\n"
                         "If you did not ask for it, you can ignore this e-mail.\r\n",
                         "您的 Pivora 验证码是 %1，10分钟内有效。\r\n\r\n如果这不是您本人的操作，请忽略此邮件。\r\n"}},
        {Msg::PageTitle, {"Sign in to Pivora", "登录 Pivora"}},
        {Msg::PageIntro, {"Sign in to confirm the sign-in of Pivora on your computer. "
                          "Continue only if you started it yourself.",
                          "登录以确认电脑上的 Pivora 登录。仅在是您本人发起时继续。"}},
        {Msg::PageAccount, {"E-mail or phone number", "邮箱或手机号码"}},
        {Msg::PagePassword, {"Password", "密码"}},
        {Msg::PageConfirm, {"Sign in and confirm", "登录并确认"}},
        {Msg::PageDone, {"Pivora is signed in. You can close this page and return to the program.",
                         "Pivora 已登录。您可以关闭此页面并返回程序。"}},
    };
    return texts;
}

} // namespace

Language languageFrom(const std::string& code)
{
    // The first tag of the list, in lower case: "zh-CN,zh;q=0.9" -> "zh-cn".
    std::string tag = code.substr(0, code.find_first_of(",;"));
    for (char& c : tag)
        c = char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    // Readers of traditional Chinese get English rather than the simplified script.
    const bool simplified = tag == "zh" || tag == "zh-cn" || tag == "zh-sg" || tag.rfind("zh-hans", 0) == 0;
    return simplified ? Language::SimplifiedChinese : Language::English;
}

std::string text(Msg message, Language language, const std::string& argument)
{
    const auto found = catalogue().find(message);
    if (found == catalogue().end())
        return "?";
    std::string result = language == Language::SimplifiedChinese ? found->second.chinese
                                                                  : found->second.english;
    const size_t at = result.find("%1");
    if (at != std::string::npos)
        result.replace(at, 2, argument);
    return result;
}
