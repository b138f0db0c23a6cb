#include "PieChartCanvas.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QtMath>

#include <algorithm>

namespace {

constexpr double Tilt = 0.6; // height of the tilted pie against its width
constexpr double MarkColumn = 150;
constexpr double Leader = 14;

} // namespace

PieChartCanvas::PieChartCanvas(const QString& title, const QString& seriesName, QWidget* parent)
    : ChartCanvas(title, parent), m_seriesName(seriesName)
{}

void PieChartCanvas::setSlices(const QVector<Slice>& slices)
{
    m_slices = slices;
    relayout();
}

double PieChartCanvas::total() const
{
    double sum = 0;
    for (const Slice& slice : m_slices)
        sum += qMax(0.0, slice.value);
    return sum;
}

QString PieChartCanvas::markText(int index) const
{
    const double sum = total();
    const double share = sum > 0 ? qMax(0.0, m_slices[index].value) / sum * 100 : 0;
    return m_slices[index].label + QLatin1Char(' ') + QString::number(share, 'f', 1) + QLatin1Char('%');
}

QVector<ChartLegend::Entry> PieChartCanvas::legendEntries() const
{
    QVector<ChartLegend::Entry> entries;
    for (const Slice& slice : m_slices)
        entries.append({slice.label, slice.colour});
    return entries;
}

QMarginsF PieChartCanvas::plotPadding(const QRectF&) const
{
    return {6, 6, 6, 6};
}

QRectF PieChartCanvas::pieRect(double* thickness) const
{
    const QRectF plot = plotRect();
    const double column = marksVisible() ? qMin(MarkColumn, plot.width() * 0.3) + Leader + 6 : 0;
    const double widthRoom = plot.width() / 2 - column;
    *thickness = isThreeD() ? qMax(8.0, -depthOffset().y() * 1.2) : 0;
    const double heightRoom = isThreeD() ? (plot.height() - *thickness) / 2 / Tilt : plot.height() / 2;
    const double radius = qMax(10.0, qMin(widthRoom, heightRoom) - 4);
    const double height = isThreeD() ? radius * 2 * Tilt : radius * 2;
    return QRectF(plot.center().x() - radius, plot.center().y() - (height + *thickness) / 2, radius * 2,
                  height);
}

void PieChartCanvas::paintSeries(QPainter& painter)
{
    double thickness = 0;
    const QRectF pie = pieRect(&thickness);
    paintSlices(painter, pie, thickness);
    m_marked.clear();
    if (marksVisible())
        paintMarks(painter, pie);
}

void PieChartCanvas::paintSlices(QPainter& painter, const QRectF& pie, double thickness)
{
    const double sum = total();
    if (sum <= 0)
        return;
    // The rim: the pie drawn again below itself, darker, from the bottom up.
    for (int layer = qRound(thickness); layer >= 0; --layer) {
        const bool top = layer == 0;
        double start = 90;
        for (const Slice& slice : m_slices) {
            const double span = qMax(0.0, slice.value) / sum * 360;
            if (span > 0) {
                painter.setPen(top ? QPen(Qt::white, 1) : QPen(slice.colour.darker(150), 1));
                painter.setBrush(top ? slice.colour : slice.colour.darker(150));
                painter.drawPie(pie.translated(0, layer), qRound(start * 16), -qRound(span * 16));
            }
            start -= span;
        }
    }
}

void PieChartCanvas::paintMarks(QPainter& painter, const QRectF& pie)
{
    const double sum = total();
    if (sum <= 0)
        return;
    const QFontMetricsF metrics(markFont());
    const double lineHeight = metrics.height() + 3;
    const QRectF plot = plotRect();
    QVector<Mark> left;
    QVector<Mark> right;
    double start = 90;
    for (int i = 0; i < m_slices.size(); ++i) {
        const double span = qMax(0.0, m_slices[i].value) / sum * 360;
        const double mid = start - span / 2;
        start -= span;
        if (span <= 0)
            continue;
        const double y = pie.center().y() - (pie.height() / 2 + Leader) * qSin(qDegreesToRadians(mid));
        (qCos(qDegreesToRadians(mid)) >= 0 ? right : left).append({i, mid, y});
    }
    placeColumn(left, plot.top(), plot.bottom(), lineHeight);
    placeColumn(right, plot.top(), plot.bottom(), lineHeight);

    painter.setFont(markFont());
    const double columnWidth = plot.right() - pie.right() - Leader - 4;
    for (const QVector<Mark>* column : {&left, &right}) {
        const bool onRight = column == &right;
        for (const Mark& mark : *column) {
            m_marked.append(mark.slice);
            const double a = qDegreesToRadians(mark.angle);
            const QPointF rim(pie.center().x() + pie.width() / 2 * qCos(a),
                              pie.center().y() - pie.height() / 2 * qSin(a));
            const double elbowX = onRight ? pie.right() + Leader / 2 : pie.left() - Leader / 2;
            const QPointF elbow(elbowX, mark.y);
            const QPointF end(onRight ? pie.right() + Leader : pie.left() - Leader, mark.y);
            painter.setPen(QPen(m_slices[mark.slice].colour.darker(130), 1));
            painter.drawPolyline(QPolygonF({rim, elbow, end}));
            const QString text = metrics.elidedText(markText(mark.slice), Qt::ElideMiddle, columnWidth);
            const QRectF box =
                onRight ? QRectF(end.x() + 3, mark.y - lineHeight / 2, columnWidth, lineHeight)
                        : QRectF(end.x() - 3 - columnWidth, mark.y - lineHeight / 2, columnWidth, lineHeight);
            painter.setPen(QColor(0x24, 0x33, 0x44));
            painter.drawText(box, (onRight ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, text);
        }
    }
}

void PieChartCanvas::placeColumn(QVector<Mark>& marks, double top, double bottom, double lineHeight) const
{
    // As many marks as the column holds, the largest slices first; then spread them
    // from their wanted heights so that no two overlap.
    const int room = qMax(0, int((bottom - top) / lineHeight));
    if (marks.size() > room) {
        std::stable_sort(marks.begin(), marks.end(), [&](const Mark& a, const Mark& b) {
            return m_slices[a.slice].value > m_slices[b.slice].value;
        });
        marks.resize(room);
    }
    std::sort(marks.begin(), marks.end(), [](const Mark& a, const Mark& b) { return a.y < b.y; });
    double next = top + lineHeight / 2;
    for (Mark& mark : marks) {
        mark.y = qMax(mark.y, next);
        next = mark.y + lineHeight;
    }
    double limit = bottom - lineHeight / 2;
    for (auto it = marks.rbegin(); it != marks.rend(); ++it) {
        it->y = qMin(it->y, limit);
        limit = it->y - lineHeight;
    }
}
