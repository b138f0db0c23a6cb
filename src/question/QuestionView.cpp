#include "QuestionView.h"

#include "AnswerPad.h"
#include "StoredText.h"
#include "VerdictPanel.h"

#include "platform/Prompts.h"
#include "store/CodeSchemes.h"
#include "store/QuestionContent.h"
#include "store/StoreError.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSplitter>
#include <QTextEdit>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

QTextEdit* stemPane(const QString& name, const QString& accessible, QWidget* parent)
{
    auto* pane = new QTextEdit(parent);
    pane->setObjectName(name);
    pane->setAccessibleName(accessible);
    pane->setReadOnly(true);
    // Selectable with the mouse, without a text cursor blinking in a read-only stem.
    pane->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A stem never takes the focus by itself: the answer keys act while no text pane holds it.
    pane->setFocusPolicy(Qt::ClickFocus);
    return pane;
}

const QString RightVerdict = u"恭喜你，做对了！"_s;
const QString WrongVerdict = u"很遗憾，做错了，请继续努力！"_s;

bool isTextInput(const QWidget* widget)
{
    return qobject_cast<const QTextEdit*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) || qobject_cast<const QComboBox*>(widget);
}

} // namespace

QuestionView::QuestionView(QWidget* parent) : QWidget(parent)
{
    setObjectName(u"questionView"_s);
    m_stemArea = new QWidget(this);
    m_stemArea->setObjectName(u"stemArea"_s);
    m_splitter = new QSplitter(Qt::Vertical, m_stemArea);
    m_splitter->setObjectName(u"stemSplitter"_s);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->setHandleWidth(SplitterHandleHeight);
    m_upper = stemPane(u"upperStem"_s, u"题干"_s, m_splitter);
    m_lower = stemPane(u"lowerStem"_s, u"小题题干"_s, m_splitter);
    m_splitter->addWidget(m_upper);
    m_splitter->addWidget(m_lower);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    auto* stemLayout = new QVBoxLayout(m_stemArea);
    stemLayout->setContentsMargins(0, 0, 0, 0);
    stemLayout->addWidget(m_splitter);

    m_verdictClip = new QWidget(m_stemArea);
    m_verdictClip->setObjectName(u"verdictArea"_s);
    m_verdict = new VerdictPanel(m_verdictClip);
    m_verdictClip->setGeometry(0, 0, 0, 0);
    m_verdictClip->hide();

    m_pad = new AnswerPad(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(m_stemArea, 1);
    layout->addWidget(m_pad, 0);
    collapseLowerPane();
}

void QuestionView::setCompact(bool compact)
{
    QFont stemFont = font();
    stemFont.setPointSize(compact ? 12 : 14);
    m_upper->setFont(stemFont);
    m_lower->setFont(stemFont);
    m_pad->setCompact(compact);
}

void QuestionView::ShowStem(TDM1& dm, Prompts& prompts, const QString& key)
{
    try {
        QuestionContent content(dm);
        const QString ownStem = content.stem(key).value_or(QString());
        std::optional<QString> shared;
        const QString stemKey = CodeSchemes::stemKeyOf(key);
        if (!stemKey.isEmpty())
            shared = content.sharedStem(stemKey).value_or(QString());
        showStems(ownStem, shared);
    } catch (const std::exception&) {
        m_upper->clear();
        m_lower->clear();
        prompts.MessageDialog(u"错误"_s, u"无法打开试题！"_s, Prompts::ButtonSet::Ok,
                              Prompts::Picture::Error);
    }
}

void QuestionView::showStems(const QString& ownStem, const std::optional<QString>& sharedStem)
{
    if (sharedStem) {
        expandLowerPane();
        StoredText::show(*m_upper, *sharedStem);
        StoredText::show(*m_lower, ownStem);
    } else {
        collapseLowerPane();
        StoredText::show(*m_upper, ownStem);
        m_lower->clear();
    }
}

void QuestionView::collapseLowerPane()
{
    m_lower->hide();
}

bool QuestionView::lowerPaneCollapsed() const
{
    return m_lower->isHidden();
}

int QuestionView::lowerPaneHeight() const
{
    return lowerPaneCollapsed() ? 0 : m_splitter->sizes().value(1);
}

int QuestionView::splitterHandleHeight() const
{
    return lowerPaneCollapsed() ? 0 : m_splitter->handleWidth();
}

// The first shared stem gets a pane of 150 pixels; later ones keep where the user dragged the splitter.
void QuestionView::expandLowerPane()
{
    if (!lowerPaneCollapsed())
        return;
    m_lower->show();
    m_splitter->setHandleWidth(SplitterHandleHeight);
    const int total = m_splitter->height() - SplitterHandleHeight;
    m_splitter->setSizes({qMax(total - SharedStemPaneHeight, 1), SharedStemPaneHeight});
}

void QuestionView::setVerdict(const QString& heading, const QString& mine, const QString& correct)
{
    m_verdict->setVerdict(heading, mine, correct);
}

QString QuestionView::verdictHeading(const QString& mine, const QString& correct)
{
    return mine == correct ? RightVerdict : WrongVerdict;
}

void QuestionView::setAnswerButton(QAbstractButton* button)
{
    m_answerButton = button;
    if (m_answerButton)
        m_answerButton->setText(m_verdictOpen ? u"返回"_s : u"答案"_s);
}

// Right exactly when the answer on the page equals the correct one: the recorder's rule.
void QuestionView::toggleVerdict(const QString& correct)
{
    if (m_verdictOpen) {
        slideVerdict(false);
        return;
    }
    const int page = m_pad->page();
    const QString mine = m_pad->answer();
    setVerdict(verdictHeading(mine, correct), AnswerPad::shownAnswer(page, mine),
               AnswerPad::shownAnswer(page, correct));
    slideVerdict(true);
}

// The panel grows from the left by 20 pixels a step, repainting after each one, and shrinks the same way.
void QuestionView::slideVerdict(bool open)
{
    const int full = m_stemArea->width();
    m_verdictOpen = open;
    if (m_answerButton)
        m_answerButton->setText(open ? u"返回"_s : u"答案"_s);
    m_verdict->setGeometry(0, 0, full, m_stemArea->height());
    if (open) {
        m_verdictClip->show();
        m_verdictClip->raise();
        for (int width = 20; width < full; width += 20)
            setVerdictWidth(width);
        setVerdictWidth(full);
    } else {
        for (int width = verdictWidth() - 20; width > 0; width -= 20)
            setVerdictWidth(width);
        closeVerdictAtOnce();
    }
}

void QuestionView::closeVerdictAtOnce()
{
    m_verdictOpen = false;
    if (m_answerButton)
        m_answerButton->setText(u"答案"_s);
    m_verdictClip->setGeometry(0, 0, 0, m_stemArea->height());
    m_verdictClip->hide();
}

int QuestionView::verdictWidth() const
{
    return m_verdictClip->isHidden() ? 0 : m_verdictClip->width();
}

void QuestionView::setVerdictWidth(int width)
{
    const int full = m_stemArea->width();
    m_verdictClip->setGeometry(0, 0, width, m_stemArea->height());
    // The panel slides in: its right edge shows first.
    m_verdict->move(width - full, 0);
    m_verdictClip->repaint();
}

void QuestionView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_verdictOpen) {
        m_verdict->setGeometry(0, 0, m_stemArea->width(), m_stemArea->height());
        m_verdictClip->setGeometry(0, 0, m_stemArea->width(), m_stemArea->height());
    }
}

bool QuestionView::handleKey(const QKeyEvent& event, QAbstractButton* previous, QAbstractButton* next)
{
    const int page = m_pad->page();
    if (page != AnswerPad::Single && page != AnswerPad::Multiple)
        return false;
    if (isTextInput(QApplication::focusWidget()))
        return false;
    // Ctrl+C, Alt+F and the like belong to the window, not to the options.
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    switch (event.key()) {
    case Qt::Key_Backspace:
        if (previous && previous->isEnabled())
            previous->click();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (next && next->isEnabled())
            next->click();
        return true;
    default:
        return m_pad->pressLetter(event.key());
    }
}
