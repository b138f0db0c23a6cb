#pragma once

#include <QFrame>
#include <QTimer>

class QLabel;

// Covers the stem area while an exam is paused and scrolls its text upwards.
class PausePanel : public QFrame
{
    Q_OBJECT

public:
    explicit PausePanel(QWidget* parent = nullptr);

    static QString text();
    void start();
    void stop();
    bool scrolling() const { return m_timer.isActive(); }
    // One step of the scroll, one pixel; callable directly.
    void step();
    int textTop() const;

private:
    QLabel* m_text = nullptr;
    QTimer m_timer;
};
