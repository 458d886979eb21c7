#include "SignInThrottle.h"

#include <algorithm>

Outcome judgeFailures(const ThrottlePolicy& policy, const std::optional<StoredFailures>& failures, int64_t now)
{
    if (!failures || now - failures->lastFailureAt >= policy.lockSeconds)
        return Outcome::success();
    if (failures->failures >= policy.lockAfter) {
        const int64_t seconds = failures->lastFailureAt + policy.lockSeconds - now;
        return Outcome::refused(Msg::Locked, std::to_string((seconds + 59) / 60));
    }
    if (failures->failures > policy.freeFailures) {
        // 2, 4, 8 ... seconds after the last failure, up to the cap.
        const int64_t over = std::min<int64_t>(failures->failures - policy.freeFailures, 20);
        const int64_t delay = std::min<int64_t>(int64_t(1) << over, policy.maxDelaySeconds);
        const int64_t wait = failures->lastFailureAt + delay - now;
        if (wait > 0)
            return Outcome::refused(Msg::SlowDown, std::to_string(wait));
    }
    return Outcome::success();
}
