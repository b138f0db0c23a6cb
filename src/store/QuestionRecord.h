#pragma once

#include <QString>

#include <array>

// One question record of tab_answ (or of a paper table) as read into memory.
// A null QString stands for an empty column.
struct QuestionRecord
{
    QString A1;                // key
    QString A2;                // correct answer
    int A2_1 = 0;              // number of options
    std::array<QString, 10> K; // K3..K12
    QString A10;               // leaf chapter
    int A13 = 0;               // question type
    QString A14;               // note
    QString E1;                // date of the last recorded answer, YYYY-MM-DD
    QString E2;                // last recorded answer; "zero" when discarded
    QString E2_1;              // answer of the current run
    int E3 = 0;                // times answered
    int E4 = 0;                // wrong-answer score
    int F1 = 0;                // 0 normal, 1 discarded, 2 entered by the user
    double xx = 0;             // order within the chapter
    QString csbs;              // "Y" when the time limit ran out
    int ecount = 0;

    bool answeredInRun() const { return !E2_1.isEmpty(); }
    bool rightInRun() const { return E2_1 == A2; }

    // Column names map onto fields without regard to case; unknown columns are ignored.
    enum class Field
    {
        Ignored,
        A1,
        A2,
        A2_1,
        K3,
        A10 = K3 + 10,
        A13,
        A14,
        E1,
        E2,
        E2_1,
        E3,
        E4,
        F1,
        xx,
        csbs,
        ecount
    };
    static Field fieldOfColumn(const QString& column);
    static bool isNumeric(Field field);
    void setText(Field field, const QString& value);
    void setNumber(Field field, double value);
};
