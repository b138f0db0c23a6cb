#pragma once

#include "QuestionRecord.h"

#include <QString>
#include <QVector>

class TDM1;

namespace SQLite {
class Statement;
}

// One paper's own table ("tab_exam" + number): its questions as the exam
// window answers and inspects them.
class PaperTable
{
public:
    // Throws a StoreError when name is not the name of a paper table.
    PaperTable(TDM1& dm, const QString& name);

    // The name of a paper table as the bank may hold it (blanks, any case), checked
    // before it is ever put into a statement; throws a StoreError when it is not one.
    static QString checkedName(const QString& name);
    // The statement that creates an empty paper table of that name.
    static QString createStatement(const QString& checkedName);

    const QString& name() const { return m_name; }
    bool exists();
    // The paper's questions in paper order: by type, then key.
    QVector<QuestionRecord> rows();
    int size();
    // Questions without an answer in this paper (E2_1 empty or null).
    int unansweredCount();
    int answeredCount();

private:
    SQLite::Statement& statement(const QString& sql);
    int count(const QString& condition);

    TDM1& m_dm;
    QString m_name;
};
