#include "Theme.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>

using namespace Qt::Literals::StringLiterals;

// The style sheet is compiled into this static library; it must be registered by hand.
static void registerResources()
{
    Q_INIT_RESOURCE(ui);
}

namespace Theme {

void apply(QApplication& app)
{
    registerResources();
    QFont font(u"Noto Sans CJK SC"_s);
    font.setPointSize(10);
    app.setFont(font);
    QFile sheet(u":/velmarin/style.qss"_s);
    if (sheet.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromUtf8(sheet.readAll()));
}

void paintPanel(QPainter& painter, const QRect& area)
{
    QLinearGradient fill(area.topLeft(), area.bottomLeft());
    fill.setColorAt(0, Paper.lighter(103));
    fill.setColorAt(1, Paper.darker(104));
    painter.fillRect(area, fill);
    painter.setPen(PanelEdge);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
}

} // namespace Theme
