#include "FaceButton.h"

#include "ui/Theme.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionFocusRect>

FaceButton::FaceButton(const QString& caption, QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setCaption(caption);
}

void FaceButton::setCaption(const QString& caption)
{
    setText(caption);
    setAccessibleName(caption);
}

void FaceButton::setFaces(const QPixmap& released, const QPixmap& pressed)
{
    setReleasedFace(released);
    setPressedFace(pressed);
}

void FaceButton::setReleasedFace(const QPixmap& face)
{
    m_released = face;
    m_releasedInk = captionColourOn(face);
    update();
}

void FaceButton::setPressedFace(const QPixmap& face)
{
    m_pressed = face;
    m_pressedInk = captionColourOn(face);
    update();
}

QSize FaceButton::sizeHint() const
{
    const QString caption = text().isEmpty() ? QStringLiteral("00") : text();
    const QSize extent = fontMetrics().size(Qt::TextSingleLine, caption);
    return {qMax(extent.width() + 16, 36), qMax(extent.height() + 8, 26)};
}

// Light text on dark pictures, dark text on light ones.
QColor FaceButton::captionColourOn(const QPixmap& face)
{
    if (face.isNull())
        return Theme::Ink;
    const QColor centre = face.toImage().pixelColor(face.width() / 2, face.height() / 2);
    return centre.lightnessF() < 0.6 ? QColor(Qt::white) : Theme::Ink;
}

void FaceButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const bool down = isChecked() || isDown();
    const QPixmap& face = down ? m_pressed : m_released;
    if (!isEnabled())
        painter.setOpacity(0.45);
    if (!face.isNull())
        painter.drawPixmap(rect(), face);
    else
        Theme::paintPanel(painter, rect());
    painter.setOpacity(1.0);
    painter.setPen(isEnabled() ? (down ? m_pressedInk : m_releasedInk) : Theme::Muted);
    // A long type name is shortened; its full caption stays the tooltip and accessible name.
    painter.drawText(rect(), Qt::AlignCenter, fontMetrics().elidedText(text(), Qt::ElideRight, width() - 8));
    if (hasFocus()) {
        QPen pen(Theme::Accent, 2, Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 3, 3);
    }
}
