#include "AuthoringFixture.h"

#include "app/TFrmStart.h"
#include "authoring/RichTextEditor.h"
#include "authoring/TFrmInPut.h"
#include "authoring/TfrmTedit.h"
#include "practice/ChapterTableModel.h"
#include "practice/TFrmLxxt.h"
#include "practice/TFrmkmmc.h"
#include "question/AnswerPad.h"
#include "question/FaceButton.h"
#include "question/QuestionView.h"

#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// The real windows from the chapter browser on: the main window answers the browser's calls.
class AuthoringFromPractice : public ::testing::Test
{
protected:
    TFrmkmmc& openBrowser()
    {
        AppContext& ctx = c.open();
        main = std::make_unique<TFrmStart>(ctx);
        browser = std::make_unique<TFrmkmmc>(ctx);
        browser->show();
        return *browser;
    }
    void select(const QString& code) { browser->grid()->selectRow(browser->chapters()->rowOfCode(code)); }
    static void enterQuestion(TFrmInPut& entry, const QString& stem, const QString& answer)
    {
        entry.stemEditor()->insertPlainText(stem);
        QTest::keyClicks(entry.findChild<QLineEdit*>(u"answerEdit"_s), answer);
        click(entry, u"btnSave"_s);
    }

    AuthoringContext c;
    std::unique_ptr<TFrmStart> main;
    std::unique_ptr<TFrmkmmc> browser;
};

} // namespace

TEST_F(AuthoringFromPractice, aQuestionEnteredFromTheBrowserIsPractised)
{
    c.singleChoices(2);
    c.bank.exec(u"UPDATE tab_kmmc SET C3 = 2"_s);
    TFrmkmmc& b = openBrowser();
    EXPECT_EQ(textOf(b, u"totalQuestions"_s), u"2"_s);

    select(u"10"_s);
    click(b, u"btnQuestionEntry"_s);
    EXPECT_EQ(c.prompts.last().text, u"请选择具体章节目录！"_s);
    EXPECT_TRUE(c.windows.shown.isEmpty());

    QString caption;
    c.windows.on(u"TFrmInPut"_s, [&](QDialog& dialog) {
        auto& entry = static_cast<TFrmInPut&>(dialog);
        caption = entry.findChild<QLabel*>(u"captionLabel"_s)->text();
        enterQuestion(entry, u"自己的题目：1+1=？"_s, u"b"_s);
        click(entry, u"btnClose"_s);
    });
    select(u"100101"_s);
    click(b, u"btnQuestionEntry"_s);
    EXPECT_EQ(caption, u"试题录入 [第 100101 章]"_s);
    EXPECT_EQ(textOf(b, u"totalQuestions"_s), u"3"_s);
    EXPECT_EQ(b.selectedCode(), u"100101"_s);
    const int row = b.chapters()->rowOfCode(u"100101"_s);
    EXPECT_EQ(b.chapters()->chapter(row).C3, 3);

    // The new question is in the chapter's new-question set and is answered like any other.
    bool shownAsUsers = false;
    c.windows.on(u"TFrmLxxt"_s, [&](QDialog& dialog) {
        auto& practice = static_cast<TFrmLxxt&>(dialog);
        ASSERT_EQ(practice.practiceSet().count(), 3);
        for (int i = 0; i < 3; ++i) {
            if (practice.practiceSet().record(practice.recordOfButton(i)).A1.startsWith(u"US"_s))
                practice.numberButton(i)->click();
        }
        shownAsUsers = textOf(practice, u"statusRed"_s) == u"本题是您加入的题目！"_s;
        EXPECT_EQ(practice.questionView()->upperStem()->toPlainText(), u"自己的题目：1+1=？"_s);
        practice.questionView()->pad()->option(AnswerPad::Single, 1)->click();
        click(practice, u"btnFinish"_s);
        click(practice, u"btnClose"_s);
    });
    click(b, u"btnNewQuestions"_s);
    EXPECT_TRUE(shownAsUsers);
    EXPECT_EQ(c.bank.text(u"SELECT E2 || '|' || E3 FROM tab_answ WHERE A1 = 'US10010161500001'"_s), u"B|1"_s);
}

TEST_F(AuthoringFromPractice, aFailureInTheEntryWindowIsReportedByTheBrowser)
{
    TFrmkmmc& b = openBrowser();
    c.bank.exec(u"DROP TABLE tab_tx1"_s); // the entry window cannot read its types
    select(u"100101"_s);
    click(b, u"btnQuestionEntry"_s);
    EXPECT_EQ(c.prompts.last().text, u"录入试题后出现异常!"_s);
    EXPECT_EQ(c.prompts.last().icon, Prompts::Icon::Warning);
    EXPECT_EQ(b.selectedCode(), u"100101"_s);
    EXPECT_TRUE(b.isVisible());
}

TEST_F(AuthoringFromPractice, editingInPracticeMarksTheQuestionAndResumesTheTimeLimit)
{
    c.singleChoices(1);
    TFrmkmmc& b = openBrowser();
    select(u"100101"_s);
    bool timingDuringEdit = true;
    c.windows.on(u"TFrmLxxt"_s, [&](QDialog& dialog) {
        auto& practice = static_cast<TFrmLxxt&>(dialog);
        EXPECT_TRUE(textOf(practice, u"statusBold"_s).isEmpty());
        c.windows.on(u"TfrmTedit"_s, [&](QDialog& edit) {
            timingDuringEdit = practice.timeLimitRunning();
            auto* answer = edit.findChild<QLineEdit*>(u"answerEdit"_s);
            answer->clear();
            QTest::keyClicks(answer, u"c"_s);
            click(edit, u"btnSave"_s);
        });
        click(practice, u"btnEdit"_s);
        EXPECT_EQ(textOf(practice, u"statusBold"_s), u"本题被您修改过"_s);
        EXPECT_TRUE(practice.timeLimitRunning());
        // The run checks against the corrected answer.
        practice.questionView()->pad()->option(AnswerPad::Single, 2)->click();
        click(practice, u"btnFinish"_s);
        click(practice, u"btnClose"_s);
    });
    click(b, u"btnNewQuestions"_s);
    EXPECT_FALSE(timingDuringEdit);
    EXPECT_EQ(c.bank.text(u"SELECT A2 || '|' || ecount || '|' || E2 || '|' || E4 FROM tab_answ"_s),
              u"C|1|C|0"_s);
}
