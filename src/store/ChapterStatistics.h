#pragma once

#include <QString>
#include <QVector>

class TDM1;

// The chapter counters the statistics chart draws: the rows of tab_kmmc marked
// C7 = '0', in the table's own order. It only reads.
class ChapterStatistics
{
public:
    struct Chapter
    {
        QString C2;    // name
        qint64 C3 = 0; // questions
        qint64 C4 = 0; // questions answered at least once
        qint64 D1 = 0; // answers recorded
        qint64 D2 = 0; // wrong answers recorded
    };

    explicit ChapterStatistics(TDM1& dm);

    QVector<Chapter> chapters();
    // The sum of C3 over the same rows; 0 when there is none.
    qint64 questionTotal();

private:
    TDM1& m_dm;
};
