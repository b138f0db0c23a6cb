#include "RecordPolicy.h"

#include "store/QuestionRecord.h"

bool RecordPolicy::records(RecordMode mode) const
{
    switch (mode) {
    case RecordMode::Move:
        return onMove;
    case RecordMode::Check:
        return onCheck;
    case RecordMode::Silent:
        return onSilent;
    }
    return false;
}

NumberMark RecordPolicy::markOf(const QuestionRecord& row) const
{
    if (!row.answeredInRun())
        return NumberMark::Unanswered;
    if (!showsVerdict)
        return NumberMark::Answered;
    return row.rightInRun() ? NumberMark::Right : NumberMark::Wrong;
}
