#include "TFrmJx.h"

#include "DialogParts.h"

#include "StoredText.h"

#include "store/QuestionContent.h"
#include "ui/AppContext.h"
#include "ui/BusyCursor.h"
#include "ui/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

TFrmJx::TFrmJx(AppContext& ctx, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_ctx(ctx)
{
    const bool compact = ctx.isCompactLayout();
    setWindowTitle(u"解析"_s);
    m_pane = DialogParts::readingPane(this, u"explanationText"_s, u"解析"_s, compact);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(m_pane, 1);
    layout->addLayout(DialogParts::closeButtonRow(this, u"关闭"_s));
    setFixedSize(compact ? QSize(560, 400) : QSize(680, 500));
}

void TFrmJx::setExplanation(const QString& stored)
{
    StoredText::show(*m_pane, stored);
}

void TFrmJx::bindExplanation(const QString& key, const QString& table)
{
    try {
        setExplanation(QuestionContent(m_ctx.dm).explanation(key, table));
    } catch (...) {
        // A viewer that cannot read its explanation shows an empty pane.
        m_pane->clear();
    }
}

void TFrmJx::showEvent(QShowEvent* event)
{
    if (m_busy)
        m_busy->restore();
    m_pane->setReadOnly(true);
    WindowPlacement::centre(*this, m_ctx.services.screen);
    QDialog::showEvent(event);
}
