#pragma once

#include <QString>
#include <QVector>

class TDM1;

// The knowledge-point catalogue as the point picker offers it: the nodes that
// hold points (6 characters) and the top-level ones (2), and the points of a node.
class PointPicker
{
public:
    struct Node
    {
        QString id;
        QString n; // name
    };
    struct Point
    {
        QString ftid;
        QString sn; // heading, as stored
    };

    explicit PointPicker(TDM1& dm);

    // In catalogue order.
    QVector<Node> nodes();
    // In code order.
    QVector<Point> points(const QString& nodeId);
    // A point attached to a question, as the editing window lists it: the node's
    // name followed by the heading; empty parts for a code the catalogue lacks.
    QString attachedLabel(const QString& ftid);

private:
    TDM1& m_dm;
};
