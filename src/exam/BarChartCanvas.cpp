#include "BarChartCanvas.h"

#include <QBarCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <QValueAxis>

#include <cmath>

namespace {

constexpr double BarShare = 0.62; // of a category's width
const QColor WallColour(0xf1, 0xef, 0xe9);
const QColor GridColour(0xd4, 0xcf, 0xc3);
const QColor MarkPaper(0xff, 0xfb, 0xe8);

QPolygonF quad(QPointF a, QPointF b, QPointF depth)
{
    return QPolygonF({a, b, b + depth, a + depth});
}

} // namespace

BarChartCanvas::BarChartCanvas(const QString& title, const QString& valueTitle, const QString& categoryTitle,
                               QWidget* parent)
    : ChartCanvas(title, parent)
{
    m_valueAxis = new QValueAxis(this);
    m_valueAxis->setTitleText(valueTitle);
    m_valueAxis->setLabelFormat(QStringLiteral("%d"));
    m_valueAxis->setGridLineColor(GridColour);
    chart()->addAxis(m_valueAxis, Qt::AlignLeft);
    // The chapter axis keeps its title but is not shown: the legend names the chapters.
    auto* categories = new QBarCategoryAxis(this);
    categories->setTitleText(categoryTitle);
    chart()->addAxis(categories, Qt::AlignBottom);
    categories->setVisible(false);
    fitAxis();
}

void BarChartCanvas::setSeries(const QVector<Series>& series)
{
    m_series = series;
    fitAxis();
    relayout();
}

void BarChartCanvas::setValueMaximum(double maximum, bool nice)
{
    m_fixedMaximum = maximum;
    m_niceMaximum = nice;
    fitAxis();
    relayout();
}

void BarChartCanvas::fitAxis()
{
    double top = m_fixedMaximum;
    if (top <= 0) {
        for (const Series& s : m_series)
            for (const Bar& bar : s.bars)
                top = qMax(top, bar.value);
    }
    m_valueAxis->setRange(0, qMax(top, 5.0));
    if (m_fixedMaximum <= 0 || m_niceMaximum)
        m_valueAxis->applyNiceNumbers();
    m_valueAxis->setLabelFormat(QStringLiteral("%d"));
}

int BarChartCanvas::categoryCount() const
{
    int count = 0;
    for (const Series& s : m_series)
        count = qMax(count, int(s.bars.size()));
    return count;
}

QVector<ChartLegend::Entry> BarChartCanvas::legendEntries() const
{
    // Several series are named by series, a single one by its bars.
    QVector<ChartLegend::Entry> entries;
    if (m_series.size() > 1) {
        for (const Series& s : m_series)
            entries.append({s.name, s.colour});
    } else if (!m_series.isEmpty()) {
        for (const Bar& bar : m_series.first().bars)
            entries.append({bar.label, bar.colour.isValid() ? bar.colour : m_series.first().colour});
    }
    return entries;
}

QMarginsF BarChartCanvas::plotPadding(const QRectF& area) const
{
    const QPointF depth = depthOffset(area);
    const double markRoom =
        marksVisible() ? QFontMetricsF(markFont()).horizontalAdvance(QStringLiteral("0000")) + 6 : 8;
    return {4, markRoom - depth.y(), 8 + depth.x(), 8};
}

double BarChartCanvas::categoryX(int index) const
{
    const QRectF plot = plotRect();
    const int count = qMax(1, categoryCount());
    return plot.left() + (index + 0.5) * plot.width() / count;
}

double BarChartCanvas::valueY(double value) const
{
    const QRectF plot = plotRect();
    const double span = m_valueAxis->max() - m_valueAxis->min();
    return plot.bottom() - (value - m_valueAxis->min()) / (span > 0 ? span : 1) * plot.height();
}

void BarChartCanvas::paintSeries(QPainter& painter)
{
    const QPointF depth = depthOffset();
    m_valueAxis->setGridLineVisible(depth.isNull());
    if (!depth.isNull())
        paintWalls(painter, depth);
    const int rows = qMax(1, int(m_series.size()));
    const double slot = plotRect().width() / qMax(1, categoryCount());
    const double width = slot * BarShare;
    // Rows from the back to the front; each row takes its share of the depth.
    const QPointF rowDepth = depth / rows;
    for (int r = 0; r < m_series.size(); ++r) {
        const Series& s = m_series[r];
        const QPointF shift = rowDepth * (rows - 1 - r);
        for (int i = 0; i < s.bars.size(); ++i) {
            const Bar& bar = s.bars[i];
            if (bar.value <= 0)
                continue;
            const QRectF front(QPointF(categoryX(i) - width / 2, valueY(bar.value)),
                               QPointF(categoryX(i) + width / 2, valueY(0)));
            paintBar(painter, front.translated(shift), rowDepth * 0.85,
                     bar.colour.isValid() ? bar.colour : s.colour);
        }
    }
    if (!marksVisible())
        return;
    QVector<QRectF> drawn;
    for (int r = 0; r < m_series.size(); ++r)
        paintMarks(painter, m_series[r], rowDepth * (rows - 1 - r) + rowDepth * 0.85 / 2, drawn);
}

void BarChartCanvas::paintWalls(QPainter& painter, QPointF depth)
{
    const QRectF plot = plotRect();
    painter.setPen(QPen(GridColour, 1));
    painter.setBrush(WallColour);
    painter.drawRect(plot.translated(depth));
    painter.setBrush(WallColour.darker(104));
    painter.drawPolygon(quad(plot.bottomLeft(), plot.bottomRight(), depth));
    painter.setBrush(WallColour.darker(102));
    painter.drawPolygon(quad(plot.topLeft(), plot.bottomLeft(), depth));
    // The grid on the back wall and along the left wall.
    const int ticks = m_valueAxis->tickCount();
    for (int t = 1; t < ticks; ++t) {
        const double value = m_valueAxis->min() + (m_valueAxis->max() - m_valueAxis->min()) * t / (ticks - 1);
        const QPointF left(plot.left(), valueY(value));
        painter.drawLine(left, left + depth);
        painter.drawLine(left + depth, QPointF(plot.right(), left.y()) + depth);
    }
}

void BarChartCanvas::paintBar(QPainter& painter, const QRectF& front, QPointF depth, const QColor& colour)
{
    const QPen edge(colour.darker(160), 0.8);
    painter.setPen(edge);
    if (!depth.isNull()) {
        painter.setBrush(colour.darker(135));
        painter.drawPolygon(quad(front.topRight(), front.bottomRight(), depth));
        painter.setBrush(colour.lighter(125));
        painter.drawPolygon(quad(front.topLeft(), front.topRight(), depth));
    }
    painter.setBrush(colour);
    painter.drawRect(front);
}

void BarChartCanvas::paintMarks(QPainter& painter, const Series& series, QPointF shift,
                                QVector<QRectF>& drawn)
{
    painter.setFont(markFont());
    const QFontMetricsF metrics(markFont());
    const double slot = plotRect().width() / qMax(1, categoryCount());
    double lastEnd = -1e9;
    for (int i = 0; i < series.bars.size(); ++i) {
        const Bar& bar = series.bars[i];
        if (!bar.marked)
            continue;
        const QString text = QString::number(bar.value, 'f', 0);
        const QSizeF textSize(metrics.horizontalAdvance(text) + 6, metrics.height() + 2);
        // Narrow categories get upright marks; a mark that would touch the previous one is left out.
        const bool upright = textSize.width() > slot - 2;
        const QSizeF box = upright ? textSize.transposed() : textSize;
        const QPointF anchor = QPointF(categoryX(i), valueY(bar.value) - 3) + shift;
        QRectF area(anchor.x() - box.width() / 2, anchor.y() - box.height(), box.width(), box.height());
        if (area.left() < lastEnd + 1)
            continue;
        lastEnd = area.right();
        for (auto other = drawn.crbegin(); other != drawn.crend(); ++other) {
            if (area.intersects(*other))
                area.moveBottom(other->top() - 1);
        }
        drawn.append(area);
        // The edge in the series' colour tells stacked marks apart.
        painter.setPen(QPen(series.colour.darker(120), 1));
        painter.setBrush(MarkPaper);
        painter.drawRect(area);
        painter.setPen(QColor(0x24, 0x33, 0x44));
        if (!upright) {
            painter.drawText(area, Qt::AlignCenter, text);
            continue;
        }
        painter.save();
        painter.translate(area.center());
        painter.rotate(-90);
        painter.drawText(
            QRectF(-textSize.width() / 2, -textSize.height() / 2, textSize.width(), textSize.height()),
            Qt::AlignCenter, text);
        painter.restore();
    }
}
