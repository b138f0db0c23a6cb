#pragma once

#include <QString>
#include <QVariantList>

class TDM1;
struct QuestionRecord;

// The small writes a practice or exam window makes on one question record
// besides recording an answer: discarding, the time-out mark and the note.
// Each one changes the record in memory only after the database took it.
class QuestionEdits
{
public:
    explicit QuestionEdits(TDM1& dm);

    // Clears the run answer E2_1 of every question that holds one; rows without
    // a run answer are not touched, so a large bank is not rewritten.
    void clearRunAnswers();

    // f1 := 1 and e2 := "zero": the question leaves the new and wrong sets for good.
    void discard(QuestionRecord& row, const QString& table = QStringLiteral("tab_answ"));
    // f1 := 0; the stored answer keeps "zero".
    void undiscard(QuestionRecord& row, const QString& table = QStringLiteral("tab_answ"));
    // A paper row taken back: f1 := 0 and its stored answer e2 cleared, as the paper never held "zero".
    void undiscardPaperRow(QuestionRecord& row, const QString& paperTable);
    // csbs := "Y": the practice time limit ran out on the question.
    void markTimedOut(QuestionRecord& row, const QString& table = QStringLiteral("tab_answ"));
    // A14 := note, stored exactly as typed.
    void saveNote(QuestionRecord& row, const QString& note,
                  const QString& table = QStringLiteral("tab_answ"));

private:
    void update(const QString& table, const QString& assignments, const QString& key,
                const QVariantList& values);

    TDM1& m_dm;
};
