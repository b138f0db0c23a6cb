#include "AuthoringFixture.h"

#include "authoring/PointListWidget.h"
#include "authoring/RichTextEditor.h"
#include "authoring/TFrmInPut.h"
#include "authoring/TFrmSelectFG.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <QTextDocument>
#include <QUrl>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class EntryWindow : public ::testing::Test
{
protected:
    TFrmInPut& open()
    {
        window = std::make_unique<TFrmInPut>(c.app ? *c.app : c.open(), u"100101"_s);
        window->setCaptionText(u"试题录入 [第 100101 章]"_s);
        window->show();
        return *window;
    }
    QLineEdit* answer() { return window->findChild<QLineEdit*>(u"answerEdit"_s); }
    QSpinBox* options() { return window->findChild<QSpinBox*>(u"optionCount"_s); }
    QComboBox* types() { return window->findChild<QComboBox*>(u"typeList"_s); }
    void chooseType(const QString& name)
    {
        const int index = types()->findText(name);
        ASSERT_GE(index, 0) << name.toStdString();
        types()->setCurrentIndex(index);
    }
    void typeQuestion(const QString& stem, const QString& letters)
    {
        window->stemEditor()->setFocus();
        window->stemEditor()->insertPlainText(stem);
        QTest::keyClicks(answer(), letters);
    }
    // The picker, when "添加考点" opens it, chooses a node and ticks rows, then confirms.
    void pickerTicks(int node, const QList<int>& rows)
    {
        c.windows.on(u"TFrmSelectFG"_s, [node, rows](QDialog& dialog) {
            auto& picker = static_cast<TFrmSelectFG&>(dialog);
            if (node > 0)
                chooseNode(picker, node);
            for (int row : rows)
                tick(picker, row);
            picker.confirm();
        });
    }
    QString userRow(const QString& columns)
    {
        return c.bank.text(u"SELECT "_s + columns +
                           u" FROM tab_answ a JOIN tab_exer e ON e.A1 = a.A1"
                           u" WHERE a.A1 LIKE 'US%' ORDER BY a.rowid DESC"_s);
    }

    AuthoringContext c;
    std::unique_ptr<TFrmInPut> window;
};

} // namespace

TEST_F(EntryWindow, opensEmptyWithTheTypesOfTheSubject)
{
    c.bank.type(3, 61, u"单选"_s, 0, 0);
    AppContext& ctx = c.open();
    ctx.CurrentSubject = 0;
    TFrmInPut& w = open();
    EXPECT_EQ(ctx.CurrentSubject, 1);
    EXPECT_EQ(w.windowTitle(), u"试题录入"_s);
    EXPECT_EQ(textOf(w, u"captionLabel"_s), u"试题录入 [第 100101 章]"_s);
    EXPECT_EQ(options()->value(), 5);
    EXPECT_EQ(options()->minimum(), 1);
    EXPECT_EQ(options()->maximum(), 7);
    EXPECT_EQ(answer()->maxLength(), 100);
    ASSERT_EQ(types()->count(), 5);
    EXPECT_EQ(types()->itemText(0), u"单项选择题"_s);
    EXPECT_EQ(types()->itemText(4), u"简答"_s);
    EXPECT_EQ(types()->currentIndex(), 0);
    EXPECT_EQ(w.savedCount(), 0);
    EXPECT_EQ(w.size(), QSize(931, 611));
}

TEST_F(EntryWindow, eachMissingFieldIsNamedAndNothingIsWritten)
{
    TFrmInPut& w = open();
    click(w, u"btnSave"_s);
    w.stemEditor()->insertPlainText(u"   "_s);
    click(w, u"btnSave"_s);
    w.stemEditor()->insertPlainText(u"题干"_s);
    QTest::keyClicks(answer(), u"  "_s);
    click(w, u"btnSave"_s);
    EXPECT_EQ(c.prompts.texts(),
              (QStringList{u"请填写试题内容！"_s, u"请填写试题内容！"_s, u"请填写试题答案！"_s}));
    EXPECT_EQ(c.prompts.last().icon, Prompts::Icon::Information);
    EXPECT_EQ(c.prompts.last().title, u"提示"_s);
    EXPECT_EQ(c.bank.integer(u"SELECT count(*) FROM tab_answ"_s), 0);

    c.app->CurrentSubject = 4; // a subject without types
    TFrmInPut& empty = open();
    typeQuestion(u"题干"_s, u"a"_s);
    click(empty, u"btnSave"_s);
    EXPECT_EQ(c.prompts.last().text, u"请选择题型！"_s);
    EXPECT_EQ(c.bank.integer(u"SELECT count(*) FROM tab_answ"_s), 0);
}

TEST_F(EntryWindow, savesAQuestionAndEmptiesForTheNext)
{
    TFrmInPut& w = open();
    chooseType(u"多项选择题"_s);
    options()->setValue(4);
    typeQuestion(u"它说'好'，\"对\"  吗？"_s, u"acd"_s);
    EXPECT_EQ(answer()->text(), u"ACD"_s);
    w.explanationEditor()->insertPlainText(u"   "_s);
    click(w, u"btnSave"_s);
    EXPECT_TRUE(c.prompts.messages.isEmpty()) << c.prompts.texts().join(u' ').toStdString();
    EXPECT_EQ(w.savedCount(), 1);
    EXPECT_EQ(
        userRow(
            u"a.A1 || '|' || A2 || '|' || A2_1 || '|' || A13 || '|' || F1 || '|' || coalesce(jx, 'null')"_s),
        u"US10010165400001|ACD|4|65|2|null"_s);
    // Stored as the bank stores rich text: Qt HTML without the document's font, the text as typed.
    const QString stem = userRow(u"A15"_s);
    EXPECT_TRUE(stem.contains(u"<body>"_s)) << stem.toStdString();
    QTextDocument document;
    document.setHtml(stem);
    EXPECT_EQ(document.toPlainText(), u"它说'好'，\"对\"  吗？"_s);
    // Empty again, the option count kept, the first type selected.
    EXPECT_TRUE(w.stemEditor()->isBlank());
    EXPECT_TRUE(answer()->text().isEmpty());
    EXPECT_EQ(options()->value(), 4);
    EXPECT_EQ(types()->currentIndex(), 0);
    typeQuestion(u"第二题"_s, u"b"_s);
    click(w, u"btnSave"_s);
    EXPECT_EQ(w.savedCount(), 2);
    EXPECT_EQ(userRow(u"a.A1"_s), u"US10010161400002"_s);
    EXPECT_EQ(c.bank.integer(u"SELECT C3 FROM tab_kmmc WHERE C1 = '1001'"_s), 2);
}

TEST_F(EntryWindow, aSubjectiveTypeLocksOptionsAndAnswer)
{
    TFrmInPut& w = open();
    QTest::keyClicks(answer(), u"ab"_s);
    chooseType(u"简答"_s);
    EXPECT_EQ(options()->value(), 1);
    EXPECT_EQ(answer()->text(), u"1"_s);
    EXPECT_FALSE(options()->isEnabled());
    EXPECT_FALSE(answer()->isEnabled());
    w.stemEditor()->insertPlainText(u"简述理由。"_s);
    click(w, u"btnSave"_s);
    EXPECT_EQ(userRow(u"A2 || '|' || A2_1 || '|' || A13"_s), u"1|1|71"_s);
    // Open again after the save, and the first type selected without the rule being run.
    EXPECT_TRUE(options()->isEnabled());
    EXPECT_TRUE(answer()->isEnabled());
    EXPECT_EQ(types()->currentIndex(), 0);
    EXPECT_EQ(options()->value(), 1);
    // A choice type opens the fields again and clears the answer.
    chooseType(u"简答"_s);
    chooseType(u"判断题"_s);
    EXPECT_TRUE(answer()->isEnabled());
    EXPECT_TRUE(answer()->text().isEmpty());
}

TEST_F(EntryWindow, pointsAreAttachedOnceEachWithTheirNodeName)
{
    TFrmInPut& w = open();
    pickerTicks(1, {0});
    click(w, u"btnAddPoint"_s);
    EXPECT_EQ(c.app->AttachedPointCount, 0);
    // Again: node AA0101 shows the attached point ticked; only the newly ticked one is added.
    pickerTicks(1, {2});
    click(w, u"btnAddPoint"_s);
    EXPECT_EQ(c.app->AttachedPointCount, 1);
    EXPECT_EQ(w.points()->codes(), (QStringList{u"AA0101000001"_s, u"AA0101000003"_s}));
    EXPECT_EQ(w.points()->item(1)->text(), u"节点 AA0101[考点 AA0101000003]"_s);
    // Closing the picker changes nothing.
    c.windows.on(u"TFrmSelectFG"_s, [](QDialog& dialog) { dialog.reject(); });
    click(w, u"btnAddPoint"_s);
    EXPECT_EQ(w.points()->count(), 2);
    // Delete removes the selected entry with its code.
    w.points()->setCurrentRow(0);
    QTest::keyClick(w.points(), Qt::Key_Delete);
    EXPECT_EQ(w.points()->codes(), (QStringList{u"AA0101000003"_s}));

    typeQuestion(u"题干"_s, u"a"_s);
    click(w, u"btnSave"_s);
    EXPECT_EQ(userRow(u"K3 || '|' || coalesce(K4, 'null')"_s), u"AA0101000003|null"_s);
    EXPECT_EQ(c.bank.integer(u"SELECT q FROM tab_rule WHERE ftid = 'AA0101000003'"_s), 1);
    EXPECT_EQ(c.bank.integer(u"SELECT q FROM tab_fgmc WHERE id = 'AA'"_s), 1);
}

TEST_F(EntryWindow, tenPointsAreTheMost)
{
    TFrmInPut& w = open();
    for (int i = 0; i < 10; ++i)
        w.points()->append(u"AA01010000%1"_s.arg(i, 2, 10, QChar(u'0')), u"p"_s);
    click(w, u"btnAddPoint"_s);
    EXPECT_EQ(
        c.prompts.last().text,
        u"试题对应考点最多为10条！\n如果要去掉考点，请选中要\n去掉的考点，再按键盘上的\n[Delete]键！"_s);
    EXPECT_FALSE(c.windows.shown.contains(u"TFrmSelectFG"_s));
}

TEST_F(EntryWindow, aFailedSaveKeepsWhatWasTyped)
{
    c.bank.exec(
        u"CREATE TRIGGER refuse BEFORE UPDATE OF C3 ON tab_kmmc BEGIN SELECT RAISE(ABORT, 'disk full'); END"_s);
    TFrmInPut& w = open();
    pickerTicks(1, {1});
    click(w, u"btnAddPoint"_s);
    typeQuestion(u"保留的题干"_s, u"b"_s);
    click(w, u"btnSave"_s);
    ASSERT_EQ(c.prompts.messages.size(), 1);
    EXPECT_TRUE(c.prompts.last().text.startsWith(u"保存试题出现错误！"_s));
    EXPECT_EQ(w.savedCount(), 0);
    EXPECT_EQ(w.stemEditor()->toPlainText(), u"保留的题干"_s);
    EXPECT_EQ(answer()->text(), u"B"_s);
    EXPECT_EQ(w.points()->count(), 1);
    EXPECT_EQ(c.bank.integer(u"SELECT count(*) FROM tab_answ"_s), 0);
    EXPECT_EQ(c.bank.integer(u"SELECT count(*) FROM tab_exer"_s), 0);
    EXPECT_EQ(c.bank.integer(u"SELECT sum(q) FROM tab_rule"_s), 0);
}

TEST_F(EntryWindow, runningNumbersEndAt9999)
{
    c.bank.question(u"US1001016149999"_s, u"100101"_s, 61, u"A"_s);
    TFrmInPut& w = open();
    typeQuestion(u"题干"_s, u"a"_s);
    click(w, u"btnSave"_s);
    EXPECT_EQ(c.prompts.last().text, u"最多只能录入9999道题！"_s);
    EXPECT_EQ(c.prompts.last().icon, Prompts::Icon::Warning);
    EXPECT_EQ(c.bank.integer(u"SELECT count(*) FROM tab_answ"_s), 1);
    EXPECT_EQ(w.savedCount(), 0);
}

TEST_F(EntryWindow, theOtherCommands)
{
    TFrmInPut& w = open();
    c.app->SettingsMode = 1;
    click(w, u"btnSettings"_s);
    EXPECT_EQ(c.actions.settingsOpened, 1);
    EXPECT_EQ(c.app->SettingsMode, 0);
    click(w, u"btnInstructions"_s);
    EXPECT_EQ(c.windows.shown, (QStringList{u"TFrmSelectFG"_s}));
    typeQuestion(u"题干"_s, u"a"_s);
    w.points()->append(u"AA0101000001"_s, u"p"_s);
    chooseType(u"简答"_s);
    click(w, u"btnClear"_s);
    EXPECT_TRUE(w.stemEditor()->isBlank());
    EXPECT_TRUE(answer()->text().isEmpty());
    EXPECT_EQ(w.points()->count(), 0);
    EXPECT_EQ(types()->currentIndex(), 0);
    click(w, u"btnClose"_s);
    EXPECT_TRUE(options()->isEnabled());
    EXPECT_EQ(w.result(), QDialog::Rejected);
}

TEST(RichTextEditorPictures, onlyPicturesFromPicOrDataAreKept)
{
    RichTextEditor editor(QString(), u"e"_s, u"e"_s);
    editor.setHtml(u"<p>a<img src=\"pic/ok.png\">b<img src=\"file:///etc/passwd\">c"
                   u"<img src=\"data:image/png;base64,AAAA\">d<img src=\"http://example.com/x.png\">"
                   u"<img src=\"pic/../../x.png\"></p>"_s);
    editor.document()->setModified(true);
    const QString stored = editor.storedText();
    EXPECT_TRUE(stored.contains(u"pic/ok.png"_s));
    EXPECT_TRUE(stored.contains(u"data:image/png;base64,AAAA"_s));
    EXPECT_FALSE(stored.contains(u"passwd"_s));
    EXPECT_FALSE(stored.contains(u"example.com"_s));
    EXPECT_FALSE(stored.contains(u"../"_s));
    EXPECT_FALSE(stored.contains(u"<body style"_s));
    // Nothing outside pic/ is ever read, not even to show it.
    EXPECT_TRUE(editor.loadResource(QTextDocument::ImageResource, QUrl(u"file:///etc/passwd"_s))
                    .value<QImage>()
                    .isNull());
}
