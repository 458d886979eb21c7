#pragma once

#include <cstdint>

class Database;

// Brings the schema up to the newest version, in one transaction, once even when several
// service instances start together on one database. Throws StoreError; Failed when the
// database was written by a newer service.
void migrateSchema(Database& database, int64_t now);

// The version migrateSchema leads to.
int latestSchemaVersion();
