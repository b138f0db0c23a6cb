#pragma once

#include "ChartCanvas.h"

class QValueAxis;

// Bars over the chapters (or days), one depth row per series: a later series
// stands in front of an earlier one instead of beside it.
class BarChartCanvas : public ChartCanvas
{
    Q_OBJECT

public:
    struct Bar
    {
        QString label;
        double value = 0;
        QColor colour; // invalid: the series' colour
        bool marked = true;
    };
    struct Series
    {
        QString name;
        QColor colour;
        QVector<Bar> bars;
    };

    BarChartCanvas(const QString& title, const QString& valueTitle, const QString& categoryTitle,
                   QWidget* parent = nullptr);

    // Every series has one bar per category, in the same order.
    void setSeries(const QVector<Series>& series);
    const QVector<Series>& series() const { return m_series; }
    // A fixed top of the value axis instead of one fitted to the values; nice rounds it up to a tick.
    void setValueMaximum(double maximum, bool nice = false);
    QValueAxis* valueAxis() const { return m_valueAxis; }

protected:
    QVector<ChartLegend::Entry> legendEntries() const override;
    QMarginsF plotPadding(const QRectF& area) const override;
    void paintSeries(QPainter& painter) override;

    int categoryCount() const;
    // The x of a category's centre, and the y of a value, on the front plane.
    double categoryX(int index) const;
    double valueY(double value) const;

private:
    void fitAxis();
    void paintWalls(QPainter& painter, QPointF depth);
    void paintBar(QPainter& painter, const QRectF& front, QPointF depth, const QColor& colour);
    // Marks of several rows stack where they would cover one another; drawn keeps those already placed.
    void paintMarks(QPainter& painter, const Series& series, QPointF shift, QVector<QRectF>& drawn);

    QVector<Series> m_series;
    QValueAxis* m_valueAxis = nullptr;
    double m_fixedMaximum = 0;
    bool m_niceMaximum = true;
};
