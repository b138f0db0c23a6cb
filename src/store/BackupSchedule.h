#pragma once

#include <QDateTime>

class Clock;

// When the program backs up while the user works: after a run has been closed
// (never inside one), at most every IntervalMinutes. A normal close always backs
// up and does not ask here.
class BackupSchedule
{
public:
    static constexpr int IntervalMinutes = 30;

    // lastBackup: when the newest backup was taken; invalid when there is none.
    BackupSchedule(const Clock& clock, const QDateTime& lastBackup);

    // Asked after a run has been closed and its transaction committed.
    bool dueAfterRun() const;
    // Records an attempt (a failed one also waits a full interval before the next try).
    // Returns true when the user should be told of this failure: the first of a series.
    bool attempted(bool succeeded);

private:
    const Clock& m_clock;
    QDateTime m_last;
    bool m_failing = false;
};
