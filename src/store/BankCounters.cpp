#include "BankCounters.h"

#include <QSet>

void BankCounters::add(const QString& chapterCode, const QStringList& pointCodes)
{
    countPrefixes(m_chapters, {chapterCode});
    countPrefixes(m_citations, pointCodes);
}

void BankCounters::countPrefixes(QHash<QString, int>& counts, const QStringList& codes)
{
    QSet<QString> prefixes;
    for (const QString& code : codes) {
        const QString folded = code.toCaseFolded();
        for (qsizetype length = 1; length <= folded.size(); ++length)
            prefixes.insert(folded.left(length));
    }
    for (const QString& prefix : prefixes)
        ++counts[prefix];
}

int BankCounters::chapterQuestions(const QString& chapterCode) const
{
    return m_chapters.value(chapterCode.toCaseFolded());
}

int BankCounters::citingQuestions(const QString& pointOrNode) const
{
    return m_citations.value(pointOrNode.toCaseFolded());
}
