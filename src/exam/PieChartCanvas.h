#pragma once

#include "ChartCanvas.h"

// A pie over the chapters, slices clockwise from twelve o'clock. In depth it is
// tilted and given a rim; its marks stand in two columns beside it.
class PieChartCanvas : public ChartCanvas
{
    Q_OBJECT

public:
    struct Slice
    {
        QString label;
        double value = 0;
        QColor colour;
    };

    PieChartCanvas(const QString& title, const QString& seriesName, QWidget* parent = nullptr);

    void setSlices(const QVector<Slice>& slices);
    const QVector<Slice>& slices() const { return m_slices; }
    QString seriesName() const { return m_seriesName; }

    // The mark of a slice: its label and its share, "第一章 12.5%".
    QString markText(int index) const;
    // The slices whose marks fit beside the pie at the last drawing.
    const QVector<int>& markedSlices() const { return m_marked; }

protected:
    QVector<ChartLegend::Entry> legendEntries() const override;
    QMarginsF plotPadding(const QRectF& area) const override;
    void paintSeries(QPainter& painter) override;

private:
    struct Mark
    {
        int slice;
        double angle; // mid-angle in degrees, counter-clockwise from three o'clock
        double y;
    };

    double total() const;
    QRectF pieRect(double* thickness) const;
    void paintSlices(QPainter& painter, const QRectF& pie, double thickness);
    void paintMarks(QPainter& painter, const QRectF& pie);
    void placeColumn(QVector<Mark>& marks, double top, double bottom, double lineHeight) const;

    QString m_seriesName;
    QVector<Slice> m_slices;
    QVector<int> m_marked;
};
