#pragma once

#include <QString>

#include <SQLiteCpp/Statement.h>

class TDM1;

// One of the data module's prepared statements for the length of a scope. It is
// reset when the scope ends, so no cursor keeps an old snapshot of the bank open
// and the next use starts clean. Store-internal: no header outside the store includes it.
class StatementReader
{
public:
    StatementReader(TDM1& dm, const QString& sql);
    ~StatementReader();
    StatementReader(const StatementReader&) = delete;
    StatementReader& operator=(const StatementReader&) = delete;

    SQLite::Statement& operator*() { return m_statement; }
    SQLite::Statement* operator->() { return &m_statement; }

private:
    SQLite::Statement& m_statement;
};
