#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A button drawn from two pictures, released and pressed, with its caption on
// top (the number and type buttons). Takes focus; its caption is its accessible name.
class FaceButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit FaceButton(const QString& caption, QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    void setFaces(const QPixmap& released, const QPixmap& pressed);
    void setReleasedFace(const QPixmap& face);
    void setPressedFace(const QPixmap& face);
    const QPixmap& releasedFace() const { return m_released; }
    const QPixmap& pressedFace() const { return m_pressed; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static QColor captionColourOn(const QPixmap& face);

    QPixmap m_released;
    QPixmap m_pressed;
    QColor m_releasedInk;
    QColor m_pressedInk;
};
