#include "QrLoginPage.h"

namespace {

const char kStyle[] =
    "body{font-family:sans-serif;background:#f2f4f7;margin:0;padding:40px 16px;color:#222}"
    "main{max-width:380px;margin:auto;background:#fff;border-radius:8px;padding:28px;"
    "box-shadow:0 2px 8px rgba(0,0,0,.12)}"
    "h1{font-size:22px;margin:0 0 12px}p{line-height:1.45}"
    "label{display:block;margin:14px 0 4px;font-size:14px}"
    "input{width:100%;box-sizing:border-box;padding:9px;font-size:15px;border:1px solid #bbb;border-radius:4px}"
    "button{margin-top:20px;width:100%;padding:11px;font-size:16px;border:0;border-radius:4px;"
    "background:#ff9900;color:#fff;cursor:pointer}"
    ".error{color:#b00020;font-weight:bold}";

std::string form(Language language, const std::string& guid, const std::optional<PageError>& error)
{
    std::string html = "<p>" + htmlEscaped(text(Msg::PageIntro, language)) + "</p>";
    if (error)
        html += "<p class=\"error\" role=\"alert\">" + htmlEscaped(text(error->message, language, error->argument))
                + "</p>";
    html += "<form method=\"post\" action=\"\">"
            "<input type=\"hidden\" name=\"guid\" value=\"" + htmlEscaped(guid) + "\">"
            "<label for=\"account\">" + htmlEscaped(text(Msg::PageAccount, language)) + "</label>"
            "<input id=\"account\" name=\"account\" autocomplete=\"username\" required autofocus>"
            "<label for=\"password\">" + htmlEscaped(text(Msg::PagePassword, language)) + "</label>"
            "<input id=\"password\" name=\"password\" type=\"password\" autocomplete=\"current-password\" required>"
            "<button type=\"submit\">" + htmlEscaped(text(Msg::PageConfirm, language)) + "</button></form>";
    return html;
}

} // namespace

std::string htmlEscaped(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string qrLoginPage(QrPageState state, Language language, const std::string& guid,
                        const std::optional<PageError>& error)
{
    std::string body;
    switch (state) {
    case QrPageState::Pending:
        body = form(language, guid, error);
        break;
    case QrPageState::Confirmed:
        body = "<p>" + htmlEscaped(text(Msg::PageDone, language)) + "</p>";
        break;
    case QrPageState::Expired:
        body = "<p class=\"error\">" + htmlEscaped(text(Msg::QrExpired, language)) + "</p>";
        break;
    }
    const std::string title = htmlEscaped(text(Msg::PageTitle, language));
    return "<!DOCTYPE html><html lang=\"" + std::string(language == Language::SimplifiedChinese ? "zh-CN" : "en")
           + "\"><head><meta charset=\"utf-8\"><meta name=\"viewport\" content=\"width=device-width\">"
             "<title>" + title + "</title><style>" + kStyle + "</style></head><body><main><h1>" + title + "</h1>"
           + body + "</main></body></html>";
}
