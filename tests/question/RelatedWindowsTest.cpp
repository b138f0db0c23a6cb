#include "PracticeFixture.h"

#include "practice/TFrmLxxt.h"
#include "question/AnswerPad.h"
#include "question/QuestionView.h"
#include "question/TFrmBj.h"
#include "question/TFrmJx.h"
#include "question/TfrmAnswFagui.h"
#include "store/PracticeQueries.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class QuestionWindows : public ::testing::Test
{
protected:
    TFrmLxxt& open()
    {
        AppContext& ctx = c.open();
        ctx.PracticeQuery = PracticeQueries::chapterSet(PracticeMode::NewQuestions, u"100101"_s);
        window = std::make_unique<TFrmLxxt>(ctx);
        EXPECT_TRUE(window->LoadPracticeSet());
        window->show();
        return *window;
    }
    void answerCurrent(const QString& letter)
    {
        AnswerPad* pad = window->questionView()->pad();
        pad->option(pad->page(), letter.at(0).unicode() - u'A')->click();
        click(*window, u"btnFinish"_s);
    }

    PracticeContext c;
    std::unique_ptr<TFrmLxxt> window;
};

} // namespace

TEST_F(QuestionWindows, theNoteButtonFollowsWhatTheEditorStored)
{
    c.chapters().singleChoices(2);
    c.bank.exec(u"UPDATE tab_answ SET A14 = '记住剂量' WHERE A1 = 'Q002'"_s);
    TFrmLxxt& w = open();
    EXPECT_EQ(button(w, u"btnNote"_s)->text(), u"笔记"_s);

    struct Case
    {
        QString typed;
        QString caption;
        int hasContent;
    };
    const Case cases[] = {{u"首选药物是 B"_s, u"有内容"_s, 1}, {u"   "_s, u"笔记"_s, 0}};
    for (const Case& note : cases) {
        c.windows.on(u"TFrmBj"_s, [&](QDialog& editor) {
            auto* text = editor.findChild<QPlainTextEdit*>(u"noteText"_s);
            ASSERT_NE(text, nullptr);
            text->setPlainText(note.typed);
            click(editor, u"btnClose"_s);
        });
        click(w, u"btnNote"_s);
        EXPECT_EQ(c.app->NoteHasContent, note.hasContent);
        EXPECT_EQ(button(w, u"btnNote"_s)->text(), note.caption);
        // Stored exactly as typed, blanks included.
        EXPECT_EQ(c.bank.text(u"SELECT A14 FROM tab_answ WHERE A1 = 'Q001'"_s), note.typed);
    }

    // Closing the editor without typing keeps the note and reads it back.
    c.windows.on(u"TFrmBj"_s, [](QDialog& editor) { editor.reject(); });
    click(w, u"btnNext"_s);
    EXPECT_EQ(button(w, u"btnNote"_s)->text(), u"有内容"_s);
    click(w, u"btnNote"_s);
    EXPECT_EQ(c.app->NoteHasContent, 1);
    EXPECT_EQ(c.bank.text(u"SELECT A14 FROM tab_answ WHERE A1 = 'Q002'"_s), u"记住剂量"_s);
    EXPECT_EQ(c.windows.shown.count(u"TFrmBj"_s), 3);
}

TEST_F(QuestionWindows, relatedPointsListEveryCitedPointAcrossGaps)
{
    c.chapters();
    c.bank.point(u"010101000001"_s, u"降压药的分类"_s, u"<p>利尿剂、β受体阻断剂……</p>"_s);
    c.bank.point(u"020301000002"_s, u"降压药的分类"_s, u"<p>钙通道阻滞剂……</p>"_s);
    c.bank.exec(u"UPDATE tab_fgmc SET n = '心血管用药' WHERE id = '010101'"_s);
    c.bank.exec(u"UPDATE tab_fgmc SET n = '抗高血压药' WHERE id = '020301'"_s);
    c.bank.question(u"Q001"_s, u"100101"_s, 61, u"B"_s, 4, {u"010101000001"_s});
    c.bank.question(u"Q002"_s, u"100101"_s, 61, u"B"_s, 4);
    // K3 and K5 filled, K4 empty: both points are listed.
    c.bank.exec(u"UPDATE tab_answ SET K5 = '020301000002' WHERE A1 = 'Q001'"_s);
    c.bank.exec(u"UPDATE tab_answ SET K4 = '' WHERE A1 = 'Q001'"_s);
    TFrmLxxt& w = open();
    EXPECT_FALSE(button(w, u"btnPoints"_s)->isEnabled());
    answerCurrent(u"B"_s);
    ASSERT_TRUE(button(w, u"btnPoints"_s)->isEnabled());
    // Counting stops at the first empty code.
    EXPECT_EQ(c.bank.integer(u"SELECT q2 FROM tab_rule WHERE ftid = '020301000002'"_s), 0);

    bool shown = false;
    c.windows.on(u"TfrmAnswFagui"_s, [&](QDialog& dialog) {
        auto& points = static_cast<TfrmAnswFagui&>(dialog);
        shown = true;
        EXPECT_EQ(points.pointCodes(), (QStringList{u"010101000001"_s, u"020301000002"_s}));
        ASSERT_EQ(points.pointList()->count(), 2);
        EXPECT_EQ(points.pointList()->currentRow(), 0);
        EXPECT_EQ(points.titleLine()->text(), u"心血管用药"_s);
        EXPECT_EQ(points.pointText()->toPlainText(), u"利尿剂、β受体阻断剂……"_s);
        // Two points share a heading: each entry shows its own text and its own node.
        points.pointList()->setCurrentRow(1);
        EXPECT_EQ(points.pointText()->toPlainText(), u"钙通道阻滞剂……"_s);
        EXPECT_EQ(points.titleLine()->text(), u"抗高血压药"_s);
        click(dialog, u"btnClose"_s);
    });
    click(w, u"btnPoints"_s);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(w.isVisible());
}

TEST_F(QuestionWindows, relatedPointsLoadAnswersNoWithoutCodes)
{
    c.chapters();
    c.bank.question(u"Q001"_s, u"100101"_s, 61, u"B"_s, 4);
    c.bank.question(u"Q002"_s, u"100101"_s, 61, u"B"_s, 4, {u"990101000001"_s});
    AppContext& ctx = c.open();
    TfrmAnswFagui none(ctx);
    EXPECT_FALSE(none.Load(u"Q001"_s));
    EXPECT_FALSE(none.Load(u"NOSUCH"_s));
    // A code that is no longer in the catalogue opens an empty window.
    TfrmAnswFagui stale(ctx);
    ASSERT_TRUE(stale.Load(u"Q002"_s));
    stale.show();
    EXPECT_EQ(stale.pointList()->count(), 0);
    EXPECT_TRUE(stale.titleLine()->text().isEmpty());
    EXPECT_TRUE(stale.pointText()->toPlainText().isEmpty());
}

TEST_F(QuestionWindows, theExplanationViewerShowsStoredTextReadOnly)
{
    c.chapters();
    c.bank.question(u"Q001"_s, u"100101"_s, 61, u"B"_s);
    c.bank.question(u"Q002"_s, u"100101"_s, 61, u"B"_s);
    c.bank.exec(u"UPDATE tab_exer SET jx = '<p>因为<b>B</b>正确。</p>' WHERE A1 = 'Q001'"_s);
    AppContext& ctx = c.open();
    TFrmJx viewer(ctx);
    EXPECT_EQ(viewer.windowTitle(), u"解析"_s);
    viewer.bindExplanation(u"Q001"_s);
    EXPECT_EQ(viewer.pane()->toPlainText(), u"因为B正确。"_s);
    EXPECT_TRUE(viewer.pane()->isReadOnly());
    viewer.bindExplanation(u"Q002"_s);
    EXPECT_TRUE(viewer.pane()->toPlainText().isEmpty());
    // A table that is not a question table is refused and leaves the pane empty.
    viewer.bindExplanation(u"Q001"_s, u"tab_kmmc"_s);
    EXPECT_TRUE(viewer.pane()->toPlainText().isEmpty());
}
