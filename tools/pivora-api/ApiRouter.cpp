#include "ApiRouter.h"

#include "AccountService.h"
#include "Console.h"
#include "QrLoginPage.h"

#include <algorithm>
#include <cstdlib>
#include <map>

namespace {

const char kJsonType[] = "application/json; charset=utf-8";
const char kHtmlType[] = "text/html; charset=utf-8";
const char kFormType[] = "application/x-www-form-urlencoded";
const char kVersionPath[] = "/v1/app/checkVersion";

// Longest value each known field may have; the form parser caps the rest.
const std::map<std::string, size_t>& fieldLimits()
{
    static const std::map<std::string, size_t> limits = {
        {"uuid", 128},     {"account", 320},   {"phonenumber", 320}, {"password", 1024},
        {"imagecode", 16}, {"checkcode", 16},  {"phonecode", 16},    {"verifytype", 32},
        {"loginkey", 128}, {"guid", 64},       {"length", 8},        {"width", 8},
        {"height", 8},     {"fontSize", 8},    {"imagetype", 16},    {"lang", 16},
        {"language", 16},  {"limituse", 8},
    };
    return limits;
}

std::string lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    return text;
}

bool isFormContent(const std::string& contentType)
{
    const std::string type = lowered(contentType);
    const size_t length = sizeof kFormType - 1;
    return type.compare(0, length, kFormType) == 0
           && (type.size() == length || type[length] == ';' || type[length] == ' ');
}

bool isDeviceId(const std::string& id)
{
    return std::all_of(id.begin(), id.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_'
               || c == '.' || c == ':';
    });
}

bool isHostHeader(const std::string& host)
{
    return !host.empty() && host.size() <= 255 && std::all_of(host.begin(), host.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.'
               || c == ':' || c == '[' || c == ']';
    });
}

bool isGuid(const std::string& guid)
{
    return guid.size() == 32 && std::all_of(guid.begin(), guid.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

std::string renderJson(const Outcome& outcome, Language language)
{
    std::string json = "{\"code\":" + std::to_string(outcome.code)
                       + ",\"message\":" + jsonString(text(outcome.message, language, outcome.argument));
    for (const auto& field : outcome.fields)
        json += "," + jsonString(field.first) + ":" + jsonString(field.second);
    return json + "}";
}

HttpAnswer jsonAnswer(const Outcome& outcome, Language language)
{
    return {outcome.httpStatus, kJsonType, renderJson(outcome, language)};
}

HttpAnswer htmlAnswer(int status, std::string page)
{
    return {status, kHtmlType, std::move(page)};
}

// A picture dimension: the default when absent, nothing when it is not a number.
std::optional<int> sizeField(const Form& form, const char* key, int fallback)
{
    if (!form.has(key))
        return fallback;
    const std::string text = form.value(key);
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < 0 || value > 100000)
        return std::nullopt;
    return int(value);
}

Outcome captcha(AccountService& accounts, const Form& form, const RouteContext& context)
{
    const std::optional<int> length = sizeField(form, "length", 4);
    const std::optional<int> width = sizeField(form, "width", 240);
    const std::optional<int> height = sizeField(form, "height", 80);
    if (!length || !width || !height)
        return Outcome::refused(Msg::InvalidField, !length ? "length" : !width ? "width" : "height");
    if (form.has("imagetype") && form.value("imagetype") != "base64")
        return Outcome::refused(Msg::InvalidField, "imagetype");
    return accounts.issueCaptcha(context.deviceId, *length, *width, *height);
}

std::string versionJson(const VersionRecord& version)
{
    return "{\"code\":" + std::to_string(api::kSuccess) + ",\"message\":\"ok\",\"data\":{\"version\":"
           + jsonString(version.version) + ",\"url\":" + jsonString(version.url)
           + ",\"description\":" + jsonString(version.description)
           + ",\"force_upgrade\":" + std::to_string(version.forceUpgrade) + "}}";
}

HttpAnswer storeRefusal(const StoreError& error)
{
    logProblem(std::string("database: ") + error.what());
    switch (error.kind()) {
    case StoreError::Kind::Unavailable:
        return jsonAnswer(Outcome::httpError(503, Msg::Unavailable), Language::English);
    case StoreError::Kind::Failed:
        return jsonAnswer(Outcome::httpError(500, Msg::InternalError), Language::English);
    default:
        return jsonAnswer(Outcome::httpError(503, Msg::Busy), Language::English);
    }
}

} // namespace

ApiRouter::ApiRouter(AccountService& accounts, VersionRecord version, std::string publicUrl)
    : m_accounts(accounts)
    , m_version(std::move(version))
    , m_publicUrl(std::move(publicUrl))
{
    while (!m_publicUrl.empty() && m_publicUrl.back() == '/')
        m_publicUrl.pop_back();
    AccountService& a = m_accounts;
    const auto sendCode = [&a](AccountKind kind) {
        return [&a, kind](const Form& f, const RouteContext& c) {
            return a.sendCode(c.deviceId, c.language, kind, f.value("account"), f.value("imagecode"),
                              f.value("verifytype"));
        };
    };
    const auto signIn = [&a](AccountKind kind) {
        return [&a, kind](const Form& f, const RouteContext& c) {
            return a.signIn(c.deviceId, kind, f.value("account"), f.value("password"));
        };
    };
    const auto signUp = [&a](AccountKind kind) {
        return [&a, kind](const Form& f, const RouteContext& c) {
            return a.signUp(c.deviceId, kind, f.value("account"), f.value("password"), f.value("imagecode"),
                            f.value("checkcode"));
        };
    };
    const auto reset = [&a](AccountKind kind) {
        return [&a, kind](const Form& f, const RouteContext& c) {
            return a.resetPassword(c.deviceId, kind, f.value("account"), f.value("password"), f.value("imagecode"),
                                   f.value("checkcode"));
        };
    };
    const std::vector<std::string> codeFields = {"account", "imagecode", "verifytype"};
    const std::vector<std::string> signInFields = {"account", "password"};
    const std::vector<std::string> changeFields = {"account", "password", "imagecode", "checkcode"};
    m_routes = {
        {"/v1/app/imageVerify", {true, {}, [&a](const Form& f, const RouteContext& c) { return captcha(a, f, c); }}},
        {"/v1/app/emailCode", {true, codeFields, sendCode(AccountKind::Email)}},
        {"/v1/app/checkCode", {true, codeFields, sendCode(AccountKind::Phone)}},
        {"/v1/app/emailLogin", {true, signInFields, signIn(AccountKind::Email)}},
        {"/v1/app/login", {true, signInFields, signIn(AccountKind::Phone)}},
        {"/v1/app/getPhoneLogin", {true, {"phonenumber", "imagecode", "phonecode"},
            [&a](const Form& f, const RouteContext& c) {
                return a.signInByCode(c.deviceId, f.value("phonenumber"), f.value("imagecode"), f.value("phonecode"));
            }}},
        {"/v1/app/emailRegister", {true, changeFields, signUp(AccountKind::Email)}},
        {"/v1/app/register", {true, changeFields, signUp(AccountKind::Phone)}},
        {"/v1/app/emailResetPwd", {true, changeFields, reset(AccountKind::Email)}},
        {"/v1/app/resetPwd", {true, changeFields, reset(AccountKind::Phone)}},
        {"/v1/app/getProfile", {false, {"loginkey"},
            [&a](const Form& f, const RouteContext&) { return a.profile(f.value("loginkey")); }}},
        {"/v1/app/wxLoginGuid", {true, {},
            [&a](const Form&, const RouteContext& c) {
                if (c.pageAddress.empty())
                    return Outcome::httpError(400, Msg::MalformedRequest);
                return a.startQrLogin(c.deviceId, c.pageAddress);
            }}},
        {"/v1/app/wxReceipt", {true, {"guid"},
            [&a](const Form& f, const RouteContext& c) { return a.pollQrLogin(c.deviceId, f.value("guid")); }}},
    };
}

HttpAnswer ApiRouter::refusal(int status)
{
    Msg message = Msg::RequestRefused;
    switch (status) {
    case 400: message = Msg::MalformedRequest; break;
    case 404: message = Msg::UnknownEndpoint; break;
    case 405: message = Msg::MethodNotAllowed; break;
    case 413: message = Msg::RequestTooLarge; break;
    case 415: message = Msg::UnsupportedContentType; break;
    case 500: message = Msg::InternalError; break;
    case 503: message = Msg::Unavailable; break;
    default: break;
    }
    return jsonAnswer(Outcome::httpError(status, message), Language::English);
}

HttpAnswer ApiRouter::handle(const HttpRequest& request) const
{
    try {
        if (request.path == kQrPagePath)
            return qrPage(request);
        // Answered to anyone, without a device id: the program checks it before anything else.
        if (request.path == kVersionPath)
            return request.method == "GET" || request.method == "POST"
                       ? HttpAnswer{200, kJsonType, versionJson(m_version)}
                       : refusal(405);
        const auto route = std::find_if(m_routes.begin(), m_routes.end(),
                                        [&](const auto& entry) { return entry.first == request.path; });
        if (route == m_routes.end())
            return refusal(404);
        if (request.method != "POST")
            return refusal(405);
        return dispatch(route->second, request);
    } catch (const StoreError& error) {
        return storeRefusal(error);
    } catch (const std::bad_alloc&) {
        logProblem("out of memory while answering " + loggable(request.path));
        return refusal(503);
    } catch (const std::exception& error) {
        logProblem("failed to answer " + loggable(request.path) + ": " + error.what());
        return refusal(500);
    }
}

HttpAnswer ApiRouter::dispatch(const ApiRoute& route, const HttpRequest& request) const
{
    if (!isFormContent(request.contentType))
        return refusal(415);
    const FormResult parsed = parseForm(request.body);
    if (!parsed.ok)
        return refusal(400);
    const Form& form = parsed.form;
    RouteContext context{form.value("uuid"), languageFrom(form.value("language")), pageAddress(request)};
    for (const auto& limit : fieldLimits()) {
        if (form.value(limit.first).size() > limit.second)
            return jsonAnswer(Outcome::refused(Msg::InvalidField, limit.first), context.language);
    }
    if (route.needsDevice) {
        if (context.deviceId.empty())
            return jsonAnswer(Outcome::refused(Msg::MissingField, "uuid"), context.language);
        if (!isDeviceId(context.deviceId))
            return jsonAnswer(Outcome::refused(Msg::InvalidField, "uuid"), context.language);
    }
    for (const std::string& field : route.required) {
        if (form.value(field).empty())
            return jsonAnswer(Outcome::refused(Msg::MissingField, field), context.language);
    }
    return jsonAnswer(route.run(form, context), context.language);
}

std::string ApiRouter::pageAddress(const HttpRequest& request) const
{
    if (!m_publicUrl.empty())
        return m_publicUrl + kQrPagePath;
    if (!isHostHeader(request.host))
        return std::string();
    return std::string(request.secure ? "https://" : "http://") + request.host + kQrPagePath;
}

HttpAnswer ApiRouter::qrPage(const HttpRequest& request) const
{
    const Language language = languageFrom(request.acceptLanguage);
    if (request.method != "GET" && request.method != "POST")
        return refusal(405);
    if (request.method == "POST" && !isFormContent(request.contentType))
        return refusal(415);
    const FormResult parsed = parseForm(request.method == "POST" ? request.body : request.query);
    const std::string guid = parsed.ok ? parsed.form.value("guid") : std::string();
    if (!isGuid(guid))
        return htmlAnswer(parsed.ok ? 404 : 400, qrLoginPage(QrPageState::Expired, language, guid));
    if (request.method == "GET")
        return htmlAnswer(200, qrLoginPage(m_accounts.qrPageState(guid), language, guid));

    const Form& form = parsed.form;
    const Outcome outcome = m_accounts.confirmQrLogin(guid, form.value("account"), form.value("password"));
    if (outcome.ok())
        return htmlAnswer(200, qrLoginPage(QrPageState::Confirmed, language, guid));
    if (outcome.code == api::kQrExpired)
        return htmlAnswer(200, qrLoginPage(QrPageState::Expired, language, guid));
    return htmlAnswer(200, qrLoginPage(QrPageState::Pending, language, guid,
                                       PageError{outcome.message, outcome.argument}));
}
