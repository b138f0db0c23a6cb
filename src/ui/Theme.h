#pragma once

#include <QColor>
#include <QRect>

class QApplication;
class QPainter;

// The one visual language of every window: colours, fonts and the style sheet.
namespace Theme {

inline const QColor Ink{0x24, 0x33, 0x44};        // text
inline const QColor Paper{0xf6, 0xf3, 0xec};      // window background
inline const QColor PanelEdge{0xc9, 0xc1, 0xb0};  // borders and bevels
inline const QColor Accent{0x2f, 0x6f, 0x8f};     // the one accent: headings, pressed buttons
inline const QColor Right{0x2e, 0x8b, 0x3e};      // a right answer
inline const QColor Wrong{0xc0, 0x39, 0x2b};      // a wrong answer
inline const QColor Muted{0x8a, 0x8f, 0x96};      // disabled text
inline const QColor OnDark{0xff, 0xff, 0xff};     // text and lines on the accent or a dark picture
inline const QColor Hover{0xe4, 0xef, 0xf3};      // a light control under the pointer
inline const QColor Shadow{0x00, 0x00, 0x00, 60}; // the drop shadow of text on a picture

// A colour of the palette laid over a picture: alpha 0 (clear) .. 255 (solid).
inline QColor overPicture(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

// Installs the font and the style sheet on the application.
void apply(QApplication& app);
// The default window background when no picture is set.
void paintPanel(QPainter& painter, const QRect& area);

} // namespace Theme
