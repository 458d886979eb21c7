// Feeds arbitrary request bodies through the account service's form parser and every
// operation, on an in-memory SQLite database: every answer must be a well-formed refusal or
// success, never a crash.

#include "AccountService.h"
#include "ApiRouter.h"
#include "Clock.h"
#include "Console.h"
#include "Mailer.h"
#include "OpenDatabase.h"
#include "Secrets.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

const char* const kPaths[] = {
    "/v1/app/imageVerify",   "/v1/app/emailCode",    "/v1/app/checkCode",   "/v1/app/emailLogin",
    "/v1/app/login",         "/v1/app/getPhoneLogin", "/v1/app/emailRegister", "/v1/app/register",
    "/v1/app/emailResetPwd", "/v1/app/resetPwd",     "/v1/app/getProfile",  "/v1/app/wxLoginGuid",
    "/v1/app/wxReceipt",     "/v1/app/checkVersion", "/v1/app/qrLogin",     "/v1/app/nothing",
};
const char* const kContentTypes[] = {"application/x-www-form-urlencoded",
                                     "application/x-www-form-urlencoded; charset=UTF-8", "application/json", ""};

struct Service {
    Service()
        : hasher(PasswordCost::cheapest(), 1)
        , mailer(SmtpSettings())
        , console(false, nullptr)
    {
        if (!secrets::initialise())
            __builtin_trap();
        DatabaseSettings settings;
        settings.address = ":memory:";
        settings.poolSize = 1; // one in-memory database
        database = openDatabase(settings, clock.now());
        accounts = std::make_unique<AccountService>(*database, clock, hasher, mailer, console);
        router = std::make_unique<ApiRouter>(*accounts, VersionRecord{"1.0.0.0", "u", "d", 0}, "");
    }
    Clock clock;
    PasswordHasher hasher;
    Mailer mailer;
    Console console;
    std::unique_ptr<Database> database;
    std::unique_ptr<AccountService> accounts;
    std::unique_ptr<ApiRouter> router;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Service service;
    if (size < 2)
        return 0;
    HttpRequest request;
    request.path = kPaths[data[0] % (sizeof kPaths / sizeof *kPaths)];
    request.method = data[0] & 0x80 ? "GET" : "POST";
    request.contentType = kContentTypes[data[1] % (sizeof kContentTypes / sizeof *kContentTypes)];
    request.body.assign(reinterpret_cast<const char*>(data + 2), size - 2);
    request.query = request.body;
    request.host = data[1] & 0x80 ? "accounts.test:8443" : "";
    parseForm(request.body); // on its own, too
    const HttpAnswer answer = service.router->handle(request);
    if (answer.status < 200 || answer.status > 599 || answer.body.empty())
        __builtin_trap();
    if (answer.contentType.rfind("application/json", 0) == 0 && answer.body.front() != '{')
        __builtin_trap();
    return 0;
}
