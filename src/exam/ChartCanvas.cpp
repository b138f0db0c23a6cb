#include "ChartCanvas.h"

#include <QApplication>
#include <QChart>
#include <QGraphicsLayout>
#include <QPainter>
#include <QPrinter>

namespace {

constexpr double Margin = 10;
// The depth is 30 % of a third of the smaller side of the chart's body.
constexpr double DepthPercent = 30;

QFont pixelFont(int size, bool bold = false)
{
    QFont font = QApplication::font();
    font.setPixelSize(size);
    font.setBold(bold);
    return font;
}

} // namespace

ChartCanvas::ChartCanvas(const QString& title, QWidget* parent) : QChartView(parent)
{
    setAccessibleName(title);
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
    QChart* c = chart();
    // The title is painted with the legend, above it, so that a legend on top stays under the title.
    m_title = title;
    c->legend()->hide();
    c->setBackgroundRoundness(0);
    c->setBackgroundBrush(Qt::white);
    c->setBackgroundPen(Qt::NoPen);
    c->setDropShadowEnabled(false);
    if (QGraphicsLayout* layout = c->layout())
        layout->setContentsMargins(0, 0, 0, 0);
    m_legend.setFont(pixelFont(12));
}

QFont ChartCanvas::titleFont() const
{
    return pixelFont(17, true);
}

void ChartCanvas::setThreeD(bool on)
{
    m_threeD = on;
    relayout();
}

void ChartCanvas::setLegendVisible(bool on)
{
    m_legendVisible = on;
    relayout();
}

void ChartCanvas::setLegendAlignment(Qt::Alignment side)
{
    m_legendSide = side;
    relayout();
}

void ChartCanvas::setMarksVisible(bool on)
{
    m_marksVisible = on;
    relayout();
}

void ChartCanvas::setBottomReserve(int pixels)
{
    m_bottomReserve = pixels;
    relayout();
}

QPointF ChartCanvas::depthOffset(const QRectF& area) const
{
    if (!m_threeD)
        return {};
    const double depth = qMin(area.width(), area.height()) / 3 * DepthPercent / 100;
    return {depth * 0.8, -depth * 0.6};
}

QFont ChartCanvas::markFont() const
{
    return pixelFont(11);
}

void ChartCanvas::relayout()
{
    const QRectF all = QRectF(rect()).adjusted(Margin, Margin, -Margin, -Margin);
    m_titleRect = QRectF(all.left(), all.top(), all.width(), QFontMetricsF(titleFont()).height() + 8);
    QRectF body(all.left(), m_titleRect.bottom(), all.width(),
                all.bottom() - m_titleRect.bottom() - m_bottomReserve);
    m_legend.setEntries(m_legendVisible ? legendEntries() : QVector<ChartLegend::Entry>());
    body = m_legend.place(body, m_legendSide);
    m_body = body;
    // Qt Charts puts the axes inside these margins and leaves the rest to the series.
    const QRectF inner = body.marginsRemoved(plotPadding(body));
    chart()->setMargins(QMargins(qRound(inner.left()), qRound(inner.top()), qRound(width() - inner.right()),
                                 qRound(height() - inner.bottom())));
    if (QGraphicsLayout* layout = chart()->layout())
        layout->activate();
    m_plot = chart()->plotArea();
    viewport()->update();
}

void ChartCanvas::drawForeground(QPainter* painter, const QRectF&)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    paintSeries(*painter);
    painter->setFont(titleFont());
    painter->setPen(QColor(0x24, 0x33, 0x44));
    painter->drawText(m_titleRect, Qt::AlignCenter, m_title);
    m_legend.paint(*painter);
    painter->restore();
}

void ChartCanvas::resizeEvent(QResizeEvent* event)
{
    QChartView::resizeEvent(event);
    relayout();
}

void ChartCanvas::renderOn(QPainter& painter, const QRectF& target)
{
    relayout();
    render(&painter, target, viewport()->rect());
}

QImage ChartCanvas::toImage()
{
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderOn(painter, QRectF(image.rect()));
    return image;
}

bool ChartCanvas::print(QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF page = QRectF(QPointF(0, 0), QSizeF(printer.pageRect(QPrinter::DevicePixel).size()));
    QSizeF fitted = QSizeF(size());
    fitted.scale(page.size(), Qt::KeepAspectRatio);
    renderOn(painter, QRectF(page.topLeft() + QPointF((page.width() - fitted.width()) / 2, 0), fitted));
    return painter.end();
}
