#pragma once

#include <QDialog>
#include <QPixmap>

class ScreenInfo;

// The program's feature windows: borderless, drawn over a background picture,
// centred on the desktop, and moved by dragging anywhere on the background.
// Usable by keyboard alone: see KeyboardNavigation; Enter presses the focused button and
// Escape closes the window through escapePressed().
class FramelessDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FramelessDialog(const ScreenInfo& screen, QWidget* parent = nullptr);

    // The background picture, stretched over the whole window; empty paints the theme's panel.
    void setBackground(const QPixmap& picture);
    void setBackgroundFile(const QString& path);

    const ScreenInfo& screenInfo() const { return m_screen; }

protected:
    // Escape closes the window the way its own close button does; a window that saves or
    // asks on closing routes this to the same function, one that must stay open does nothing.
    virtual void escapePressed();

    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const ScreenInfo& m_screen;
    QPixmap m_background;
    QPoint m_dragOffset;
    bool m_dragging = false;
    bool m_centred = false;
};
