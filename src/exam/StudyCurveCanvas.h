#pragma once

#include "BarChartCanvas.h"

#include "store/StudyCurve.h"

// The study log of the last days: answers per day as bars, the day's score as
// a line on its own axis, and the plan's daily amount as a level line.
class StudyCurveCanvas : public BarChartCanvas
{
    Q_OBJECT

public:
    explicit StudyCurveCanvas(QWidget* parent = nullptr);

    void setCurve(const StudyCurve::Curve& curve);
    const StudyCurve::Curve& curve() const { return m_curve; }
    QValueAxis* scoreAxis() const { return m_scoreAxis; }

protected:
    QVector<ChartLegend::Entry> legendEntries() const override;
    QMarginsF plotPadding(const QRectF& area) const override;
    void paintSeries(QPainter& painter) override;

private:
    void paintScore(QPainter& painter);
    void paintPlan(QPainter& painter);
    void paintDates(QPainter& painter);
    void paintScoreAxis(QPainter& painter);

    StudyCurve::Curve m_curve;
    QValueAxis* m_scoreAxis = nullptr;
};
