#include "AnswerPad.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>

using namespace Qt::Literals::StringLiterals;

namespace {

const char16_t* const PageCaptions[] = {u"单选", u"多选", u"填空", u"判断", u"主观", u"配伍"};
const char16_t* const PageNames[] = {u"pageSingle",    u"pageMultiple",   u"pageFillIn",
                                     u"pageTrueFalse", u"pageSubjective", u"pageMatching"};
const char16_t* const Hints[] = {u"选择一个选项作为正确答案",           u"选择两个或者多个选项作为正确答案",
                                 u"填写正确答案，答案间用“,”隔开",      u"根据判断选择“正确”或者“错误”",
                                 u"根据自己实际情况选择“会”或者“不会”", u"选择若干个选项作为正确答案"};

QPushButton* choiceButton(const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setCheckable(true);
    button->setAutoDefault(false);
    button->setAccessibleName(caption);
    button->setProperty("answerOption", true);
    return button;
}

// Only one of the buttons is pressed at a time; the pressed one can be released.
void makeExclusive(const QList<QPushButton*>& buttons)
{
    for (QPushButton* button : buttons) {
        QObject::connect(button, &QPushButton::toggled, button, [button, buttons](bool on) {
            if (!on)
                return;
            for (QPushButton* other : buttons) {
                if (other != button)
                    other->setChecked(false);
            }
        });
    }
}

} // namespace

AnswerPad::AnswerPad(QWidget* parent) : QWidget(parent)
{
    setObjectName(u"answerPad"_s);
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(makeOptionPage(Single, u"单选"_s, true));
    m_pages->addWidget(makeOptionPage(Multiple, u"多选"_s, false));
    m_pages->addWidget(makeFillInPage());
    m_pages->addWidget(makeTrueFalsePage());
    m_pages->addWidget(makeSubjectivePage());
    m_pages->addWidget(makeOptionPage(Matching, u"不定项"_s, false));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pages);
    // Before any choice question the subjective page shows.
    setPage(Subjective);
}

QWidget* AnswerPad::framePage(int page, const QString& verticalLabel, QWidget* controls)
{
    auto* frame = new QWidget;
    frame->setObjectName(QString::fromUtf16(PageNames[page]));
    frame->setAccessibleName(QString::fromUtf16(PageCaptions[page]));
    frame->setToolTip(hintOfPage(page));
    auto* label = new QLabel(vertical(verticalLabel), frame);
    label->setObjectName(u"pageLabel"_s);
    label->setAlignment(Qt::AlignCenter);
    label->setFixedWidth(30);
    label->setStyleSheet(
        u"QLabel { background: #2f6f8f; color: white; border-radius: 4px; font-weight: bold; }"_s);
    if (page == Subjective)
        m_subjectiveLabel = label;
    auto* layout = new QHBoxLayout(frame);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(14);
    layout->addWidget(label);
    controls->setParent(frame);
    layout->addWidget(controls, 1);
    return frame;
}

QWidget* AnswerPad::makeOptionPage(int page, const QString& verticalLabel, bool exclusive)
{
    auto* controls = new QWidget;
    auto* row = new QHBoxLayout(controls);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(12);
    QList<QPushButton*> buttons;
    for (int i = 0; i < OptionCount; ++i) {
        const QString letter(QChar(u'A' + i));
        QPushButton* button = choiceButton(letter, controls);
        button->setObjectName(u"option"_s + letter);
        m_options[size_t(page)][size_t(i)] = button;
        buttons.append(button);
        row->addWidget(button);
    }
    row->addStretch(1);
    if (exclusive)
        makeExclusive(buttons);
    return framePage(page, verticalLabel, controls);
}

QWidget* AnswerPad::makeFillInPage()
{
    auto* controls = new QWidget;
    auto* row = new QHBoxLayout(controls);
    row->setContentsMargins(0, 0, 0, 0);
    m_fillIn = new QLineEdit(controls);
    m_fillIn->setObjectName(u"fillInAnswer"_s);
    m_fillIn->setAccessibleName(u"填空"_s);
    row->addWidget(m_fillIn, 1);
    return framePage(FillIn, u"填空"_s, controls);
}

QWidget* AnswerPad::makeTrueFalsePage()
{
    auto* controls = new QWidget;
    auto* row = new QHBoxLayout(controls);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(12);
    m_true = choiceButton(u"对"_s, controls);
    m_true->setObjectName(u"optionTrue"_s);
    m_false = choiceButton(u"错"_s, controls);
    m_false->setObjectName(u"optionFalse"_s);
    makeExclusive({m_true, m_false});
    row->addWidget(m_true);
    row->addWidget(m_false);
    row->addStretch(1);
    return framePage(TrueFalse, u"判断"_s, controls);
}

QWidget* AnswerPad::makeSubjectivePage()
{
    auto* controls = new QWidget;
    auto* row = new QHBoxLayout(controls);
    row->setContentsMargins(0, 0, 0, 0);
    m_subjective = new QComboBox(controls);
    m_subjective->setObjectName(u"subjectiveAnswer"_s);
    m_subjective->setAccessibleName(u"主观"_s);
    m_subjective->addItems({u"不会"_s, u"会"_s});
    m_subjective->setCurrentIndex(-1);
    m_subjective->setMinimumWidth(120);
    row->addWidget(m_subjective);
    row->addStretch(1);
    return framePage(Subjective, u"主观"_s, controls);
}

void AnswerPad::setCompact(bool compact)
{
    const QSize size = compact ? QSize(40, 32) : QSize(50, 40);
    for (const Options& options : m_options) {
        for (QPushButton* button : options) {
            if (button)
                button->setFixedSize(size);
        }
    }
    m_true->setFixedSize(size.width() + 16, size.height());
    m_false->setFixedSize(size.width() + 16, size.height());
}

void AnswerPad::setPage(int page)
{
    if (!isPage(page))
        return;
    m_pages->setCurrentIndex(page);
    setToolTip(hintOfPage(page));
}

int AnswerPad::page() const
{
    return m_pages->currentIndex();
}

const AnswerPad::Options* AnswerPad::optionsOf(int page) const
{
    if (page == Single || page == Multiple || page == Matching)
        return &m_options[size_t(page)];
    return nullptr;
}

QString AnswerPad::letters(const Options& options)
{
    QString pressed;
    for (QPushButton* button : options) {
        if (!button->isHidden() && button->isChecked())
            pressed.append(button->text());
    }
    return pressed;
}

QString AnswerPad::answer(int page) const
{
    switch (page) {
    case Single:
        return letters(m_options[Single]).left(1);
    case Multiple:
    case Matching:
        return letters(m_options[size_t(page)]);
    case FillIn:
        return m_fillIn->text().trimmed();
    case TrueFalse:
        return m_true->isChecked() ? u"A"_s : m_false->isChecked() ? u"B"_s : QString();
    case Subjective:
        return m_subjective->currentIndex() >= 0 ? QString::number(m_subjective->currentIndex()) : QString();
    default:
        return {};
    }
}

void AnswerPad::setAnswer(int page, const QString& answer, int optionCount)
{
    if (const Options* options = optionsOf(page)) {
        for (int i = 0; i < OptionCount; ++i) {
            QPushButton* button = (*options)[size_t(i)];
            const bool shown = i < optionCount;
            const QString letter = button->text();
            const bool pressed = shown && (page == Single ? answer == letter : answer.contains(letter));
            button->setHidden(!shown);
            button->setChecked(pressed);
        }
        return;
    }
    switch (page) {
    case FillIn:
        m_fillIn->setText(answer);
        break;
    case TrueFalse:
        m_true->setChecked(answer == u"A");
        m_false->setChecked(answer == u"B");
        break;
    case Subjective: {
        int index = -1;
        for (int i = 0; i < m_subjective->count(); ++i) {
            if (QString::number(i) == answer)
                index = i;
        }
        m_subjective->setCurrentIndex(index);
        break;
    }
    default:
        break;
    }
}

QString AnswerPad::shownAnswer(int page, const QString& answer)
{
    if (page == TrueFalse)
        return answer == u"A" ? u"对"_s : answer == u"B" ? u"错"_s : answer;
    if (page == Subjective)
        return answer == u"0" ? u"不会"_s : answer == u"1" ? u"会"_s : answer;
    return answer;
}

void AnswerPad::setSubjectiveLabel(const QString& label)
{
    m_subjectiveLabel->setText(vertical(label.left(2)));
}

QString AnswerPad::subjectiveLabel() const
{
    return m_subjectiveLabel->text();
}

QString AnswerPad::hintOfPage(int page)
{
    return isPage(page) ? QString::fromUtf16(Hints[page]) : QString();
}

bool AnswerPad::pressLetter(int key)
{
    const int p = page();
    // A disabled pad (an exam inspected or paused) keeps its answer.
    if (!isEnabled() || (p != Single && p != Multiple))
        return false;
    const int index = key - Qt::Key_A;
    if (index < 0 || index >= OptionCount)
        return false;
    QPushButton* button = m_options[size_t(p)][size_t(index)];
    if (button->isHidden())
        return false;
    button->setChecked(p == Single ? true : !button->isChecked());
    return true;
}

QAbstractButton* AnswerPad::option(int page, int index) const
{
    const Options* options = optionsOf(page);
    return options && index >= 0 && index < OptionCount ? (*options)[size_t(index)] : nullptr;
}

QAbstractButton* AnswerPad::trueButton() const
{
    return m_true;
}

QAbstractButton* AnswerPad::falseButton() const
{
    return m_false;
}

QString AnswerPad::vertical(const QString& text)
{
    QStringList characters;
    for (const QChar c : text)
        characters.append(QString(c));
    return characters.join(u'\n');
}
