#include "PracticeRun.h"

#include "platform/Clock.h"
#include "store/AutoBackup.h"
#include "store/CodeSchemes.h"
#include "store/TDM1.h"

PracticeRun::PracticeRun(TDM1& dm, Clock& clock, RecordPolicy policy)
    : m_dm(dm), m_clock(clock), m_policy(policy), m_set(dm), m_recorder(dm), m_edits(dm)
{}

QuestionRecord* PracticeRun::currentRecord()
{
    return m_set.contains(m_current) ? &m_set.record(m_current) : nullptr;
}

PracticeRun::Recorded PracticeRun::record(int recNo, const QString& answer, RecordMode mode)
{
    if (!m_set.contains(recNo) || !m_policy.records(mode))
        return Recorded::Skipped;
    QuestionRecord& row = m_set.record(recNo);
    // A question left without an answer only needs its run answer cleared, when it has one.
    if (!answer.isEmpty() || !row.E2_1.isEmpty())
        m_recorder.record(row, answer);
    return answer.isEmpty() ? Recorded::Empty : Recorded::Answer;
}

void PracticeRun::discard()
{
    if (QuestionRecord* row = currentRecord())
        m_edits.discard(*row);
}

void PracticeRun::undiscard()
{
    if (QuestionRecord* row = currentRecord())
        m_edits.undiscard(*row);
}

void PracticeRun::markTimedOut()
{
    if (QuestionRecord* row = currentRecord())
        m_edits.markTimedOut(*row);
}

void PracticeRun::start()
{
    m_start = m_clock.now();
    m_end = QDateTime();
}

bool PracticeRun::stop()
{
    if (!running())
        return false;
    m_end = m_clock.now();
    return true;
}

QString PracticeRun::elapsedText() const
{
    if (!m_start.isValid())
        return QStringLiteral("0:00:00");
    const QDateTime until = m_end.isValid() ? m_end : m_clock.now();
    return CodeSchemes::FormatDuration(qMax<qint64>(0, m_start.secsTo(until)));
}

QString PracticeRun::writeStudyLog()
{
    m_dm.CloseStudyRun(elapsedText());
    return m_dm.autoBackup().afterRun();
}
