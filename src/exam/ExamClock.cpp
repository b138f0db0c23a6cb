#include "ExamClock.h"

#include "platform/Clock.h"

using namespace Qt::Literals::StringLiterals;

void ExamClock::reset(qint64 seconds)
{
    m_accumulated = seconds;
    m_counting = false;
}

void ExamClock::countOn()
{
    if (m_counting)
        return;
    m_start = m_clock.now();
    m_counting = true;
}

void ExamClock::countOff()
{
    m_accumulated = elapsedSeconds();
    m_counting = false;
}

qint64 ExamClock::elapsedSeconds() const
{
    if (!m_counting)
        return m_accumulated;
    return m_accumulated + qMax<qint64>(0, m_start.secsTo(m_clock.now()));
}

QString ExamClock::text(qint64 seconds)
{
    return u"%1:%2:%3"_s.arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QChar(u'0'))
        .arg(seconds % 60, 2, 10, QChar(u'0'));
}
