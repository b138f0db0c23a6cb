#pragma once

#include "BankContent.h"

#include <QHash>
#include <QString>

// The counters a bank ships with, counted over the questions being written:
// C3 of a chapter (questions filed under it or a sub-chapter) and q of a point
// or catalogue node (distinct questions citing it or one of the node's points).
class BankCounters
{
public:
    explicit BankCounters(const QVector<BankContent::Question>& questions);

    int chapterQuestions(const QString& chapterCode) const;
    int citingQuestions(const QString& pointOrNode) const;

private:
    // Counts under every prefix of every code; a question counts once per prefix.
    static void countPrefixes(QHash<QString, int>& counts, const QStringList& codes);

    QHash<QString, int> m_chapters;
    QHash<QString, int> m_citations;
};
