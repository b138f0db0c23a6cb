#pragma once

#include <QApplication>

class QWidget;

// The busy cursor for the lifetime of the object; restored however the scope ends.
class BusyCursor
{
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

    // Restores the normal cursor early (for a window that is only busy while being created).
    void restore();
    // Restores the normal cursor as soon as window shows, so the user never works in it
    // under this cursor. The object must outlive the window's showing.
    void restoreWhenShown(QWidget& window);

private:
    bool m_active = true;
};
