#pragma once

#include <QString>

class TDM1;

namespace SQLite {
class Database;
class Statement;
} // namespace SQLite

// The data module's connection, for the store's own classes only: no header
// outside the store includes this one. Reads go through StatementReader, which
// resets its statement when its scope ends.
class StoreConnection
{
public:
    static SQLite::Database& db(TDM1& dm);
    // A statement prepared once and reused; reset and unbound on every call.
    static SQLite::Statement& prepared(TDM1& dm, const QString& sql);
};
