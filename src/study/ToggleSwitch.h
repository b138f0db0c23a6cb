#pragma once

#include <QAbstractButton>

// An on/off switch drawn as a sliding knob; checked means on. Space toggles it.
class ToggleSwitch : public QAbstractButton
{
    Q_OBJECT

public:
    explicit ToggleSwitch(QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
