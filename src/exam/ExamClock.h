#pragma once

#include <QDateTime>
#include <QString>

class Clock;

// The exam clock: elapsed time from a start instant, with pauses left out.
// It only counts; the window's one-second timer asks it for the time.
class ExamClock
{
public:
    explicit ExamClock(const Clock& clock) : m_clock(clock) {}

    // Stopped at the given time (0 for a new paper, the saved time for a resumed one).
    void reset(qint64 seconds = 0);
    void countOn();
    void countOff();
    bool counting() const { return m_counting; }

    qint64 elapsedSeconds() const;
    // h:mm:ss, hours without a leading zero.
    QString elapsedText() const { return text(elapsedSeconds()); }
    static QString text(qint64 seconds);

    // The time is up on reaching or passing examTime, so a late tick cannot skip it;
    // an examTime of 0 never runs out.
    static bool isTimeUp(qint64 elapsed, int examTime) { return examTime > 0 && elapsed >= examTime; }

private:
    const Clock& m_clock;
    QDateTime m_start;
    qint64 m_accumulated = 0;
    bool m_counting = false;
};
