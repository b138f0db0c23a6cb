#pragma once

#include "store/PracticeStatement.h"
#include "store/QuestionRecord.h"

#include <QSet>
#include <QString>
#include <QVector>

class TDM1;

// The questions of one practice run, held in memory: the rows of the practice
// statement in its order, narrowed to one question type or not. Questions are
// addressed by record number, 1-based within the current narrowing.
class PracticeSet
{
public:
    struct Type
    {
        int A1 = 0;
        QString B1;
    };

    explicit PracticeSet(TDM1& dm);

    // Clears the run answer of every question in the bank, then reads the set.
    // False when the set is empty.
    bool load(const PracticeStatement& statement);

    // The types of the bound type table, by type code.
    QVector<Type> types();
    bool hasType(int type) const { return m_typesPresent.contains(type); }

    // 0 lifts the narrowing.
    void applyTypeFilter(int type);
    int filterType() const { return m_filterType; }

    // Rows within the current narrowing.
    int count() const { return int(m_visible.size()); }
    bool contains(int recNo) const { return recNo >= 1 && recNo <= count(); }
    QuestionRecord& record(int recNo) { return m_rows[m_visible[recNo - 1]]; }
    const QuestionRecord& record(int recNo) const { return m_rows[m_visible[recNo - 1]]; }

    const QVector<QuestionRecord>& allRows() const { return m_rows; }

private:
    TDM1& m_dm;
    QVector<QuestionRecord> m_rows;
    QVector<qsizetype> m_visible;
    QSet<int> m_typesPresent;
    int m_filterType = 0;
};
