#include "question/AnswerPad.h"
#include "question/QuestionView.h"
#include "question/VerdictPanel.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Encoding
{
    int page;
    QString stored; // the answer the controls are set from
    int options;
    QString readBack; // what the controls then read
};

class AnswerPads : public ::testing::Test
{
protected:
    QStringList pressed(int page)
    {
        QStringList letters;
        for (int i = 0; i < AnswerPad::OptionCount; ++i) {
            QAbstractButton* option = pad.option(page, i);
            if (!option->isHidden() && option->isChecked())
                letters.append(option->text());
        }
        return letters;
    }

    AnswerPad pad;
};

QKeyEvent key(int code)
{
    return QKeyEvent(QEvent::KeyPress, code, Qt::NoModifier);
}

} // namespace

TEST_F(AnswerPads, controlsSetFromAnAnswerReadTheSameAnswerBack)
{
    const Encoding cases[] = {
        {AnswerPad::Single, u"C"_s, 4, u"C"_s},
        {AnswerPad::Single, u"c"_s, 4, u""_s}, // letters are exact
        {AnswerPad::Single, u"E"_s, 4, u""_s}, // beyond the question's options
        {AnswerPad::Single, u""_s, 4, u""_s},
        {AnswerPad::Multiple, u"ACD"_s, 4, u"ACD"_s},
        {AnswerPad::Multiple, u"DCA"_s, 5, u"ACD"_s}, // read back in order A..F
        {AnswerPad::Multiple, u"ABF"_s, 6, u"ABF"_s},
        {AnswerPad::Multiple, u"AE"_s, 4, u"A"_s},
        {AnswerPad::Matching, u"BD"_s, 5, u"BD"_s},
        {AnswerPad::FillIn, u"  3.5, 7  "_s, 0, u"3.5, 7"_s},
        {AnswerPad::FillIn, u""_s, 0, u""_s},
        {AnswerPad::TrueFalse, u"A"_s, 2, u"A"_s},
        {AnswerPad::TrueFalse, u"B"_s, 2, u"B"_s},
        {AnswerPad::TrueFalse, u"X"_s, 2, u""_s},
        {AnswerPad::Subjective, u"0"_s, 1, u"0"_s},
        {AnswerPad::Subjective, u"1"_s, 1, u"1"_s},
        {AnswerPad::Subjective, u"2"_s, 1, u""_s},
    };
    for (const Encoding& c : cases) {
        pad.setPage(c.page);
        pad.setAnswer(c.page, c.stored, c.options);
        EXPECT_EQ(pad.answer(c.page), c.readBack) << c.page << " '" << c.stored.toStdString() << "'";
    }
}

TEST_F(AnswerPads, anAnswerIsReadFromWhatTheUserPressed)
{
    pad.setAnswer(AnswerPad::Multiple, {}, 4);
    pad.option(AnswerPad::Multiple, 2)->click();
    pad.option(AnswerPad::Multiple, 0)->click();
    pad.option(AnswerPad::Multiple, 3)->click();
    EXPECT_EQ(pad.answer(AnswerPad::Multiple), u"ACD"_s);

    // One single choice at a time; the pressed one can be released.
    pad.setAnswer(AnswerPad::Single, {}, 4);
    pad.option(AnswerPad::Single, 1)->click();
    pad.option(AnswerPad::Single, 3)->click();
    EXPECT_EQ(pressed(AnswerPad::Single), QStringList{u"D"_s});
    pad.option(AnswerPad::Single, 3)->click();
    EXPECT_EQ(pad.answer(AnswerPad::Single), u""_s);

    pad.trueButton()->click();
    pad.falseButton()->click();
    EXPECT_EQ(pad.answer(AnswerPad::TrueFalse), u"B"_s);
    EXPECT_FALSE(pad.trueButton()->isChecked());

    pad.subjectiveChoice()->setCurrentIndex(1);
    EXPECT_EQ(pad.answer(AnswerPad::Subjective), u"1"_s);
    EXPECT_EQ(pad.answer(99), u""_s);
}

TEST_F(AnswerPads, optionsBeyondTheQuestionsCountAreHiddenAndReleased)
{
    pad.setAnswer(AnswerPad::Multiple, u"ABCDEF"_s, 6);
    pad.setAnswer(AnswerPad::Multiple, u"ABCDEF"_s, 3);
    EXPECT_EQ(pressed(AnswerPad::Multiple), (QStringList{u"A"_s, u"B"_s, u"C"_s}));
    for (int i = 3; i < AnswerPad::OptionCount; ++i) {
        EXPECT_TRUE(pad.option(AnswerPad::Multiple, i)->isHidden());
        EXPECT_FALSE(pad.option(AnswerPad::Multiple, i)->isChecked());
    }
}

TEST_F(AnswerPads, aTypeWithoutAPageKeepsThePageShown)
{
    pad.setPage(AnswerPad::Multiple);
    pad.setPage(99);
    EXPECT_EQ(pad.page(), AnswerPad::Multiple);
    EXPECT_EQ(pad.toolTip(), u"选择两个或者多个选项作为正确答案"_s);
}

TEST(AnswerKeys, lettersChooseOptionsOnlyOnTheChoicePages)
{
    QuestionView view;
    AnswerPad* pad = view.pad();
    QPushButton previous(u"上一题"_s);
    QPushButton next(u"下一题"_s);
    int previousClicks = 0;
    int nextClicks = 0;
    QObject::connect(&previous, &QPushButton::clicked, [&] { ++previousClicks; });
    QObject::connect(&next, &QPushButton::clicked, [&] { ++nextClicks; });

    pad->setPage(AnswerPad::Single);
    pad->setAnswer(AnswerPad::Single, {}, 4);
    EXPECT_TRUE(view.handleKey(key(Qt::Key_C), &previous, &next));
    EXPECT_TRUE(view.handleKey(key(Qt::Key_C), &previous, &next));
    EXPECT_EQ(pad->answer(), u"C"_s);                               // pressing again keeps it pressed
    EXPECT_FALSE(view.handleKey(key(Qt::Key_E), &previous, &next)); // hidden option
    EXPECT_FALSE(view.handleKey(key(Qt::Key_G), &previous, &next));
    EXPECT_EQ(pad->answer(), u"C"_s);

    pad->setPage(AnswerPad::Multiple);
    pad->setAnswer(AnswerPad::Multiple, {}, 6);
    for (int code : {Qt::Key_F, Qt::Key_A, Qt::Key_D, Qt::Key_D, Qt::Key_B})
        view.handleKey(key(code), &previous, &next);
    EXPECT_EQ(pad->answer(), u"ABF"_s);
    view.handleKey(key(Qt::Key_Backspace), &previous, &next);
    view.handleKey(key(Qt::Key_Return), &previous, &next);
    view.handleKey(key(Qt::Key_Enter), &previous, &next);
    EXPECT_EQ(previousClicks, 1);
    EXPECT_EQ(nextClicks, 2);

    // A disabled button is not pressed by its key.
    next.setEnabled(false);
    view.handleKey(key(Qt::Key_Return), &previous, &next);
    EXPECT_EQ(nextClicks, 2);

    for (int page : {AnswerPad::Matching, AnswerPad::FillIn, AnswerPad::TrueFalse, AnswerPad::Subjective}) {
        pad->setPage(page);
        pad->setAnswer(page, {}, 4);
        for (int code : {Qt::Key_A, Qt::Key_B, Qt::Key_Backspace, Qt::Key_Return})
            EXPECT_FALSE(view.handleKey(key(code), &previous, &next)) << page;
        EXPECT_EQ(pad->answer(page), u""_s) << page;
    }
    EXPECT_EQ(previousClicks, 1);
}

TEST(AnswerKeys, lettersLeaveTheAnswerAloneWithCtrlOrAltOrOnADisabledPad)
{
    struct Case
    {
        const char* name;
        Qt::KeyboardModifiers modifiers;
        bool padEnabled;
        bool viewEnabled;
        QString answer; // after C on a pad holding "A"
    };
    const Case cases[] = {
        {"plain", Qt::NoModifier, true, true, u"C"_s},
        {"shift", Qt::ShiftModifier, true, true, u"C"_s},
        {"ctrl", Qt::ControlModifier, true, true, u"A"_s},
        {"alt", Qt::AltModifier, true, true, u"A"_s},
        {"ctrl+alt", Qt::ControlModifier | Qt::AltModifier, true, true, u"A"_s},
        {"pad disabled", Qt::NoModifier, false, true, u"A"_s},
        {"view disabled", Qt::NoModifier, true, false, u"A"_s}, // the exam paused
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        QuestionView view;
        AnswerPad* pad = view.pad();
        for (int page : {AnswerPad::Single, AnswerPad::Multiple}) {
            pad->setPage(page);
            pad->setAnswer(page, u"A"_s, 4);
            pad->setEnabled(k.padEnabled);
            view.setEnabled(k.viewEnabled);
            const QKeyEvent event(QEvent::KeyPress, Qt::Key_C, k.modifiers);
            const bool used = view.handleKey(event, nullptr, nullptr);
            EXPECT_EQ(used, k.answer == u"C"_s) << page;
            EXPECT_EQ(pad->answer(), page == AnswerPad::Multiple && used ? u"AC"_s : k.answer) << page;
            view.setEnabled(true);
            pad->setEnabled(true);
        }
    }
}

TEST(AnswerKeys, aDisabledPadStillLetsBackspaceAndEnterMove)
{
    QuestionView view;
    QPushButton previous(u"上一题"_s);
    QPushButton next(u"下一题"_s);
    int moves = 0;
    QObject::connect(&previous, &QPushButton::clicked, [&] { ++moves; });
    QObject::connect(&next, &QPushButton::clicked, [&] { ++moves; });
    view.pad()->setPage(AnswerPad::Single);
    view.pad()->setEnabled(false); // an inspected paper: moving on, not answering
    EXPECT_TRUE(view.handleKey(key(Qt::Key_Backspace), &previous, &next));
    EXPECT_TRUE(view.handleKey(key(Qt::Key_Return), &previous, &next));
    EXPECT_EQ(moves, 2);
}

TEST(Verdict, theAnswerButtonOpensTheVerdictOnThePadsAnswerAndClosesIt)
{
    struct Case
    {
        int page;
        QString chosen;
        QString correct;
        QString heading, mine, shownCorrect;
    };
    const QString right = u"恭喜你，做对了！"_s;
    const QString wrong = u"很遗憾，做错了，请继续努力！"_s;
    const Case cases[] = {
        {AnswerPad::Single, u"B"_s, u"B"_s, right, u"B"_s, u"B"_s},
        {AnswerPad::Multiple, u"DA"_s, u"AD"_s, right, u"AD"_s, u"AD"_s},
        {AnswerPad::Multiple, u"A"_s, u"AD"_s, wrong, u"A"_s, u"AD"_s},
        {AnswerPad::TrueFalse, u"B"_s, u"A"_s, wrong, u"错"_s, u"对"_s},
        {AnswerPad::Single, u""_s, u"c"_s, wrong, u""_s, u"c"_s},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.chosen.toStdString() + " / " + k.correct.toStdString());
        QuestionView view;
        view.resize(600, 400);
        QPushButton answer(u"答案"_s);
        view.setAnswerButton(&answer);
        view.pad()->setPage(k.page);
        view.pad()->setAnswer(k.page, k.chosen, 4);
        view.toggleVerdict(k.correct);
        EXPECT_TRUE(view.verdictOpen());
        EXPECT_EQ(answer.text(), u"返回"_s);
        EXPECT_EQ(view.verdictPanel()->heading(), k.heading);
        EXPECT_EQ(view.verdictPanel()->mine(), k.mine);
        EXPECT_EQ(view.verdictPanel()->correct(), k.shownCorrect);
        view.toggleVerdict(k.correct);
        EXPECT_FALSE(view.verdictOpen());
        EXPECT_EQ(answer.text(), u"答案"_s);
        view.toggleVerdict(k.correct);
        view.closeVerdictAtOnce(); // another question is shown
        EXPECT_EQ(answer.text(), u"答案"_s);
    }
}
