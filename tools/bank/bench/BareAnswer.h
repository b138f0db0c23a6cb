#pragma once

#include "store/QuestionRecord.h"

#include <QByteArray>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

// The same row changes as one counted answer, written as bare sqlite3 calls in
// one transaction: the floor the data module is compared against.
class BareAnswer
{
public:
    // Opens the bank of a program folder with a connection of its own.
    explicit BareAnswer(const QString& folder);
    ~BareAnswer();
    BareAnswer(const BareAnswer&) = delete;
    BareAnswer& operator=(const BareAnswer&) = delete;

    void record(const QuestionRecord& q, const QByteArray& answer, const QByteArray& today);

private:
    sqlite3_stmt* prepare(const char* sql);
    static void run(sqlite3_stmt* statement);
    static void bindPoints(sqlite3_stmt* statement, const QuestionRecord& q, int length, int wrong);

    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_findLog;
    sqlite3_stmt* m_insertLog;
    sqlite3_stmt* m_updateLog;
    sqlite3_stmt* m_chapters;
    sqlite3_stmt* m_points;
    sqlite3_stmt* m_nodes;
    sqlite3_stmt* m_question;
};
