#include "BusyCursor.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QWidget>

namespace {

// Watches one window for its first show, then gives the cursor back and goes.
class RestoreOnShow final : public QObject
{
public:
    RestoreOnShow(QWidget& window, BusyCursor& cursor) : QObject(&window), m_cursor(cursor)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            m_cursor.restore();
            deleteLater();
        }
        return false;
    }

private:
    BusyCursor& m_cursor;
};

} // namespace

BusyCursor::BusyCursor()
{
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

BusyCursor::~BusyCursor()
{
    restore();
}

void BusyCursor::restore()
{
    if (m_active) {
        QApplication::restoreOverrideCursor();
        m_active = false;
    }
}

void BusyCursor::restoreWhenShown(QWidget& window)
{
    if (m_active)
        new RestoreOnShow(window, *this);
}
