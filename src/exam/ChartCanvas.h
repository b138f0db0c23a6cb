#pragma once

#include "ChartLegend.h"

#include <QChartView>
#include <QImage>

class QPrinter;

// One chart of the statistics window. Qt Charts lays out the title and the
// axes; the canvas paints the series itself, together with their marks and the
// legend, so that the flat and the three-dimensional look are one drawing: flat
// is depth 0. Qt Charts has no depth of its own.
class ChartCanvas : public QChartView
{
    Q_OBJECT

public:
    explicit ChartCanvas(const QString& title, QWidget* parent = nullptr);

    QString title() const { return m_title; }

    void setThreeD(bool on);
    bool isThreeD() const { return m_threeD; }
    void setLegendVisible(bool on);
    bool isLegendVisible() const { return m_legendVisible; }
    void setLegendAlignment(Qt::Alignment side);
    Qt::Alignment legendAlignment() const { return m_legendSide; }
    void setMarksVisible(bool on);
    bool marksVisible() const { return m_marksVisible; }
    // Room kept free under the chart (for a line the window lays over it).
    void setBottomReserve(int pixels);

    const ChartLegend& legend() const { return m_legend; }
    // The rectangle the series are drawn in, after the last layout.
    QRectF plotRect() const { return m_plot; }

    // The chart at its size on a white background.
    QImage toImage();
    // Prints the chart on one page, scaled to fit; false when the printer fails.
    bool print(QPrinter& printer);

protected:
    virtual QVector<ChartLegend::Entry> legendEntries() const = 0;
    // Room the series need around the plot inside the area left by title and legend; Qt Charts adds the axes.
    virtual QMarginsF plotPadding(const QRectF& area) const = 0;
    virtual void paintSeries(QPainter& painter) = 0;

    // The oblique offset of the full depth: right and up; null when flat.
    QPointF depthOffset(const QRectF& area) const;
    QPointF depthOffset() const { return depthOffset(m_body); }
    QFont markFont() const;
    QFont titleFont() const;
    void relayout();

    void drawForeground(QPainter* painter, const QRectF& rect) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void renderOn(QPainter& painter, const QRectF& target);

    bool m_threeD = true;
    bool m_legendVisible = true;
    bool m_marksVisible = true;
    Qt::Alignment m_legendSide = Qt::AlignTop;
    int m_bottomReserve = 0;
    QString m_title;
    QRectF m_titleRect;
    ChartLegend m_legend;
    QRectF m_body;
    QRectF m_plot;
};
