#pragma once
// Who may mirror to this receiver: everyone ("open"), phones the user allows when they first
// come ("ask", with remembered phones), or phones that present the access code the main
// window shows ("pin"; a fresh code each start). Three wrong codes from one address shut that
// address out for a minute. Answers are WELCOME statuses of the cast protocol. Asked from the
// engine's connection threads; configured from the GUI thread.

#include <chrono>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

class SCReceiverAccess {
public:
    enum class Mode { Open, Ask, Pin };
    enum class Answer { Deny, Allow, AlwaysAllow };
    using Clock = std::chrono::steady_clock;

    struct Phone {
        std::string address;
        std::string channelId;
        std::string phoneName;
        std::string model;
        bool speaksAccess = false;
        std::string code;
    };

    // check() answers this when the user must be asked (then decide()).
    static constexpr int kAskUser = -1;
    static constexpr int kMaxWrongCodes = 3;
    static constexpr std::chrono::seconds kLockout{60};
    static constexpr size_t kMaxTrackedAddresses = 1024;
    static constexpr int kCodeDigits = 4;

    SCReceiverAccess();

    // "open", "ask" or "pin"; known tells whether the text was one of them (else Open).
    static Mode modeFromText(const std::string& text, bool* known = nullptr);
    static const char* modeText(Mode mode);
    // Four random decimal digits from the system's random source.
    static std::string newCode();

    void setMode(Mode mode);
    Mode mode() const;
    std::string code() const;
    void setCode(const std::string& code);
    void setRemembered(const std::vector<std::string>& channelIds);
    bool isRemembered(const std::string& channelId) const;

    // Asks the user about a phone; may block. Unset: nobody can answer, so the phone is refused.
    void setAsker(std::function<Answer(const Phone&)> asker);
    // While closed (the receiver is stopping) nobody is asked and asking phones are refused.
    void setClosed(bool closed);
    bool isClosed() const;
    // For tests of the lockout minute.
    void setClock(std::function<Clock::time_point()> clock);

    // A WELCOME status for the phone, or kAskUser.
    int check(const Phone& phone);
    // After kAskUser: asks the user, one phone at a time, and answers a WELCOME status.
    int decide(const Phone& phone);

private:
    struct Strikes {
        int wrong = 0;
        Clock::time_point lockedUntil;
        Clock::time_point last;
    };

    int checkCode(const Phone& phone);
    void forgetOldStrikes(Clock::time_point now);  // under m_mutex
    Clock::time_point now() const;

    mutable std::mutex m_mutex;
    Mode m_mode = Mode::Open;
    std::string m_code;
    std::set<std::string> m_remembered;
    std::map<std::string, Strikes> m_strikes;  // per address
    bool m_closed = false;
    std::function<Answer(const Phone&)> m_asker;
    std::function<Clock::time_point()> m_clock;

    std::mutex m_askMutex;  // one question to the user at a time
};
