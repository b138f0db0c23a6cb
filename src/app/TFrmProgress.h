#pragma once

#include "platform/ProgressWindow.h"
#include "ui/FramelessDialog.h"

class QLabel;

// The wait panel long operations show while they work. Created once at
// start-up, hidden between uses; the label keeps the last status text.
class TFrmProgress final : public FramelessDialog, public ProgressWindow
{
    Q_OBJECT

public:
    static constexpr int ClientWidth = 358;
    static constexpr int ClientHeight = 63;

    // pictureFolder: the program's pic/ folder with the panel's background.
    explicit TFrmProgress(const ScreenInfo& screen, const QString& pictureFolder, QWidget* parent = nullptr);

    void begin(const QString& status) override;
    void setStatus(const QString& status) override;
    void end(QWidget* hiddenWindow = nullptr) override;

    QString statusText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* m_label = nullptr; // Label1
    QPixmap m_background;
};
