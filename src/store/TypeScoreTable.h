#pragma once

#include <QString>
#include <QVector>

class TDM1;

// What each question type is worth in a subject's paper: the rows of its
// question-type table with their counts and scores.
class TypeScoreTable
{
public:
    struct Row
    {
        int A1 = 0;    // type code
        QString B1;    // type name
        int B2 = 0;    // nominal questions of the type in a paper
        double B3 = 0; // score of one question
    };

    // subject 0 reads the table of subject 1.
    TypeScoreTable(TDM1& dm, int subject);

    const QVector<Row>& rows() const { return m_rows; }
    // "单选题 每题1分 共30分"; empty for a type without a row.
    QString TypeScoreLabel(int type) const;

private:
    QVector<Row> m_rows;
};
