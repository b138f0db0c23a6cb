#pragma once

#include <QTimer>
#include <QWidget>

// The practice window's decorative animation: a soft highlight gliding along a
// thin strip while the run goes on.
class PulseStrip : public QWidget
{
    Q_OBJECT

public:
    explicit PulseStrip(QWidget* parent = nullptr);

    void start() { m_timer.start(); }
    void stop() { m_timer.stop(); }
    bool running() const { return m_timer.isActive(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void step();

    QTimer m_timer;
    int m_phase = 0;
};
