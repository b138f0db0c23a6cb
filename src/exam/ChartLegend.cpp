#include "ChartLegend.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace {

constexpr double Swatch = 12;
constexpr double SwatchGap = 5;
constexpr double EntryGap = 14;
constexpr double Pad = 6;
// A legend takes at most this share of the chart across its side.
constexpr double MaxShare = 0.4;

} // namespace

QRectF ChartLegend::place(const QRectF& area, Qt::Alignment side)
{
    const int count = int(m_entries.size());
    if (count == 0) {
        m_geometry = {};
        return area;
    }
    const QFontMetricsF metrics(m_font);
    double widest = 0;
    for (const Entry& entry : m_entries)
        widest = qMax(widest, metrics.horizontalAdvance(entry.text));
    const double natural = Swatch + SwatchGap + widest + EntryGap;
    m_rowHeight = std::ceil(metrics.height()) + 4;
    m_byColumns = side == Qt::AlignLeft || side == Qt::AlignRight;

    if (m_byColumns) {
        const int perColumn = qMax(1, int((area.height() - 2 * Pad) / m_rowHeight));
        m_columns = (count + perColumn - 1) / perColumn;
        m_rows = qMin(count, perColumn);
        m_entryWidth = qMin(natural, area.width() * MaxShare / m_columns);
    } else {
        const double usable = area.width() - 2 * Pad;
        m_columns = qBound(1, int(usable / natural), count);
        m_rows = (count + m_columns - 1) / m_columns;
        // Too many rows for the height: more, narrower columns.
        const int maxRows = qMax(1, int(area.height() * MaxShare / m_rowHeight));
        if (m_rows > maxRows) {
            m_rows = maxRows;
            m_columns = (count + m_rows - 1) / m_rows;
        }
        m_entryWidth = qMin(natural, usable / m_columns);
    }

    const QSizeF size(m_columns * m_entryWidth + 2 * Pad, m_rows * m_rowHeight + 2 * Pad);
    QRectF rest = area;
    if (side == Qt::AlignTop) {
        m_geometry = QRectF(area.center().x() - size.width() / 2, area.top(), size.width(), size.height());
        rest.setTop(m_geometry.bottom());
    } else if (side == Qt::AlignBottom) {
        m_geometry = QRectF(area.center().x() - size.width() / 2, area.bottom() - size.height(), size.width(),
                            size.height());
        rest.setBottom(m_geometry.top());
    } else if (side == Qt::AlignLeft) {
        m_geometry = QRectF(area.left(), area.center().y() - size.height() / 2, size.width(), size.height());
        rest.setLeft(m_geometry.right());
    } else {
        m_geometry = QRectF(area.right() - size.width(), area.center().y() - size.height() / 2, size.width(),
                            size.height());
        rest.setRight(m_geometry.left());
    }
    return rest;
}

void ChartLegend::paint(QPainter& painter) const
{
    if (m_geometry.isEmpty())
        return;
    painter.save();
    painter.setFont(m_font);
    const QFontMetricsF metrics(m_font);
    for (int i = 0; i < m_entries.size(); ++i) {
        const int column = m_byColumns ? i / m_rows : i % m_columns;
        const int row = m_byColumns ? i % m_rows : i / m_columns;
        const QPointF origin(m_geometry.left() + Pad + column * m_entryWidth,
                             m_geometry.top() + Pad + row * m_rowHeight);
        const Entry& entry = m_entries[i];
        const QRectF swatch(origin.x(), origin.y() + (m_rowHeight - Swatch) / 2, Swatch, Swatch);
        if (entry.line) {
            painter.setPen(QPen(entry.colour, 2.5));
            painter.drawLine(QPointF(swatch.left(), swatch.center().y()),
                             QPointF(swatch.right(), swatch.center().y()));
        } else {
            painter.setPen(entry.colour.darker(140));
            painter.setBrush(entry.colour);
            painter.drawRect(swatch);
        }
        const double textWidth = m_entryWidth - Swatch - SwatchGap - 4;
        const QString text = metrics.elidedText(entry.text, Qt::ElideRight, textWidth);
        painter.setPen(QColor(0x24, 0x33, 0x44));
        painter.drawText(QRectF(swatch.right() + SwatchGap, origin.y(), textWidth, m_rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, text);
    }
    painter.restore();
}
