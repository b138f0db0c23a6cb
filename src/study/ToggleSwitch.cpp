#include "ToggleSwitch.h"

#include "ui/Theme.h"

#include <QPainter>
#include <QPainterPath>

ToggleSwitch::ToggleSwitch(QWidget* parent) : QAbstractButton(parent)
{
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

QSize ToggleSwitch::sizeHint() const
{
    return {52, 26};
}

void ToggleSwitch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Room is left round the track for the focus ring, which stays visible on the accent fill.
    const QRectF track = QRectF(rect()).adjusted(3.5, 3.5, -3.5, -3.5);
    const qreal radius = track.height() / 2;
    const QColor fill = !isEnabled() ? Theme::Muted : isChecked() ? Theme::Accent : Theme::PanelEdge;
    painter.setPen(QPen(fill.darker(115), 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(track, radius, radius);
    if (hasFocus()) {
        // The focus ring, in the accent colour like every other control's, around the track.
        painter.setPen(QPen(Theme::Accent, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), radius + 2.5, radius + 2.5);
    }

    const qreal knob = track.height() - 4;
    const qreal x = isChecked() ? track.right() - 2 - knob : track.left() + 2;
    painter.setPen(QPen(Theme::PanelEdge.darker(120), 1));
    painter.setBrush(Theme::OnDark);
    painter.drawEllipse(QRectF(x, track.top() + 2, knob, knob));
}
