#include "BackupSchedule.h"

#include "platform/Clock.h"

BackupSchedule::BackupSchedule(const Clock& clock, const QDateTime& lastBackup)
    : m_clock(clock), m_last(lastBackup)
{}

bool BackupSchedule::dueAfterRun() const
{
    if (!m_last.isValid())
        return true;
    const qint64 elapsed = m_last.secsTo(m_clock.now());
    // A clock set back leaves the last backup in the future; waiting for it could take days.
    return elapsed < 0 || elapsed >= qint64(IntervalMinutes) * 60;
}

bool BackupSchedule::attempted(bool succeeded)
{
    m_last = m_clock.now();
    const bool firstFailure = !succeeded && !m_failing;
    m_failing = !succeeded;
    return firstFailure;
}
