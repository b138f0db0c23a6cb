#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <QVector>

class QPainter;

// The legend of a chart: as many rows or columns as its entries need on the
// chosen side, with texts shortened only when they would not fit otherwise.
class ChartLegend
{
public:
    struct Entry
    {
        QString text;
        QColor colour;
        bool line = false; // drawn as a line sample instead of a swatch
    };

    void setEntries(const QVector<Entry>& entries) { m_entries = entries; }
    const QVector<Entry>& entries() const { return m_entries; }
    void setFont(const QFont& font) { m_font = font; }

    // Places the legend on side (Qt::AlignTop, AlignBottom, AlignLeft or AlignRight)
    // of area and returns what is left of the area for the plot.
    QRectF place(const QRectF& area, Qt::Alignment side);
    QRectF geometry() const { return m_geometry; }
    void paint(QPainter& painter) const;

private:
    QVector<Entry> m_entries;
    QFont m_font;
    QRectF m_geometry;
    double m_entryWidth = 0;
    double m_rowHeight = 0;
    int m_columns = 1;
    int m_rows = 0;
    bool m_byColumns = false;
};
