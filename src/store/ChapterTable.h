#pragma once

#include <QString>
#include <QVector>

#include <optional>

class TDM1;

// The chapter table (tab_kmmc) as the chapter browser lists it: every row but
// the hidden "xx", in bh order, with its counters, and the totals over the leaves.
class ChapterTable
{
public:
    struct Chapter
    {
        QString C1;
        QString C1_1;
        QString C2;
        qint64 C3 = 0;
        qint64 C4 = 0;
        qint64 D1 = 0;
        qint64 D2 = 0;
        QString C6;
    };
    struct Totals
    {
        qint64 questions = 0; // sum of C3
        qint64 answers = 0;   // sum of D1
        qint64 wrong = 0;     // sum of D2
    };

    explicit ChapterTable(TDM1& dm);

    QVector<Chapter> listed();
    // Sums over the leaf chapters (codes of 6 characters).
    Totals totals();
    // The chapter with this code, if the bank has it.
    std::optional<Chapter> find(const QString& code);

private:
    TDM1& m_dm;
};
