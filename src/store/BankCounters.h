#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// The counters a bank holds about its questions, counted from the questions
// themselves: C3 of a chapter (questions filed under it or a sub-chapter) and q
// of a point or catalogue node (distinct questions citing it or one of the node's points).
class BankCounters
{
public:
    // Counts one question filed under a leaf chapter and citing these point codes.
    void add(const QString& chapterCode, const QStringList& pointCodes);

    int chapterQuestions(const QString& chapterCode) const;
    int citingQuestions(const QString& pointOrNode) const;

private:
    // Counts under every prefix of every code; a question counts once per prefix.
    static void countPrefixes(QHash<QString, int>& counts, const QStringList& codes);

    QHash<QString, int> m_chapters;
    QHash<QString, int> m_citations;
};
