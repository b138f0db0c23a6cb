// The application shell's pictures: the menu background, the message dialog,
// the progress panel and the About picture.
#include "PictureSet.h"

#include "ui/Theme.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

QImage blank(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A range of hills across the picture: a smooth curve from a few sine waves.
QPainterPath hills(qreal width, qreal height, qreal base, qreal amplitude, qreal phase, qreal waves)
{
    QPainterPath path(QPointF(0, height));
    for (int x = 0; x <= int(width); x += 8) {
        const qreal t = x / width;
        const qreal y = base - amplitude * (0.6 * std::sin(t * waves * 3.14159 + phase) +
                                            0.4 * std::sin(t * waves * 2.1 * 3.14159 + phase * 1.7));
        path.lineTo(x, y);
    }
    path.lineTo(width, height);
    path.closeSubpath();
    return path;
}

void paintOpenBook(QPainter& p, const QPointF& centre, qreal size, const QColor& colour, qreal penWidth)
{
    p.save();
    p.translate(centre);
    p.setPen(QPen(colour, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const qreal w = size / 2;
    const qreal h = size * 0.32;
    for (int side : {-1, 1}) {
        QPainterPath page;
        page.moveTo(0, -h * 0.8);
        page.cubicTo(side * w * 0.35, -h * 1.05, side * w * 0.7, -h * 1.0, side * w, -h * 0.8);
        page.lineTo(side * w, h * 0.9);
        page.cubicTo(side * w * 0.7, h * 0.7, side * w * 0.35, h * 0.75, 0, h);
        page.closeSubpath();
        p.drawPath(page);
        for (int line = 1; line <= 3; ++line) {
            const qreal y = -h * 0.75 + line * h * 0.42;
            p.drawLine(QPointF(side * w * 0.18, y), QPointF(side * w * 0.8, y - h * 0.06));
        }
    }
    p.drawLine(QPointF(0, -h * 0.8), QPointF(0, h));
    p.restore();
}

QImage menuBackground()
{
    const int width = 1920;
    const int height = 1080;
    QImage image = blank(width, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0.0, QColor(0x1d, 0x46, 0x5c));
    sky.setColorAt(0.55, QColor(0x2f, 0x6f, 0x8f));
    sky.setColorAt(1.0, QColor(0x7f, 0xa9, 0xb5));
    p.fillRect(image.rect(), sky);

    // A low morning sun behind the hills at the right.
    QRadialGradient glow(QPointF(width * 0.8, height * 0.72), height * 0.55);
    glow.setColorAt(0.0, QColor(255, 236, 196, 150));
    glow.setColorAt(0.35, QColor(255, 220, 170, 60));
    glow.setColorAt(1.0, QColor(255, 220, 170, 0));
    p.fillRect(image.rect(), glow);

    // Faint dots, like the grid of an exercise book.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 18));
    for (int y = 40; y < height * 0.6; y += 48) {
        for (int x = 40; x < width; x += 48)
            p.drawEllipse(QPointF(x, y), 1.6, 1.6);
    }

    // Three ranges of hills, the nearest darkest.
    const QColor ranges[3] = {QColor(0x5d, 0x8f, 0x9f, 150), QColor(0x3c, 0x6e, 0x80, 190),
                              QColor(0x22, 0x4a, 0x5a, 235)};
    p.fillPath(hills(width, height, height * 0.80, 60, 0.4, 2.2), ranges[0]);
    p.fillPath(hills(width, height, height * 0.88, 45, 2.1, 3.1), ranges[1]);
    p.fillPath(hills(width, height, height * 0.95, 30, 4.0, 4.3), ranges[2]);

    // The emblem at the top right: an open book in fine lines.
    paintOpenBook(p, QPointF(width - 420, 130), 190, QColor(255, 255, 255, 70), 3);
    return image;
}

QImage dialogBackground()
{
    QImage image = blank(785, 110);
    QPainter p(&image);
    QLinearGradient fill(0, 0, 0, image.height());
    fill.setColorAt(0, QColor(0xfb, 0xfa, 0xf6));
    fill.setColorAt(1, QColor(0xee, 0xe9, 0xde));
    p.fillRect(image.rect(), fill);
    return image;
}

QImage dialogTitleBar()
{
    QImage image = blank(785, 26);
    QPainter p(&image);
    QLinearGradient fill(0, 0, 0, image.height());
    fill.setColorAt(0, Theme::Accent.lighter(112));
    fill.setColorAt(1, Theme::Accent.darker(108));
    p.fillRect(image.rect(), fill);
    p.setPen(QColor(255, 255, 255, 60));
    p.drawLine(0, 0, image.width(), 0);
    return image;
}

// The three kinds of message: a round badge with a sign, drawn at 32 x 32.
QImage messageBadge(const QColor& colour, const QString& sign, bool triangle)
{
    QImage image = blank(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, 32);
    fill.setColorAt(0, colour.lighter(125));
    fill.setColorAt(1, colour.darker(110));
    p.setBrush(fill);
    p.setPen(QPen(colour.darker(135), 1.2));
    if (triangle) {
        QPainterPath path;
        path.moveTo(16, 2.5);
        path.lineTo(30, 28.5);
        path.lineTo(2, 28.5);
        path.closeSubpath();
        p.drawPath(path);
    } else {
        p.drawEllipse(QRectF(2, 2, 28, 28));
    }
    QFont font(u"Noto Sans CJK SC"_s);
    font.setPixelSize(triangle ? 18 : 20);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, triangle ? 5 : 0, 32, 32), Qt::AlignCenter, sign);
    return image;
}

QImage progressBackground()
{
    QImage image = blank(358, 63);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, image.height());
    fill.setColorAt(0, QColor(0xfb, 0xfa, 0xf6));
    fill.setColorAt(1, QColor(0xea, 0xe4, 0xd6));
    p.fillRect(image.rect(), fill);
    // An accent band at the left and the bevelled frame around the status line.
    p.fillRect(QRect(0, 0, 4, image.height()), Theme::Accent);
    const QRectF frame(8.5, 11.5, 341, 40);
    p.setPen(QPen(Theme::PanelEdge.darker(120), 1));
    p.drawLine(frame.topLeft(), frame.topRight());
    p.drawLine(frame.topLeft(), frame.bottomLeft());
    p.setPen(QPen(Qt::white, 1));
    p.drawLine(frame.bottomLeft(), frame.bottomRight());
    p.drawLine(frame.topRight(), frame.bottomRight());
    p.setPen(QPen(Theme::Accent.darker(120), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, image.width() - 1, image.height() - 1));
    return image;
}

QImage aboutPicture()
{
    const int width = 300;
    const int height = 420;
    QImage image = blank(width, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath card;
    card.addRoundedRect(QRectF(0, 0, width, height), 24, 24);
    QLinearGradient fill(0, 0, 0, height);
    fill.setColorAt(0, QColor(0x1d, 0x46, 0x5c));
    fill.setColorAt(1, QColor(0x4f, 0x8d, 0xa6));
    p.fillPath(card, fill);
    p.setClipPath(card);
    QRadialGradient glow(QPointF(width * 0.7, height * 0.78), height * 0.5);
    glow.setColorAt(0, QColor(255, 236, 196, 140));
    glow.setColorAt(1, QColor(255, 236, 196, 0));
    p.fillRect(image.rect(), glow);
    p.fillPath(hills(width, height, height * 0.86, 16, 1.0, 1.6), QColor(0x3c, 0x6e, 0x80, 200));
    p.fillPath(hills(width, height, height * 0.93, 12, 3.0, 2.4), QColor(0x22, 0x4a, 0x5a, 235));
    paintOpenBook(p, QPointF(width / 2.0, height * 0.36), 190, QColor(255, 255, 255, 230), 6);
    QFont font(u"Noto Sans CJK SC"_s);
    font.setPixelSize(40);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, height * 0.56, width, 56), Qt::AlignCenter, u"Velmarin"_s);
    return image;
}

} // namespace

QVector<Picture> appPictures()
{
    return {
        {u"main_back.png"_s, menuBackground},
        {u"dlg_back.png"_s, dialogBackground},
        {u"dlg_title.png"_s, dialogTitleBar},
        {u"dlg_info.png"_s,
         [] {
             return messageBadge(Theme::Accent, u"i"_s, false);
         }},
        {u"dlg_warning.png"_s,
         [] {
             return messageBadge(QColor(0xd9, 0x8e, 0x1c), u"!"_s, true);
         }},
        {u"dlg_error.png"_s,
         [] {
             return messageBadge(Theme::Wrong, u"×"_s, false);
         }},
        {u"progress_back.png"_s, progressBackground},
        {u"about.png"_s, aboutPicture},
    };
}
