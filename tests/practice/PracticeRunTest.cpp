#include "PracticeFixture.h"

#include "practice/ChapterTableModel.h"
#include "practice/TFrmLxxt.h"
#include "practice/TFrmkmmc.h"
#include "question/AnswerPad.h"
#include "question/FaceButton.h"
#include "question/QuestionView.h"
#include "ui/Theme.h"

#include <QApplication>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

// The road of an answer: the browser opens a run on a chapter, two questions
// are answered, the run closes and the browser shows the new counters.
TEST(PracticeRun, answersReachTheBrowserAndTheBank)
{
    PracticeContext c;
    c.chapters(u"100101"_s).chapters(u"100102"_s).singleChoices(3);
    c.bank.exec(u"UPDATE tab_kmmc SET C3 = 3 WHERE C1 IN ('1', '10', '1001', '100101')"_s);
    AppContext& ctx = c.open();

    bool practised = false;
    c.windows.on(u"TFrmLxxt"_s, [&](QDialog& dialog) {
        auto& practice = static_cast<TFrmLxxt&>(dialog);
        AnswerPad* pad = practice.questionView()->pad();
        pad->option(0, 1)->click(); // Q001: B, right
        click(practice, u"btnNext"_s);
        pad->option(0, 2)->click(); // Q002: C, wrong
        c.clock.advanceSeconds(65);
        practised = true;
        click(practice, u"btnClose"_s);
    });

    bool checkedAfterRun = false;
    c.windows.on(u"TFrmkmmc"_s, [&](QDialog& dialog) {
        auto& browser = static_cast<TFrmkmmc&>(dialog);
        browser.grid()->selectRow(browser.chapters()->rowOfCode(u"100101"_s));
        click(browser, u"btnNewQuestions"_s);
        // The browser's own modal run goes on after the practice window closed.
        QTimer::singleShot(0, &browser, [&] {
            checkedAfterRun = true;
            EXPECT_TRUE(browser.isVisible());
            EXPECT_EQ(browser.selectedCode(), u"100101"_s);
            const ChapterTableModel::Chapter& row =
                browser.chapters()->chapter(browser.grid()->currentIndex().row());
            EXPECT_EQ(row.C4, 2);
            EXPECT_EQ(row.D1, 2);
            EXPECT_EQ(row.D2, 1);
            EXPECT_EQ(row.C6, u"50.00"_s);
            EXPECT_EQ(textOf(browser, u"answersDone"_s), u"2"_s);
            EXPECT_EQ(textOf(browser, u"answersWrong"_s), u"1"_s);
            EXPECT_EQ(textOf(browser, u"scoreLabel"_s), u"50.00"_s);
            browser.accept();
        });
    });

    TFrmkmmc browser(ctx);
    EXPECT_EQ(c.windows.run(browser), QDialog::Accepted);
    EXPECT_TRUE(practised);
    EXPECT_TRUE(checkedAfterRun);
    EXPECT_EQ(c.windows.shown, (QStringList{u"TFrmkmmc"_s, u"TFrmLxxt"_s}));

    EXPECT_EQ(c.bank.text(u"SELECT group_concat(A1 || ':' || E2 || E3 || E4, ' ') FROM"
                          u" (SELECT * FROM tab_answ WHERE E2 <> '' ORDER BY A1)"_s),
              u"Q001:B10 Q002:C1-3"_s);
    EXPECT_EQ(c.bank.text(u"SELECT C4 || ',' || D1 || ',' || D2 || ',' || C6 FROM tab_kmmc WHERE C1 = '1'"_s),
              u"2,2,1,50.00"_s);
    EXPECT_EQ(c.bank.text(u"SELECT A2 || ',' || A3 || ',' || B1 || ',' || B2 || ',' || A4 || ',' || D1"
                          u" FROM tab_rz WHERE A1 = '2026-12-10'"_s),
              u"2,1,2,1,50.00,00:01:05"_s);
}

namespace {

// Keys go where the user's keys go: to the window's focus.
void press(QWidget& window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = window.focusWidget() ? window.focusWidget() : &window;
    QTest::keyClick(target, Qt::Key(key), modifiers);
}

// Tabs forward until the control has the focus; false when a whole round missed it.
bool tabTo(QWidget& window, const QWidget* control)
{
    for (int step = 0; step < 80; ++step) {
        if (window.focusWidget() == control)
            return true;
        press(window, Qt::Key_Tab);
    }
    return false;
}

// With VELMARIN_FOCUS_SHOTS naming a folder, each step is saved there as a picture in the
// program's own look, to see where the focus is.
void shot(QWidget& window, const QString& step)
{
    const QString folder = qEnvironmentVariable("VELMARIN_FOCUS_SHOTS");
    if (folder.isEmpty())
        return;
    if (qApp->styleSheet().isEmpty())
        Theme::apply(*qApp);
    window.grab().save(folder + u"/"_s + step + u".png"_s);
}

} // namespace

// A whole run without the mouse: a chapter chosen with the arrows, Enter starts new questions,
// five answers with A–F and Enter, the run closed from its button, the browser closed with Escape.
TEST(PracticeRun, aWholeRunGoesByKeyboardAlone)
{
    PracticeContext c;
    c.chapters(u"100101"_s).singleChoices(6);
    c.bank.exec(u"UPDATE tab_kmmc SET C3 = 6 WHERE C1 IN ('1', '10', '1001', '100101')"_s);
    AppContext& ctx = c.open();

    QList<int> answered;
    c.windows.on(u"TFrmLxxt"_s, [&](QDialog& dialog) {
        auto& practice = static_cast<TFrmLxxt&>(dialog);
        // A focused number button does not take the practice keys for itself.
        ASSERT_TRUE(tabTo(practice, practice.numberButton(0)));
        shot(practice, u"2-number-button"_s);
        for (int i = 0; i < 5; ++i) {
            answered << practice.CurrentRecNo();
            press(practice, Qt::Key_B);
            press(practice, Qt::Key_Return);
        }
        ASSERT_TRUE(tabTo(practice, button(practice, u"btnClose"_s)));
        shot(practice, u"3-close-button"_s);
        press(practice, Qt::Key_Escape); // inert in the practice window
        EXPECT_TRUE(practice.isVisible());
        press(practice, Qt::Key_Space);
    });

    bool backInBrowser = false;
    c.windows.on(u"TFrmkmmc"_s, [&](QDialog& dialog) {
        auto& browser = static_cast<TFrmkmmc&>(dialog);
        browser.grid()->setFocus();
        const int row = browser.chapters()->rowOfCode(u"100101"_s);
        while (browser.grid()->currentIndex().row() < row)
            press(browser, Qt::Key_Down);
        shot(browser, u"1-chapter-row"_s);
        press(browser, Qt::Key_Return);
        QTimer::singleShot(0, &browser, [&] {
            backInBrowser = browser.isVisible();
            EXPECT_EQ(browser.chapters()->chapter(row).D1, 5);
            press(browser, Qt::Key_Tab);
            EXPECT_NE(browser.focusWidget(), browser.grid());
            shot(browser, u"4-after-the-grid"_s);
            press(browser, Qt::Key_Escape);
        });
    });

    TFrmkmmc browser(ctx);
    EXPECT_EQ(c.windows.run(browser), QDialog::Rejected);
    EXPECT_TRUE(backInBrowser);
    EXPECT_EQ(c.windows.shown, (QStringList{u"TFrmkmmc"_s, u"TFrmLxxt"_s}));
    ASSERT_EQ(answered.size(), 5);
    for (int i = 1; i < 5; ++i)
        EXPECT_EQ(answered[i], answered[0] + i);
    EXPECT_EQ(c.bank.text(u"SELECT count(*) FROM tab_answ WHERE E2 = 'B'"_s), u"5"_s);
}
