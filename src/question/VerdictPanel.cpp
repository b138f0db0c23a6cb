#include "VerdictPanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::Literals::StringLiterals;

VerdictPanel::VerdictPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(u"verdictPanel"_s);
    setAccessibleName(u"答案"_s);
    setAutoFillBackground(true);
    setStyleSheet(
        u"#verdictPanel { background: #fbfaf6; border: 1px solid #c9c1b0; border-left: 4px solid #2f6f8f; }"
        u"#verdictHeading { font-size: 15pt; font-weight: bold; color: #2f6f8f; }"_s);
    m_heading = new QLabel(this);
    m_heading->setObjectName(u"verdictHeading"_s);
    m_heading->setWordWrap(true);
    m_mine = new QLineEdit(this);
    m_mine->setObjectName(u"myAnswer"_s);
    m_mine->setReadOnly(true);
    m_mine->setAccessibleName(u"你的答案："_s);
    m_correct = new QLineEdit(this);
    m_correct->setObjectName(u"correctAnswer"_s);
    m_correct->setReadOnly(true);
    m_correct->setAccessibleName(u"正确答案："_s);
    // Read-only answers are not where the keyboard goes.
    m_mine->setFocusPolicy(Qt::ClickFocus);
    m_correct->setFocusPolicy(Qt::ClickFocus);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(28, 24, 28, 24);
    layout->setHorizontalSpacing(12);
    layout->setVerticalSpacing(14);
    layout->addWidget(m_heading, 0, 0, 1, 2);
    layout->addWidget(new QLabel(u"你的答案："_s, this), 1, 0);
    layout->addWidget(m_mine, 1, 1);
    layout->addWidget(new QLabel(u"正确答案："_s, this), 2, 0);
    layout->addWidget(m_correct, 2, 1);
    m_mine->setMaximumWidth(320);
    m_correct->setMaximumWidth(320);
    layout->setColumnStretch(2, 1);
    layout->setRowStretch(3, 1);
}

void VerdictPanel::setVerdict(const QString& heading, const QString& mine, const QString& correct)
{
    m_heading->setText(heading);
    m_mine->setText(mine);
    m_correct->setText(correct);
}

QString VerdictPanel::heading() const
{
    return m_heading->text();
}

QString VerdictPanel::mine() const
{
    return m_mine->text();
}

QString VerdictPanel::correct() const
{
    return m_correct->text();
}
