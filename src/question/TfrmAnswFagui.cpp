#include "TfrmAnswFagui.h"

#include "DialogParts.h"

#include "StoredText.h"
#include "ui/ErrorPrompt.h"

#include "store/TDM1.h"
#include "ui/AppContext.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

TfrmAnswFagui::TfrmAnswFagui(AppContext& ctx, QWidget* parent)
    : FramelessDialog(ctx.services.screen, parent), m_ctx(ctx)
{
    setWindowTitle(u"相关考点"_s);
    const bool compact = ctx.isCompactLayout();
    auto* heading = new QLabel(u"相关考点"_s, this);
    heading->setObjectName(u"windowHeading"_s);
    heading->setStyleSheet(u"font-size: 13pt; font-weight: bold; color: #2f6f8f;"_s);
    m_title = new QLabel(u"考点："_s, this);
    m_title->setObjectName(u"titleLine"_s);
    m_title->setStyleSheet(u"font-weight: bold;"_s);
    m_list = new QListWidget(this);
    m_list->setObjectName(u"ListBox1"_s);
    m_list->setAccessibleName(u"考点"_s);
    m_list->setStyleSheet(u"QListWidget::item { padding: 4px 6px; }"_s);
    m_text = DialogParts::readingPane(this, u"Re"_s, u"考点内容"_s, compact);
    auto* divider = new QSplitter(Qt::Horizontal, this);
    divider->setObjectName(u"divider"_s);
    divider->setChildrenCollapsible(false);
    divider->addWidget(m_list);
    divider->addWidget(m_text);
    const int listWidth = compact ? 185 : 401;
    const QSize size = compact ? QSize(657, 421) : QSize(917, 585);
    divider->setSizes({listWidth, size.width() - listWidth});
    divider->setStretchFactor(1, 1);
    connect(divider, &QSplitter::splitterMoved, m_text, [this] { m_text->viewport()->update(); });
    connect(m_list, &QListWidget::currentRowChanged, this, &TfrmAnswFagui::showPoint);

    auto* top = new QHBoxLayout;
    top->addWidget(heading);
    top->addSpacing(16);
    top->addWidget(m_title, 1);
    QHBoxLayout* bottom = DialogParts::closeButtonRow(this, u"关  闭"_s);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 10, 14, 12);
    layout->setSpacing(8);
    layout->addLayout(top);
    layout->addWidget(divider, 1);
    layout->addLayout(bottom);
    setFixedSize(size);
}

bool TfrmAnswFagui::Load(const QString& questionKey)
{
    m_codes.clear();
    try {
        m_codes = KnowledgePoints(m_ctx.dm).citedBy(questionKey);
    } catch (const std::exception& e) {
        ErrorPrompt::show(m_ctx.services.prompts, e);
        m_codes.clear();
    }
    return !m_codes.isEmpty();
}

void TfrmAnswFagui::showEvent(QShowEvent* event)
{
    FramelessDialog::showEvent(event);
    if (m_filled)
        return;
    m_filled = true;
    try {
        fill();
    } catch (const std::exception& e) {
        ErrorPrompt::show(m_ctx.services.prompts, e);
    }
}

// The points in the order the question cites them; the title line names the first one's node.
void TfrmAnswFagui::fill()
{
    KnowledgePoints points(m_ctx.dm);
    m_points = points.points(m_codes);
    m_list->clear();
    for (const KnowledgePoints::Point& point : std::as_const(m_points))
        m_list->addItem(point.sn);
    m_title->setText(m_points.isEmpty() ? QString() : points.nodeName(m_points.first().id));
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
    else
        m_text->clear();
}

void TfrmAnswFagui::showPoint(int row)
{
    if (row < 0 || row >= m_points.size())
        return;
    StoredText::show(*m_text, m_points[row].n);
    try {
        // The entry's own node, also when two points share a heading.
        m_title->setText(KnowledgePoints(m_ctx.dm).nodeName(m_points[row].id));
    } catch (const std::exception& e) {
        ErrorPrompt::show(m_ctx.services.prompts, e);
    }
}
