#pragma once

#include "KnowledgePoints.h"
#include "TypeScoreTable.h"

#include <QString>
#include <QVector>

#include <array>
#include <optional>

class TDM1;

// What the written form of a paper needs from the bank: its questions in paper
// order with answer, explanation and cited points, the type table of its subject,
// the stems and the points' texts. Reads only.
class PaperDocumentData
{
public:
    struct Question
    {
        QString A1;                               // key
        QString A2;                               // correct answer
        int A13 = 0;                              // type
        std::optional<QString> jx;                // explanation; none when null
        std::array<std::optional<QString>, 10> K; // K3..K12; none when null
    };

    // Throws a StoreError when paperTable is not the name of a paper table.
    PaperDocumentData(TDM1& dm, const QString& paperTable, int subject);

    // The paper's questions as the exam window numbers them: by type, then key.
    QVector<Question> questions();
    const QVector<TypeScoreTable::Row>& types() const { return m_types.rows(); }
    // The question's stem (tab_exer); empty when there is none.
    QString stem(const QString& key);
    // The shared stem of the group at the key's first 16 characters (tab_title); empty when none.
    QString sharedStem(const QString& key);
    std::optional<KnowledgePoints::Point> point(const QString& code) { return m_points.point(code); }
    QString nodeName(const QString& id) { return m_points.nodeName(id); }

private:
    QString text(const QString& sql, const QString& key);

    TDM1& m_dm;
    QString m_table;
    TypeScoreTable m_types;
    KnowledgePoints m_points;
};
