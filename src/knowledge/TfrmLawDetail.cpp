#include "TfrmLawDetail.h"

#include "question/DialogParts.h"
#include "question/StoredText.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

QString withoutTrailingBlanks(QString text)
{
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    return text;
}

} // namespace

TfrmLawDetail::TfrmLawDetail(QPushButton* practiceButton, bool compact, QWidget* parent)
    : QWidget(parent), m_practice(practiceButton)
{
    setObjectName(u"m_Pdetail"_s);
    m_list = new QListWidget(this);
    m_list->setObjectName(u"m_LBmenu"_s);
    m_list->setAccessibleName(u"考点"_s);
    m_list->setStyleSheet(u"QListWidget::item { padding: 4px 6px; }"_s);
    m_list->setWordWrap(true);
    m_text = DialogParts::readingPane(this, u"Re"_s, u"考点内容"_s, compact);
    m_note = new QLabel(this);
    m_note->setObjectName(u"m_pNote"_s);
    m_note->setAccessibleName(u"题数"_s);
    m_note->setTextFormat(Qt::PlainText);
    m_note->setStyleSheet(u"QLabel { background: #243344; color: #9fe3b0; border-radius: 3px;"
                          u" padding: 4px 8px; font-weight: bold; }"_s);

    auto* right = new QWidget(this);
    auto* column = new QVBoxLayout(right);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    column->addWidget(m_text, 1);
    column->addWidget(m_note);

    m_divider = new QSplitter(Qt::Horizontal, this);
    m_divider->setObjectName(u"divider"_s);
    m_divider->setChildrenCollapsible(false);
    m_divider->addWidget(m_list);
    m_divider->addWidget(right);
    m_divider->setStretchFactor(1, 1);
    const int listWidth = compact ? 220 : 270;
    m_divider->setSizes({listWidth, 1000});
    connect(m_divider, &QSplitter::splitterMoved, m_text, [this] { m_text->viewport()->update(); });
    connect(m_list, &QListWidget::currentRowChanged, this, &TfrmLawDetail::selectionStep);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_divider);
}

QString TfrmLawDetail::entryText(const Point& point)
{
    QString entry = withoutTrailingBlanks(point.sn);
    if (point.counters.q > 0)
        entry += u"("_s + QString::number(point.counters.q) + u")"_s;
    return entry;
}

QString TfrmLawDetail::counterLine(const CatalogueTable::Counters& counters)
{
    return u"相关题数："_s + QString::number(counters.q) + u"题"_s + u"  已做题数："_s +
           QString::number(counters.q1) + u"题"_s + u"  已做道次："_s + QString::number(counters.q2) +
           u"次"_s + u"  做错道次："_s + QString::number(counters.q4) + u"次"_s;
}

QString TfrmLawDetail::noQuestionNote()
{
    return u"虽然针对该内容的习题没有，您仍要仔细阅读！"_s;
}

void TfrmLawDetail::setPoints(const QVector<Point>& rows, int row)
{
    m_rows = rows;
    const QSignalBlocker blocker(m_list);
    m_list->clear();
    for (const Point& point : std::as_const(m_rows))
        m_list->addItem(entryText(point));
    if (!m_rows.isEmpty())
        m_list->setCurrentRow(row >= 0 && row < m_rows.size() ? row : 0);
    selectionStep();
}

int TfrmLawDetail::selectedRow() const
{
    return m_list->currentRow();
}

const TfrmLawDetail::Point* TfrmLawDetail::selectedPoint() const
{
    const int row = m_list->currentRow();
    return row >= 0 && row < m_rows.size() ? &m_rows[row] : nullptr;
}

QString TfrmLawDetail::selectedEntry() const
{
    const QListWidgetItem* item = m_list->currentItem();
    return item ? item->text() : QString();
}

void TfrmLawDetail::selectionStep()
{
    if (m_list->currentRow() < 0) {
        if (m_list->count() == 0) {
            m_text->clear();
            m_note->clear();
            return;
        }
        const QSignalBlocker blocker(m_list);
        m_list->setCurrentRow(0);
    }
    const Point* point = selectedPoint();
    if (!point)
        return;
    StoredText::show(*m_text, point->n);
    const bool hasQuestions = selectedEntry().contains(u'(') && point->counters.q > 0;
    m_note->setText(hasQuestions ? counterLine(point->counters) : noQuestionNote());
    if (m_practice)
        m_practice->setEnabled(hasQuestions);
}
