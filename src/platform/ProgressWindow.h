#pragma once

#include <QString>

class QWidget;

// The shared wait panel that long operations show while they work.
class ProgressWindow
{
public:
    virtual ~ProgressWindow() = default;
    // Shows the panel, repaints it at once, sets the status text and lets pending
    // events run so that the text is painted.
    virtual void begin(const QString& status) = 0;
    // A new status text on the shown panel, painted at once.
    virtual void setStatus(const QString& status) = 0;
    // Hides the panel and shows again the window that was hidden for the work, if any.
    virtual void end(QWidget* hiddenWindow = nullptr) = 0;
};
