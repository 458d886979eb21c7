#pragma once
// Repeated failed sign-ins are first slowed (each try must wait longer after the last
// failure) and then refused for a while. Counted per account and per device id.

#include "AccountStore.h"
#include "Outcome.h"

#include <cstdint>
#include <optional>

struct ThrottlePolicy {
    int64_t freeFailures;     // failures answered without any wait
    int64_t lockAfter;        // failures that lock signing in
    int64_t lockSeconds;      // how long a lock lasts; failures older than this are forgotten
    int64_t maxDelaySeconds = 60;
};

// Success while signing in may be tried now; otherwise the refusal to answer.
Outcome judgeFailures(const ThrottlePolicy& policy, const std::optional<StoredFailures>& failures, int64_t now);
