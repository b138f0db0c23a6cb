#pragma once

#include <QApplication>
#include <QCursor>

// The busy cursor for the lifetime of the object; restored however the scope ends.
class BusyCursor
{
public:
    BusyCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { restore(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

    // Restores the normal cursor early (for a window that is only busy while being created).
    void restore()
    {
        if (m_active) {
            QApplication::restoreOverrideCursor();
            m_active = false;
        }
    }

private:
    bool m_active = true;
};
