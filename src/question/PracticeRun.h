#pragma once

#include "RecordPolicy.h"

#include "store/AnswerRecorder.h"
#include "store/PracticeSet.h"
#include "store/QuestionEdits.h"

#include <QDateTime>
#include <QString>

class Clock;
class TDM1;

// One practice run without its window: the set, the question shown, recording
// answers by the run's policy, the small edits on a question, and the run's clock
// from opening to closing, whose time goes into today's log.
class PracticeRun
{
public:
    enum class Recorded
    {
        Skipped, // no such question, or the policy records nothing in that mode
        Answer,
        Empty, // no answer given: the run answer is cleared
    };

    PracticeRun(TDM1& dm, Clock& clock, RecordPolicy policy = {});

    // Clears every run answer and reads the set; false when it is empty.
    bool load(const PracticeStatement& statement) { return m_set.load(statement); }
    PracticeSet& set() { return m_set; }
    const PracticeSet& set() const { return m_set; }
    const RecordPolicy& policy() const { return m_policy; }
    NumberMark markOf(const QuestionRecord& row) const { return m_policy.markOf(row); }

    // The record number of the question shown; 0 for none.
    int current() const { return m_current; }
    void setCurrent(int recNo) { m_current = recNo; }
    QuestionRecord* currentRecord();

    // Records answer on question recNo when the policy records in that mode.
    // A database failure is thrown as StoreError, with the question unchanged.
    Recorded record(int recNo, const QString& answer, RecordMode mode);

    // The edits on the question shown; nothing without one. Thrown as StoreError.
    void discard();
    void undiscard();
    void markTimedOut();

    // The clock: started when the window opens, stopped when it closes.
    void start();
    // False when the run was not running (closing twice, or never opened).
    bool stop();
    bool running() const { return m_start.isValid() && !m_end.isValid(); }
    QString elapsedText() const;
    // Adds the run's time to today's log (thrown as StoreError), then takes the backup
    // when one is due. Returns a failed backup to tell the user; empty otherwise.
    QString writeStudyLog();

private:
    TDM1& m_dm;
    Clock& m_clock;
    RecordPolicy m_policy;
    PracticeSet m_set;
    AnswerRecorder m_recorder;
    QuestionEdits m_edits;
    int m_current = 0;
    QDateTime m_start;
    QDateTime m_end;
};
