#pragma once

#include "BankContent.h"
#include "store/BankCounters.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <initializer_list>

namespace SQLite {
class Database;
class Statement;
} // namespace SQLite

// Writes checked bank content as a new bank, or as an upgrade file holding
// only the merged tables, in one transaction into OUT.tmp, then renames it
// over OUT: a failed write never leaves a half-written file at OUT.
class BankWriter
{
public:
    explicit BankWriter(const BankContent& content);

    // overwrite: replace an existing OUT instead of refusing.
    void writeBank(const QString& out, bool overwrite) const;
    void writeUpgrade(const QString& out, bool overwrite) const;

    // The tables of an upgrade file: those the merge appends, and tab_sj.

private:
    using Fill = std::function<void(SQLite::Database&)>;
    void writeFile(const QString& out, bool overwrite, bool upgrade, const Fill& fill) const;
    static void keepOnlyUpgradeTables(SQLite::Database& db);

    void writeTypes(SQLite::Database& db) const;
    void writeChapters(SQLite::Database& db) const;
    void writeCatalogue(SQLite::Database& db) const;
    void writePoints(SQLite::Database& db) const;
    void writeStems(SQLite::Database& db) const;
    void writeQuestions(SQLite::Database& db) const;
    void writePlan(SQLite::Database& db) const;
    void writeProduct(SQLite::Database& db) const;

    static void run(SQLite::Statement& statement, std::initializer_list<QVariant> values);

    const BankContent& m_content;
    BankCounters m_counters;
};
