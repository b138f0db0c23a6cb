#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

class TDM1;

// The user's own questions: the running number of their keys, the question
// types to choose from, and saving one question with every counter it raises.
class QuestionEntry
{
public:
    struct Type
    {
        int A1 = 0;
        QString B1;
    };
    struct Question
    {
        QString chapter;     // leaf chapter code C1
        QString optionText;  // A2_1 as typed
        int type = 0;        // A13
        QString answer;      // A2
        QStringList points;  // K3.. in order, at most 10
        QString stem;        // A15, stored text
        QString explanation; // jx; null leaves the column empty
    };

    explicit QuestionEntry(TDM1& dm);

    // The types of the data module's bound type table, by code.
    QVector<Type> types();
    // One more than the largest running number of the keys beginning with "U"; 1 for the first.
    int nextRunningNumber();
    // Both rows and every counter in one transaction; returns the new key. Nothing is
    // written when any of it fails (thrown as StoreError).
    QString save(const Question& question);

private:
    void raiseChapterCounts(const QString& chapter);
    void raisePointCounts(const QStringList& points);
    // The bank search keeps its index current through here.

    TDM1& m_dm;
};
