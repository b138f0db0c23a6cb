#include "MenuEntry.h"

#include "ui/Theme.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

MenuEntry::MenuEntry(const QString& caption, const QString& command, Kind kind, QWidget* parent)
    : QAbstractButton(parent), m_command(command), m_kind(kind)
{
    setText(caption);
    setAccessibleName(caption);
    setObjectName(command);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
}

QSize MenuEntry::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text()) + metrics.height() * 2, metrics.height() * 2};
}

void MenuEntry::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal radius = height() * 0.22;
    const QRectF area = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    QPainterPath shape;
    shape.addRoundedRect(area, radius, radius);

    const bool footer = m_kind == Kind::Footer;
    const bool hot = underMouse() || hasFocus();
    QColor fill = footer ? Theme::Accent : Theme::overPicture(Theme::OnDark, 235);
    QColor ink = footer ? Theme::OnDark : Theme::Ink;
    if (isDown()) {
        fill = Theme::Accent.darker(125);
        ink = Theme::OnDark;
    } else if (hot) {
        fill = footer ? Theme::Accent.lighter(118) : Theme::Hover;
    }
    painter.fillPath(shape, fill);
    painter.setPen(QPen(hasFocus() ? Theme::Accent : Theme::PanelEdge, hasFocus() ? 2.5 : 1.0));
    painter.drawPath(shape);
    if (!footer && hot && !isDown()) {
        // The accent mark at the left edge of the entry under the pointer or with the focus.
        const qreal mark = qMax<qreal>(3, height() * 0.09);
        painter.fillRect(
            QRectF(area.left() + mark, area.top() + height() * 0.28, mark, area.height() - height() * 0.56),
            Theme::Accent);
    }
    painter.setPen(ink);
    painter.drawText(rect(), Qt::AlignCenter, text());
}

void MenuEntry::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        Q_EMIT navigate(-1, 0);
        return;
    case Qt::Key_Right:
        Q_EMIT navigate(1, 0);
        return;
    case Qt::Key_Up:
        Q_EMIT navigate(0, -1);
        return;
    case Qt::Key_Down:
        Q_EMIT navigate(0, 1);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        click();
        return;
    default:
        QAbstractButton::keyPressEvent(event);
    }
}
