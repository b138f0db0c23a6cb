#pragma once

#include <QString>
#include <QStringList>

namespace SQLite {
class Database;
}

// The tables and columns of a question bank.
namespace BankSchema {

// Creates every fixed table of an empty bank, with the one settings row left to the caller.
void create(SQLite::Database& db);

// The columns a question record and a paper table share, in table order.
QStringList questionColumns();

// The tables an upgrade file carries (and merges into a bank), and the fixed
// tables of a full bank that it leaves out.
QStringList upgradeTables();
QStringList nonUpgradeTables();

// Paper tables are the one kind of table the program names at run time.
bool isPaperTableName(const QString& name);

// The question-type table of a subject: "tab_tx" + subject, subject 0 read as 1.
QString typeTableName(int subject);

} // namespace BankSchema
