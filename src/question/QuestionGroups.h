#pragma once

#include <QString>

// The number buttons of a run show its questions in groups of consecutive
// record numbers (1-based): which group is shown, and moving between groups
// and across a group's edge one question at a time.
class QuestionGroups
{
public:
    static constexpr int PracticeSize = 20;

    // What moving one question on or back asks of the window.
    struct Step
    {
        enum Kind
        {
            Press,    // press the button at index in the group shown
            NewGroup, // another group is shown now; its first question follows
            Nothing,  // at the first or last question
        };
        Kind kind = Nothing;
        int index = -1;
    };

    explicit QuestionGroups(int size = PracticeSize);

    // Shows the first group of total questions.
    void reset(int total);
    // False, and nothing changes, at the first or last group.
    bool previous();
    bool next();
    // Back from recNo: the previous button, or the previous group (its first question, not its last).
    Step stepBack(int recNo);
    Step stepOn(int recNo);

    int size() const { return m_size; }
    int total() const { return m_total; }
    int groups() const { return m_groups; }
    int shown() const { return m_shown; }
    int start() const { return m_start; }
    int count() const { return m_count; }
    bool hasPrevious() const { return m_shown > 1; }
    bool hasNext() const { return m_shown < m_groups; }

    bool contains(int recNo) const { return recNo >= m_start && recNo < m_start + m_count; }
    // The button index of a record number in the group shown.
    int indexOf(int recNo) const { return recNo - m_start; }
    // The record number on a button; 0 for a spare button.
    int recordAt(int index) const { return index >= 0 && index < m_count ? m_start + index : 0; }

    QString summary() const;      // "共3组45道题"
    QString shownCaption() const; // "第2组"

private:
    void show(int group);

    int m_size;
    int m_total = 0;
    int m_groups = 0;
    int m_shown = 1;
    int m_start = 1;
    int m_count = 0;
};
