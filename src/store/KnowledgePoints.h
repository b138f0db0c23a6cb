#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

class TDM1;

// The knowledge points (tab_rule) and their catalogue nodes (tab_fgmc), and the
// points a question cites.
class KnowledgePoints
{
public:
    struct Point
    {
        QString ftid; // the point's code
        QString id;   // its catalogue node
        QString n;    // the point's text
        QString sn;   // its title
    };

    explicit KnowledgePoints(TDM1& dm);

    // The distinct point codes a question cites (K3..K12), in its order; empty for an unknown key.
    QStringList citedBy(const QString& questionKey);
    // The points of these codes that the bank holds, in the order given.
    QVector<Point> points(const QStringList& codes);
    std::optional<Point> point(const QString& code);
    // The name of a catalogue node; empty when there is none.
    QString nodeName(const QString& id);

private:
    TDM1& m_dm;
};
