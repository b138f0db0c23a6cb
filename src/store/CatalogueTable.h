#pragma once

#include <QString>
#include <QVector>

class TDM1;

// The knowledge-point catalogue as the catalogue window reads it: every node
// (tab_fgmc) with its counters in display order, the points (tab_rule) of one
// node, and the key-point threshold of a node.
class CatalogueTable
{
public:
    struct Counters
    {
        int q = 0;  // questions attached
        int q1 = 0; // distinct questions done
        int q2 = 0; // answer attempts
        int q4 = 0; // wrong attempts
    };
    struct Node
    {
        QString id;
        QString n;
        Counters counters;
    };
    struct Point
    {
        QString ftid;
        QString id;
        QString sn;
        QString n;
        Counters counters;
    };

    explicit CatalogueTable(TDM1& dm);

    // Every node of every level, flat, ordered by bh. Thrown as StoreError.
    QVector<Node> nodes();
    // The points of one node, ordered by ftid. Thrown as StoreError.
    QVector<Point> pointsOf(const QString& nodeId);
    // The number of points of one node. Thrown as StoreError.
    int pointCount(const QString& nodeId);

    // A point is a key point when its q reaches total questions div points, at
    // least 1; totalCell is the node's question count as the grid shows it, and
    // 1 is the answer when it does not read as a number.
    static int keyPointThreshold(const QString& totalCell, int points);

private:
    TDM1& m_dm;
};
