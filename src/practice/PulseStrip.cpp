#include "PulseStrip.h"

#include "ui/Theme.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

constexpr int Steps = 120;

} // namespace

PulseStrip::PulseStrip(QWidget* parent) : QWidget(parent)
{
    setFixedHeight(3);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_timer.setInterval(50);
    connect(&m_timer, &QTimer::timeout, this, &PulseStrip::step);
}

void PulseStrip::step()
{
    m_phase = (m_phase + 1) % Steps;
    update();
}

void PulseStrip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Theme::PanelEdge.lighter(110));
    const qreal centre = qreal(m_phase) / Steps;
    QLinearGradient glow(rect().topLeft(), rect().topRight());
    QColor clear = Theme::Accent;
    clear.setAlpha(0);
    glow.setColorAt(qBound(0.0, centre - 0.15, 1.0), clear);
    glow.setColorAt(centre, Theme::Accent);
    glow.setColorAt(qBound(0.0, centre + 0.15, 1.0), clear);
    painter.fillRect(rect(), glow);
}
