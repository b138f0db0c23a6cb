#pragma once

#include <QString>
#include <QVector>

class TDM1;

// The question-type table of one subject ("tab_tx" + subject): the types with
// their names and practice answer times.
class TypeTable
{
public:
    struct Row
    {
        int A1 = 0;      // type code
        QString B1;      // type name
        double time = 0; // answer time per question, minutes
        double B2 = 0;   // questions of this type in a paper
        double B3 = 0;   // score per question
    };

    // subject 0 reads the table of subject 1.
    TypeTable(TDM1& dm, int subject);
    // The table the data module is bound to.
    explicit TypeTable(TDM1& dm);

    const QString& name() const { return m_name; }
    // Every type in the table's row order.
    QVector<Row> rows();
    // Sum of B2 x B3 over the rows, each rounded to a whole number first.
    int totalPaperScore();
    // Sets the answer time of one type; false when no row has that code.
    bool setTime(int code, double minutes);

    // The practice timer interval of an answer time: Trunc(minutes x 600) ms.
    static int intervalOf(double minutes);

private:
    TDM1& m_dm;
    QString m_name;
};
