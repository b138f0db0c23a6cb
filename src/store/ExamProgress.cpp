#include "ExamProgress.h"

#include "StoreConnection.h"

#include "PaperTable.h"
#include "SqlGuard.h"
#include "StatementBinding.h"
#include "TDM1.h"

#include <SQLiteCpp/Column.h>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <QVector>

using namespace Qt::Literals::StringLiterals;

ExamProgress::ExamProgress(TDM1& dm) : m_dm(dm) {}

SQLite::Statement& ExamProgress::statement(const QString& sql)
{
    ensureTable();
    return StoreConnection::prepared(m_dm, sql);
}

void ExamProgress::ensureTable()
{
    if (m_tableReady)
        return;
    // Banks built before exams could be resumed have no such table yet.
    sqlGuarded([&] {
        StoreConnection::db(m_dm).exec(
            "CREATE TABLE IF NOT EXISTS tab_kszt (A1 TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,"
            " A2 INTEGER NOT NULL, A3 INTEGER NOT NULL DEFAULT 0)");
    });
    m_tableReady = true;
}

void ExamProgress::begin(const QString& paperTable, int subject)
{
    sqlGuarded([&] {
        auto& insert = statement(u"INSERT OR REPLACE INTO tab_kszt (A1, A2, A3) VALUES (?, ?, 0)"_s);
        StatementBinding::bindText(insert, 1, PaperTable::checkedName(paperTable));
        insert.bind(2, subject);
        insert.exec();
    });
}

void ExamProgress::saveElapsed(const QString& paperTable, qint64 seconds)
{
    sqlGuarded([&] {
        auto& update = statement(u"UPDATE tab_kszt SET A3 = ? WHERE A1 = ?"_s);
        update.bind(1, static_cast<int64_t>(seconds));
        StatementBinding::bindText(update, 2, PaperTable::checkedName(paperTable));
        update.exec();
    });
}

std::optional<ExamProgress::Unfinished> ExamProgress::unfinished(int subject)
{
    QVector<Unfinished> candidates = sqlGuarded([&] {
        auto& query = statement(u"SELECT k.A1, c.A3, coalesce(c.A3_1, 0), k.A3 FROM tab_kszt k"
                                u" JOIN tab_cj c ON c.A1 = k.A1 WHERE k.A2 = ? AND c.A6 IS NULL"
                                u" ORDER BY c.A3_1 DESC"_s);
        query.bind(1, subject);
        QVector<Unfinished> rows;
        while (query.executeStep()) {
            Unfinished row;
            row.A1 = StatementBinding::text(query, 0);
            row.A3 = StatementBinding::text(query, 1);
            row.A3_1 = query.getColumn(2).getInt();
            row.elapsedSeconds = query.getColumn(3).getInt64();
            rows.append(row);
        }
        return rows;
    });
    for (Unfinished& candidate : candidates) {
        try {
            PaperTable paper(m_dm, candidate.A1);
            if (!paper.exists())
                continue;
            candidate.answered = paper.answeredCount();
            if (candidate.answered > 0)
                return candidate;
        } catch (const StoreError&) {
            // A row that does not name a readable paper is nothing to resume.
        }
    }
    return std::nullopt;
}

void ExamProgress::forget(const QString& paperTable)
{
    sqlGuarded([&] {
        auto& remove = statement(u"DELETE FROM tab_kszt WHERE A1 = ?"_s);
        StatementBinding::bindText(remove, 1, paperTable.trimmed());
        remove.exec();
    });
}
