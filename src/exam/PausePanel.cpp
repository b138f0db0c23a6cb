#include "PausePanel.h"

#include <QLabel>

using namespace Qt::Literals::StringLiterals;

PausePanel::PausePanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(u"pausePanel"_s);
    setStyleSheet(u"#pausePanel { background: #fdfbf6; border: 1px solid #c9c1b0; border-radius: 4px; }"_s);
    m_text = new QLabel(text(), this);
    m_text->setObjectName(u"pauseText"_s);
    m_text->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_text->setStyleSheet(u"QLabel { font-size: 14pt; color: #2f6f8f; background: transparent; }"_s);
    m_timer.setInterval(30);
    connect(&m_timer, &QTimer::timeout, this, &PausePanel::step);
    hide();
}

QString PausePanel::text()
{
    const QStringList lines = {u"你知道么？"_s,
                               u"本软件为您提供："_s,
                               u"海量题库，涵盖全面； "_s,
                               u"考点关联，错题重做； "_s,
                               u"智能组卷，电脑评判； "_s,
                               u"筛选重点，分类输出； "_s,
                               u"一盘在手，全局把握。"_s};
    QString all;
    for (int i = 0; i < lines.size(); ++i)
        all += lines[i] + (i < 6 ? u"\n\n"_s : u""_s);
    return all;
}

void PausePanel::start()
{
    m_text->setFixedWidth(width());
    m_text->adjustSize();
    // The first lines show at once; the text then moves up and comes round again.
    m_text->move(0, 24);
    m_timer.start();
}

void PausePanel::stop()
{
    m_timer.stop();
}

void PausePanel::step()
{
    int top = m_text->y() - 1;
    if (top + m_text->height() < 0)
        top = height();
    m_text->move(0, top);
}

int PausePanel::textTop() const
{
    return m_text->y();
}
