#include "BareAnswer.h"

#include "store/TDM1.h"

#include <sqlite3.h>

BareAnswer::BareAnswer(const QString& folder)
{
    sqlite3_open_v2(TDM1::bankPathIn(folder).toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_exec(m_db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL", nullptr, nullptr, nullptr);
    m_findLog = prepare("SELECT 1 FROM tab_rz WHERE A1 = ?");
    m_insertLog = prepare("INSERT INTO tab_rz (A1, A2, A3, B1, B2) VALUES (?, 1, ?, 1, ?)");
    m_updateLog =
        prepare("UPDATE tab_rz SET A2 = A2 + 1, A3 = coalesce(A3, 0) + ?, B1 = B1 + ? WHERE A1 = ?");
    m_chapters =
        prepare("UPDATE tab_kmmc SET C4 = C4 + ?, D1 = D1 + 1, D2 = D2 + ? WHERE C1 IN (?, ?, ?, ?, ?, ?)");
    m_points = prepare("UPDATE tab_rule SET q2 = q2 + 1, q1 = q1 + ?, q4 = q4 + ? WHERE ftid IN (?, ?, ?)");
    m_nodes = prepare("UPDATE tab_fgmc SET q2 = q2 + 1, q1 = q1 + ?, q4 = q4 + ? WHERE id IN (?, ?, ?)");
    m_question =
        prepare("UPDATE tab_answ SET E2_1 = ?1, E2 = ?1, E1 = ?2, E3 = E3 + 1, E4 = ?3 WHERE A1 = ?4");
}

BareAnswer::~BareAnswer()
{
    for (sqlite3_stmt* s : {m_findLog, m_insertLog, m_updateLog, m_chapters, m_points, m_nodes, m_question})
        sqlite3_finalize(s);
    sqlite3_close(m_db);
}

void BareAnswer::record(const QuestionRecord& q, const QByteArray& answer, const QByteArray& today)
{
    const int wrong = answer != q.A2.toUtf8() ? 1 : 0;
    sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    sqlite3_bind_text(m_findLog, 1, today.constData(), -1, SQLITE_STATIC);
    const bool found = sqlite3_step(m_findLog) == SQLITE_ROW;
    sqlite3_reset(m_findLog);
    if (found) {
        sqlite3_bind_int(m_updateLog, 1, wrong);
        sqlite3_bind_int(m_updateLog, 2, 0);
        sqlite3_bind_text(m_updateLog, 3, today.constData(), -1, SQLITE_STATIC);
        run(m_updateLog);
    } else {
        sqlite3_bind_text(m_insertLog, 1, today.constData(), -1, SQLITE_STATIC);
        sqlite3_bind_int(m_insertLog, 2, wrong);
        sqlite3_bind_int(m_insertLog, 3, wrong);
        run(m_insertLog);
    }
    const QByteArray chapter = q.A10.toUtf8();
    sqlite3_bind_int(m_chapters, 1, 0);
    sqlite3_bind_int(m_chapters, 2, wrong);
    for (int length = 6; length >= 1; --length)
        sqlite3_bind_text(m_chapters, 3 + 6 - length, chapter.constData(), length, SQLITE_TRANSIENT);
    run(m_chapters);
    bindPoints(m_points, q, 12, wrong);
    run(m_points);
    bindPoints(m_nodes, q, 6, wrong);
    run(m_nodes);
    bindPoints(m_nodes, q, 2, wrong);
    run(m_nodes);
    const QByteArray key = q.A1.toUtf8();
    sqlite3_bind_text(m_question, 1, answer.constData(), -1, SQLITE_STATIC);
    sqlite3_bind_text(m_question, 2, today.constData(), -1, SQLITE_STATIC);
    sqlite3_bind_int(m_question, 3, wrong ? -1 : 0);
    sqlite3_bind_text(m_question, 4, key.constData(), -1, SQLITE_TRANSIENT);
    run(m_question);
    sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr);
}

sqlite3_stmt* BareAnswer::prepare(const char* sql)
{
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr);
    return statement;
}
void BareAnswer::run(sqlite3_stmt* statement)
{
    sqlite3_step(statement);
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
}
void BareAnswer::bindPoints(sqlite3_stmt* statement, const QuestionRecord& q, int length, int wrong)
{
    sqlite3_bind_int(statement, 1, 0);
    sqlite3_bind_int(statement, 2, wrong);
    for (int k = 0; k < 3; ++k) {
        const QByteArray code = q.K[size_t(k)].left(length).toUtf8();
        if (code.isEmpty())
            sqlite3_bind_null(statement, 3 + k);
        else
            sqlite3_bind_text(statement, 3 + k, code.constData(), int(code.size()), SQLITE_TRANSIENT);
    }
}
