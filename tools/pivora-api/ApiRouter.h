#pragma once
// Turns one HTTP request into one answer: finds the operation by path, checks the method, the
// content type and the form, runs the account operation and writes its JSON (or the browser
// page). Knows nothing of sockets, so the fuzzer and the tests drive it directly.

#include "FormParser.h"
#include "Messages.h"
#include "Outcome.h"
#include "ServiceConfig.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

class AccountService;

struct HttpRequest {
    std::string method;
    std::string path;
    std::string query; // after "?", undecoded
    std::string contentType;
    std::string body;
    std::string host;  // the Host header
    std::string acceptLanguage;
    bool secure = false;
};

struct HttpAnswer {
    int status = 200;
    std::string contentType;
    std::string body;
};

struct RouteContext {
    std::string deviceId; // the "uuid" every request of the program carries
    Language language;
    std::string pageAddress; // of the browser confirmation page
};

struct ApiRoute {
    bool needsDevice = true;
    std::vector<std::string> required; // fields that must be there and not empty
    std::function<Outcome(const Form&, const RouteContext&)> run;
};

class ApiRouter {
public:
    ApiRouter(AccountService& accounts, VersionRecord version, std::string publicUrl);

    HttpAnswer handle(const HttpRequest& request) const;

    // A JSON refusal for what the HTTP layer turns away itself (413, 404, ...).
    static HttpAnswer refusal(int status);

    static constexpr const char* kQrPagePath = "/v1/app/qrLogin";

private:
    HttpAnswer dispatch(const ApiRoute& route, const HttpRequest& request) const;
    HttpAnswer qrPage(const HttpRequest& request) const;
    std::string pageAddress(const HttpRequest& request) const;

    AccountService& m_accounts;
    VersionRecord m_version;
    std::string m_publicUrl;
    std::vector<std::pair<std::string, ApiRoute>> m_routes;
};
