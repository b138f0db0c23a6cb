#pragma once

struct QuestionRecord;

// The moments an answer on the pad is recorded.
enum class RecordMode
{
    Move,   // leaving a question: its number button shows how it was answered
    Check,  // "完成": the verdict on the pressed button, "答案" and "考点" follow
    Silent, // a type change, closing, handing a paper in: nothing shown
};

// How a number button shows its question.
enum class NumberMark
{
    Unanswered,
    Right,
    Wrong,
    Answered, // recorded, verdict not shown yet (an exam before it is marked)
};

// When a run records answers and what its number buttons tell. Practice records
// in every mode and shows right and wrong; an exam records when a question is
// left and at hand-in, shows only "answered", and records nothing once marked.
struct RecordPolicy
{
    bool onMove = true;
    bool onCheck = true;
    bool onSilent = true;
    bool showsVerdict = true;

    bool records(RecordMode mode) const;
    NumberMark markOf(const QuestionRecord& row) const;
};
