#include "FramelessDialog.h"

#include "KeyboardNavigation.h"
#include "Theme.h"
#include "WindowPlacement.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

FramelessDialog::FramelessDialog(const ScreenInfo& screen, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_screen(screen)
{
    KeyboardNavigation::install(*this);
}

void FramelessDialog::setBackground(const QPixmap& picture)
{
    m_background = picture;
    update();
}

void FramelessDialog::setBackgroundFile(const QString& path)
{
    setBackground(QPixmap(path));
}

void FramelessDialog::escapePressed()
{
    reject();
}

void FramelessDialog::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (key == Qt::Key_Escape && modifiers == Qt::NoModifier) {
        event->accept();
        escapePressed();
        return;
    }
    auto* button = qobject_cast<QAbstractButton*>(focusWidget());
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && modifiers == Qt::NoModifier && button &&
        button->isEnabled()) {
        event->accept();
        button->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FramelessDialog::showEvent(QShowEvent* event)
{
    if (!m_centred) {
        m_centred = true;
        WindowPlacement::centre(*this, m_screen);
    }
    QDialog::showEvent(event);
}

void FramelessDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_background.isNull())
        painter.drawPixmap(rect(), m_background);
    else
        Theme::paintPanel(painter, rect());
}

void FramelessDialog::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_dragging = true;
        m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
        event->accept();
        return;
    }
    QDialog::mousePressEvent(event);
}

void FramelessDialog::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - m_dragOffset);
        event->accept();
        return;
    }
    QDialog::mouseMoveEvent(event);
}

void FramelessDialog::mouseReleaseEvent(QMouseEvent* event)
{
    m_dragging = false;
    QDialog::mouseReleaseEvent(event);
}
