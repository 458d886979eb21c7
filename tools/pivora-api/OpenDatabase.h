#pragma once

#include "Database.h"

#include <memory>
#include <string>

struct DatabaseSettings {
    std::string address; // SQLite file, or postgresql:// (postgres://) address
    size_t poolSize = 8;
    int busyTimeoutMs = 5000;
    int statementTimeoutMs = 10000;
    int lockTimeoutMs = 5000;
};

bool isPostgresAddress(const std::string& address);

// The SQLite file in the per-user data folder (created, private to the user).
std::string defaultDatabasePath();

// Connects (one connection is opened at once, so a wrong address fails here) and brings the
// schema up to date. Throws StoreError.
std::unique_ptr<Database> openDatabase(const DatabaseSettings& settings, int64_t now);
