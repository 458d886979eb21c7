#pragma once
// Log output of the receiver engine. By default lines go to stderr as "castcore: <text>";
// a program may route them into its own log instead.

extern "C" {

enum CastcoreLogLevel {
    CASTCORE_LOG_INFO = 0,
    CASTCORE_LOG_WARNING = 1,
    CASTCORE_LOG_ERROR = 2,
};

// message is one line without a line break, valid during the call only. The function may be
// called from any engine thread at the same time. Null restores the stderr output.
typedef void (*CastcoreLogFunction)(int level, const char* message);
void castcoreSetLogFunction(CastcoreLogFunction function);
}

namespace castcore {
void log(int level, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Events a flood of strangers can repeat thousands of times. The first of each cause in a
// window is logged as it comes, the rest are counted and summed up in one line when the window
// is over (flushLimited, called regularly by the engine).
enum class Cause { TurnedAway, NoHello, ClosedBeforeHello, BadFirstFrame, Busy, Count };
void logLimited(Cause cause, int level, const char* format, ...) __attribute__((format(printf, 3, 4)));
void flushLimited();
}
