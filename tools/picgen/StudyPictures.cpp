#include "PictureSet.h"

#include "study/StudyBackgrounds.h"
#include "ui/Theme.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// The theme's panel with the accent along the top edge.
QImage panel(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    Theme::paintPanel(painter, image.rect());
    painter.fillRect(QRect(1, 1, size.width() - 2, 4), Theme::Accent);
    return image;
}

void card(QImage& image, const QRect& area)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    painter.fillPath(shape.translated(0, 2), QColor(0, 0, 0, 18));
    painter.fillPath(shape, QColor(255, 255, 255, 200));
    painter.setPen(QPen(Theme::PanelEdge, 1));
    painter.drawPath(shape);
}

QImage withCard(QSize size, const QRect& area)
{
    QImage image = panel(size);
    card(image, area);
    return image;
}

} // namespace

QVector<Picture> studyPictures()
{
    using namespace StudyBackgrounds;
    return {
        {plan(),
         [] {
             return withCard({460, 250}, planCountdownCard());
         }},
        {logSmall(),
         [] {
             return withCard({761, 480}, logTotalsCard(true));
         }},
        {logLarge(),
         [] {
             return withCard({936, 611}, logTotalsCard(false));
         }},
        {examSettings(),
         [] {
             return withCard({360, 159}, examSettingsCard());
         }},
        {configMusic(),
         [] {
             return panel(configSize(false));
         }},
        {configAnswerTime(),
         [] {
             return panel(configSize(true));
         }},
    };
}
