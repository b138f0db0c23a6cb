// The number-button and type-button faces of the practice and exam windows.
#include "PictureSet.h"

#include "ui/Theme.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Face
{
    QColor top;
    QColor bottom;
    QColor edge;
    int edgeWidth = 1;
};

// A rounded key on the window's paper colour; BMP has no transparency, so the
// corners are painted in the background the buttons sit on.
QImage paintFace(const QSize& size, const Face& face)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Theme::Paper);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal inset = face.edgeWidth / 2.0 + 0.5;
    const QRectF key = QRectF(image.rect()).adjusted(inset, inset, -inset, -inset);
    QLinearGradient fill(key.topLeft(), key.bottomLeft());
    fill.setColorAt(0, face.top);
    fill.setColorAt(1, face.bottom);
    QPainterPath path;
    path.addRoundedRect(key, 5, 5);
    painter.fillPath(path, fill);
    painter.setPen(QPen(face.edge, face.edgeWidth));
    painter.drawPath(path);
    // A faint highlight along the top edge gives the key some depth.
    painter.setPen(QPen(QColor(255, 255, 255, 110), 1));
    painter.drawLine(QPointF(key.left() + 5, key.top() + 1.5), QPointF(key.right() - 5, key.top() + 1.5));
    return image;
}

Face released(const QColor& tint, const QColor& edge)
{
    return {tint.lighter(104), tint.darker(104), edge, 2};
}

Face pressed(const QColor& colour)
{
    return {colour.lighter(112), colour.darker(112), colour.darker(135), 1};
}

const QSize NumberSize(44, 32);
const QSize TypeSize(112, 28);

} // namespace

QVector<Picture> practicePictures()
{
    const Face up{QColor(0xff, 0xff, 0xff), Theme::Paper.darker(103), Theme::PanelEdge, 1};
    const QColor rightTint(0xd4, 0xec, 0xd8);
    const QColor wrongTint(0xf6, 0xd7, 0xd3);
    const QColor answeredTint(0xd6, 0xe4, 0xf0);
    return {
        {u"voskup.bmp"_s,
         [=] {
             return paintFace(NumberSize, up);
         }},
        {u"voskdw.bmp"_s,
         [] {
             return paintFace(NumberSize, pressed(Theme::Accent));
         }},
        {u"voskyes.bmp"_s,
         [=] {
             return paintFace(NumberSize, released(rightTint, Theme::Right));
         }},
        {u"voskno.bmp"_s,
         [=] {
             return paintFace(NumberSize, released(wrongTint, Theme::Wrong));
         }},
        {u"voskdw_r.bmp"_s,
         [] {
             return paintFace(NumberSize, pressed(Theme::Right));
         }},
        {u"voskdw_w.bmp"_s,
         [] {
             return paintFace(NumberSize, pressed(Theme::Wrong));
         }},
        {u"voskover.bmp"_s,
         [=] {
             return paintFace(NumberSize, released(answeredTint, Theme::Accent));
         }},
        {u"vosktxup.bmp"_s,
         [=] {
             return paintFace(TypeSize, up);
         }},
        {u"vosktxdw.bmp"_s,
         [] {
             return paintFace(TypeSize, pressed(Theme::Accent));
         }},
    };
}
