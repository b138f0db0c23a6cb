#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class TDM1;
struct QuestionRecord;

// Changes to a question the user corrects: its texts, answer, type and points,
// with the edit counted and the points' question counts recounted.
class QuestionEditor
{
public:
    struct Changes
    {
        QString stem;                      // A15 of tab_exer, stored text
        QString explanation;               // jx; null empties it
        std::optional<QString> sharedStem; // A15 of tab_title, for keys with "-"
        int options = 0;                   // A2_1
        QString answer;                    // A2
        int type = 0;                      // A13
        QStringList points;                // K3.. in order; the rest are emptied
    };

    explicit QuestionEditor(TDM1& dm);

    // Every change in one transaction. The record in memory takes the new values,
    // ecount included, only once they are written; a failure is thrown as StoreError.
    void save(QuestionRecord& question, const Changes& changes);

private:
    void recountPoint(const QString& code);
    // The bank search keeps its index current through here.
    QStringList keysSharing(const QString& stemKey);

    TDM1& m_dm;
};
