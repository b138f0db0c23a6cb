#include "TFrmProgress.h"

#include "ui/Theme.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPainter>

using namespace Qt::Literals::StringLiterals;

TFrmProgress::TFrmProgress(const ScreenInfo& screen, const QString& pictureFolder, QWidget* parent)
    : FramelessDialog(screen, parent)
{
    setObjectName(u"TFrmProgress"_s);
    setWindowTitle(u"进度条"_s);
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(ClientWidth, ClientHeight);
    setCursor(Qt::WaitCursor);
    m_background = QPixmap(QDir(pictureFolder).filePath(u"progress_back.png"_s));

    m_label = new QLabel(u"请等待..."_s, this);
    m_label->setObjectName(u"Label1"_s);
    m_label->setProperty("role", u"progressStatus"_s);
    m_label->setGeometry(16, 24 - 4, ClientWidth - 32, 24);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void TFrmProgress::begin(const QString& status)
{
    show();
    repaint();
    setStatus(status);
}

void TFrmProgress::setStatus(const QString& status)
{
    m_label->setText(status);
    m_label->repaint();
    // Long work does not return to the event loop: let the panel paint now.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TFrmProgress::end(QWidget* hiddenWindow)
{
    hide();
    if (hiddenWindow)
        hiddenWindow->show();
}

QString TFrmProgress::statusText() const
{
    return m_label->text();
}

void TFrmProgress::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_background.isNull()) {
        painter.drawPixmap(rect(), m_background);
        return;
    }
    Theme::paintPanel(painter, rect());
    // The bevelled frame around the status line.
    const QRect frame = rect().adjusted(8, 11, -8, -11);
    painter.setPen(Theme::PanelEdge.darker(115));
    painter.drawLine(frame.topLeft(), frame.topRight());
    painter.drawLine(frame.topLeft(), frame.bottomLeft());
    painter.setPen(Theme::OnDark);
    painter.drawLine(frame.bottomLeft(), frame.bottomRight());
    painter.drawLine(frame.topRight(), frame.bottomRight());
}
