#include "QuestionGroups.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

QuestionGroups::QuestionGroups(int size) : m_size(std::max(1, size)) {}

void QuestionGroups::reset(int total)
{
    m_total = std::max(0, total);
    m_groups = (m_total + m_size - 1) / m_size;
    show(1);
}

bool QuestionGroups::previous()
{
    if (!hasPrevious())
        return false;
    show(m_shown - 1);
    return true;
}

bool QuestionGroups::next()
{
    if (!hasNext())
        return false;
    show(m_shown + 1);
    return true;
}

QuestionGroups::Step QuestionGroups::stepBack(int recNo)
{
    const int p = recNo - 1;
    if (p >= 1 && contains(p))
        return {Step::Press, indexOf(p)};
    return previous() ? Step{Step::NewGroup} : Step{};
}

QuestionGroups::Step QuestionGroups::stepOn(int recNo)
{
    const int q = recNo + 1;
    if (contains(q))
        return {Step::Press, indexOf(q)};
    return next() ? Step{Step::NewGroup} : Step{};
}

QString QuestionGroups::summary() const
{
    return u"共%1组%2道题"_s.arg(m_groups).arg(m_total);
}

QString QuestionGroups::shownCaption() const
{
    return u"第%1组"_s.arg(m_shown);
}

void QuestionGroups::show(int group)
{
    m_shown = group;
    m_start = (group - 1) * m_size + 1;
    m_count = std::clamp(m_total - m_start + 1, 0, m_size);
}
