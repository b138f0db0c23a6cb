#include "StudyCurveCanvas.h"

#include <QChart>
#include <QFontMetricsF>
#include <QPainter>
#include <QValueAxis>

using namespace Qt::Literals::StringLiterals;

namespace {

const QColor AnswerColour(0x5b, 0x9b, 0xc8);
const QColor ScoreColour(0xc0, 0x39, 0x2b);
const QColor PlanColour(0x2e, 0x8b, 0x3e);
constexpr int DateStep = 15;

} // namespace

StudyCurveCanvas::StudyCurveCanvas(QWidget* parent)
    : BarChartCanvas(u"学习曲线（最近%1天）"_s.arg(StudyCurve::Span), u"做题道次"_s, u"日期"_s, parent)
{
    m_scoreAxis = new QValueAxis(this);
    m_scoreAxis->setTitleText(u"当日成绩(%)"_s);
    m_scoreAxis->setRange(0, 100);
    m_scoreAxis->setLabelFormat(u"%d"_s);
    // Its scale is painted beside the depth of the bars, where Qt Charts would put it under the walls.
    m_scoreAxis->setVisible(false);
}

void StudyCurveCanvas::setCurve(const StudyCurve::Curve& curve)
{
    m_curve = curve;
    Series answers{u"做题道次"_s, AnswerColour, {}};
    double top = 0;
    for (const StudyCurve::Day& day : curve.days) {
        answers.bars.append({day.date.toString(u"MM-dd"_s), double(day.answers), {}, day.answers > 0});
        top = qMax(top, double(day.answers));
    }
    // The plan's level stays inside the axis.
    if (curve.plannedAnswers)
        top = qMax(top, double(*curve.plannedAnswers));
    setSeries({answers});
    setValueMaximum(qMax(top, 5.0), true);
}

QVector<ChartLegend::Entry> StudyCurveCanvas::legendEntries() const
{
    QVector<ChartLegend::Entry> entries{{u"做题道次"_s, AnswerColour}, {u"当日成绩"_s, ScoreColour, true}};
    if (m_curve.plannedAnswers)
        entries.append({u"计划每日道数"_s, PlanColour, true});
    return entries;
}

QMarginsF StudyCurveCanvas::plotPadding(const QRectF& area) const
{
    QMarginsF padding = BarChartCanvas::plotPadding(area);
    const QFontMetricsF metrics(markFont());
    padding.setRight(padding.right() + metrics.horizontalAdvance(u"100"_s) + metrics.height() + 16);
    padding.setBottom(padding.bottom() + QFontMetricsF(markFont()).height() + 6);
    return padding;
}

void StudyCurveCanvas::paintSeries(QPainter& painter)
{
    BarChartCanvas::paintSeries(painter);
    paintPlan(painter);
    paintScore(painter);
    paintDates(painter);
    paintScoreAxis(painter);
}

void StudyCurveCanvas::paintScoreAxis(QPainter& painter)
{
    const QRectF plot = plotRect();
    const QFontMetricsF metrics(markFont());
    const double left = plot.right() + depthOffset().x() + 6;
    painter.setFont(markFont());
    painter.setPen(QColor(0x24, 0x33, 0x44));
    painter.drawLine(QPointF(left, plot.top()), QPointF(left, plot.bottom()));
    for (int score = 0; score <= 100; score += 20) {
        const double y = plot.bottom() - score / 100.0 * plot.height();
        painter.drawLine(QPointF(left, y), QPointF(left + 3, y));
        painter.drawText(QRectF(left + 5, y - metrics.height() / 2, metrics.horizontalAdvance(u"100"_s) + 2,
                                metrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::number(score));
    }
    painter.save();
    const double titleX = left + metrics.horizontalAdvance(u"100"_s) + 10 + metrics.height() / 2;
    painter.translate(titleX, plot.center().y());
    painter.rotate(90);
    const QString title = m_scoreAxis->titleText();
    const double width = metrics.horizontalAdvance(title) + 2;
    painter.drawText(QRectF(-width / 2, -metrics.height() / 2, width, metrics.height()), Qt::AlignCenter,
                     title);
    painter.restore();
}

void StudyCurveCanvas::paintScore(QPainter& painter)
{
    // Days without answers have no score: the line breaks there.
    const QRectF plot = plotRect();
    painter.setPen(QPen(ScoreColour, 2));
    painter.setBrush(ScoreColour);
    QPolygonF run;
    auto flush = [&] {
        if (run.size() > 1)
            painter.drawPolyline(run);
        run.clear();
    };
    for (int i = 0; i < m_curve.days.size(); ++i) {
        const auto& score = m_curve.days[i].score;
        if (!score) {
            flush();
            continue;
        }
        const QPointF point(categoryX(i), plot.bottom() - qBound(0.0, *score, 100.0) / 100 * plot.height());
        run.append(point);
        painter.drawEllipse(point, 2.5, 2.5);
    }
    flush();
}

void StudyCurveCanvas::paintPlan(QPainter& painter)
{
    if (!m_curve.plannedAnswers)
        return;
    const QRectF plot = plotRect();
    const double y = valueY(*m_curve.plannedAnswers);
    painter.setPen(QPen(PlanColour, 2, Qt::DashLine));
    painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
}

void StudyCurveCanvas::paintDates(QPainter& painter)
{
    const QRectF plot = plotRect();
    const QFontMetricsF metrics(markFont());
    painter.setFont(markFont());
    painter.setPen(QColor(0x24, 0x33, 0x44));
    // Counted back from today, so that the last day always has its date.
    for (int i = int(m_curve.days.size()) - 1; i >= 0; i -= DateStep) {
        const QString text = m_curve.days[i].date.toString(u"MM-dd"_s);
        const double width = metrics.horizontalAdvance(text);
        const double x = qBound(plot.left(), categoryX(i) - width / 2, plot.right() - width);
        painter.drawLine(QPointF(categoryX(i), plot.bottom()), QPointF(categoryX(i), plot.bottom() + 3));
        painter.drawText(QRectF(x, plot.bottom() + 4, width + 2, metrics.height()), Qt::AlignLeft, text);
    }
}
