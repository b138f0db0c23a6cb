#include "TFrmSearch.h"

#include "TFrmLxxt.h"
#include "question/ButtonFaces.h"
#include "question/MissingPicture.h"

#include "platform/ModalRunner.h"
#include "platform/Prompts.h"
#include "store/PracticeQueries.h"
#include "ui/AppContext.h"
#include "ui/BusyCursor.h"
#include "ui/ErrorPrompt.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <optional>

using namespace Qt::Literals::StringLiterals;

TFrmSearch::TFrmSearch(AppContext& ctx, const QString& text, QWidget* parent)
    : FramelessDialog(ctx.services.screen, parent), m_ctx(ctx), m_search(ctx.dm)
{
    setWindowTitle(u"查找题目"_s);
    const bool compact = ctx.isCompactLayout();
    auto* heading = new QLabel(u"查找题目"_s, this);
    heading->setStyleSheet(u"font-size: 13pt; font-weight: bold; color: #2f6f8f;"_s);
    m_text = new QLineEdit(text, this);
    m_text->setObjectName(u"searchText"_s);
    m_text->setAccessibleName(u"查找内容"_s);
    m_text->setPlaceholderText(u"题干、选项或解析中的一句话"_s);
    auto* findButton = new QPushButton(u"查找"_s, this);
    findButton->setObjectName(u"btnFind"_s);
    findButton->setAutoDefault(false);
    m_summary = new QLabel(this);
    m_summary->setObjectName(u"searchSummary"_s);
    m_summary->setTextFormat(Qt::PlainText);
    m_list = new QTreeWidget(this);
    m_list->setObjectName(u"hitList"_s);
    m_list->setAccessibleName(u"查找结果"_s);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAlternatingRowColors(true);
    m_list->setStyleSheet(u"QTreeWidget::item { padding: 4px 2px; }"_s);
    m_list->setHeaderLabels({u"章节"_s, u"题干"_s});
    m_list->header()->setSectionResizeMode(0, QHeaderView::Interactive);
    m_list->header()->setStretchLastSection(true);
    m_list->setColumnWidth(0, compact ? 200 : 260);
    m_practice = new QPushButton(u"练习"_s, this);
    m_practice->setObjectName(u"btnPracticeHits"_s);
    m_practice->setAutoDefault(false);
    m_practice->setEnabled(false);
    auto* close = new QPushButton(u"关闭"_s, this);
    close->setObjectName(u"btnClose"_s);
    close->setAutoDefault(false);
    connect(m_text, &QLineEdit::returnPressed, this, &TFrmSearch::find);
    connect(findButton, &QPushButton::clicked, this, &TFrmSearch::find);
    connect(m_practice, &QPushButton::clicked, this, &TFrmSearch::practiseHits);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(heading);
    top->addSpacing(12);
    top->addWidget(m_text, 1);
    top->addWidget(findButton);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_summary, 1);
    bottom->addWidget(m_practice);
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 10, 14, 12);
    layout->setSpacing(8);
    layout->addLayout(top);
    layout->addWidget(m_list, 1);
    layout->addLayout(bottom);
    setFixedSize(compact ? QSize(760, 520) : QSize(900, 620));
    find();
}

void TFrmSearch::find()
{
    const QString text = m_text->text().simplified();
    if (text.isEmpty())
        return;
    BusyCursor busy;
    try {
        m_hits = m_search.find(text);
    } catch (const std::exception& e) {
        busy.restore();
        ErrorPrompt::show(m_ctx.services.prompts, e);
        return;
    }
    m_found = text;
    m_list->clear();
    for (const QuestionSearch::Hit& hit : std::as_const(m_hits)) {
        auto* item = new QTreeWidgetItem(
            m_list, {hit.chapterName.isEmpty() ? hit.chapterCode : hit.chapterName, hit.stemStart});
        item->setToolTip(1, hit.stemStart);
    }
    if (m_hits.isEmpty())
        m_summary->setText(u"没有找到含有“%1”的题目"_s.arg(text));
    else if (m_hits.size() >= QuestionSearch::DefaultLimit)
        m_summary->setText(u"列出最相关的 %1 题"_s.arg(m_hits.size()));
    else
        m_summary->setText(u"共找到 %1 题"_s.arg(m_hits.size()));
    m_practice->setEnabled(!m_hits.isEmpty());
    if (!m_hits.isEmpty())
        m_list->setCurrentItem(m_list->topLevelItem(0));
}

void TFrmSearch::practiseHits()
{
    if (m_hits.isEmpty())
        return;
    QStringList keys;
    for (const QuestionSearch::Hit& hit : std::as_const(m_hits))
        keys.append(hit.A1);
    m_ctx.PracticeQuery = PracticeQueries::keySet(keys);
    TFrmLxxt::Variant variant;
    variant.hintFromChapter = false;
    try {
        BusyCursor busy;
        std::optional<TFrmLxxt> practice;
        try {
            practice.emplace(m_ctx, variant, this);
            if (!practice->LoadPracticeSet()) {
                busy.restore();
                m_ctx.services.prompts.MessageDialog(u"提示"_s, u"恭喜你，习题已做完！"_s,
                                                     Prompts::ButtonSet::Ok, Prompts::Picture::Information);
                return;
            }
        } catch (const MissingPicture&) {
            practice.reset();
            busy.restore();
            ButtonFaces::reportMissingAndQuit(m_ctx.services.prompts);
            // The program is ending; this window closes on the way out.
            reject();
            return;
        }
        practice->setHintBoardText(u"查找：%1"_s.arg(m_found));
        busy.restore();
        // Hidden, not closed: QDialog::hide would end this window's own modal run.
        QWidget::setVisible(false);
        m_ctx.services.windows.run(*practice);
    } catch (const std::exception& e) {
        ErrorPrompt::show(m_ctx.services.prompts, e);
    }
    show();
}
