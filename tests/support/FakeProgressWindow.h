#pragma once

#include "platform/ProgressWindow.h"

#include <QStringList>
#include <QWidget>

// Records the progress protocol: every status text shown and whether the panel is up.
class FakeProgressWindow final : public ProgressWindow
{
public:
    void begin(const QString& status) override
    {
        shown = true;
        statuses.append(status);
    }
    void setStatus(const QString& status) override { statuses.append(status); }
    void end(QWidget* hiddenWindow = nullptr) override
    {
        shown = false;
        if (hiddenWindow)
            hiddenWindow->show();
    }

    bool shown = false;
    QStringList statuses;
};
