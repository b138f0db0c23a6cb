#pragma once

#include "ProgressWindow.h"

// The progress protocol for one piece of work: the panel shows for the
// lifetime of the object and is hidden however the scope ends.
class ProgressScope
{
public:
    ProgressScope(ProgressWindow& window, const QString& status, QWidget* hiddenWindow = nullptr)
        : m_window(window), m_hiddenWindow(hiddenWindow)
    {
        m_window.begin(status);
    }
    ~ProgressScope() { m_window.end(m_hiddenWindow); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

    void setStatus(const QString& status) { m_window.setStatus(status); }

private:
    ProgressWindow& m_window;
    QWidget* m_hiddenWindow;
};
