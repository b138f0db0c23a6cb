#include "PaperTable.h"

#include "StoreConnection.h"

#include "BankSchema.h"
#include "SqlGuard.h"
#include "StatementBinding.h"
#include "TDM1.h"

#include <SQLiteCpp/Column.h>
#include <SQLiteCpp/Statement.h>

using namespace Qt::Literals::StringLiterals;

PaperTable::PaperTable(TDM1& dm, const QString& name) : m_dm(dm), m_name(checkedName(name)) {}

QString PaperTable::checkedName(const QString& name)
{
    // Table names compare without regard to case, so the lower-case form names the same table.
    const QString normal = name.trimmed().toLower();
    if (!BankSchema::isPaperTableName(normal))
        throw StoreError(u"“%1”不是试卷表。"_s.arg(name));
    return normal;
}

QString PaperTable::createStatement(const QString& checkedName)
{
    // Text that the marking compares is NOCASE; notes, dates and explanations stay plain text.
    return u"CREATE TABLE "_s + checkedName +
           u" (A1 TEXT(20) COLLATE NOCASE NOT NULL PRIMARY KEY, A2 TEXT(100) COLLATE NOCASE, A2_1 SMALLINT,"
           u" K3 TEXT(12) COLLATE NOCASE, K4 TEXT(12) COLLATE NOCASE, K5 TEXT(12) COLLATE NOCASE,"
           u" K6 TEXT(12) COLLATE NOCASE, K7 TEXT(12) COLLATE NOCASE, K8 TEXT(12) COLLATE NOCASE,"
           u" K9 TEXT(12) COLLATE NOCASE, K10 TEXT(12) COLLATE NOCASE, K11 TEXT(12) COLLATE NOCASE,"
           u" K12 TEXT(12) COLLATE NOCASE, A10 TEXT(6) COLLATE NOCASE, A13 SMALLINT, A14 TEXT, E1 TEXT,"
           u" E2 TEXT(100) COLLATE NOCASE, E2_1 TEXT(100) COLLATE NOCASE, E3 SMALLINT, E4 SMALLINT,"
           u" jx TEXT, csbs TEXT(2), F1 SMALLINT)"_s;
}

SQLite::Statement& PaperTable::statement(const QString& sql)
{
    return StoreConnection::prepared(m_dm, sql);
}

bool PaperTable::exists()
{
    return sqlGuarded([&] {
        auto& find = statement(u"SELECT 1 FROM sqlite_master WHERE type = 'table' AND lower(name) = ?"_s);
        StatementBinding::bindText(find, 1, m_name);
        const bool found = find.executeStep();
        find.reset();
        return found;
    });
}

QVector<QuestionRecord> PaperTable::rows()
{
    return m_dm.readQuestions({u"SELECT * FROM "_s + m_name + u" ORDER BY A13, A1"_s, {}});
}

int PaperTable::size()
{
    return count(u""_s);
}

int PaperTable::unansweredCount()
{
    return count(u" WHERE E2_1 = '' OR E2_1 IS NULL"_s);
}

int PaperTable::answeredCount()
{
    return count(u" WHERE E2_1 <> ''"_s);
}

int PaperTable::count(const QString& condition)
{
    return sqlGuarded([&] {
        auto& query = statement(u"SELECT count(*) FROM "_s + m_name + condition);
        query.executeStep();
        const int n = query.getColumn(0).getInt();
        query.reset();
        return n;
    });
}
