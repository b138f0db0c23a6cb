#include "AuthoringFixture.h"

#include "authoring/PointListWidget.h"
#include "authoring/RichTextEditor.h"
#include "authoring/TfrmTedit.h"

#include "store/QuestionRecord.h"
#include "store/TDM1.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// Rich text as the bank builder stores it, and a second one as an older bank might hold it.
const QString BankStem =
    u"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\" \"http://www.w3.org/TR/REC-html40/strict.dtd\">\n"
    u"<html><head><meta name=\"qrichtext\" content=\"1\" /></head><body>\n"
    u"<p style=\" margin-top:0px;\"><span style=\" font-weight:700;\">粗体</span>'引号'，\"双引号\"  "
    u"两个空格</p>"
    u"</body></html>"_s;

class EditWindow : public ::testing::Test
{
protected:
    EditWindow()
    {
        c.bank.question(u"Q001"_s, u"100101"_s, 65, u"AC"_s, 4, {u"AA0101000001"_s}, BankStem);
        c.bank.exec(u"UPDATE tab_exer SET jx = ? WHERE A1 = 'Q001'"_s, {u"纯文本解析 'x'"_s});
        c.bank.question(u"Q002"_s, u"100101"_s, 71, u"1"_s, 1);
        c.bank.question(u"C000000000000001-01"_s, u"100101"_s, 61, u"A"_s, 4);
        c.bank.stem(u"C000000000000001"_s, u"<p>共用</p>"_s);
    }
    TfrmTedit& open(const QString& key)
    {
        AppContext& ctx = c.app ? *c.app : c.open();
        const QVector<QuestionRecord> rows =
            ctx.dm.readQuestions({u"SELECT * FROM tab_answ WHERE A1 = ?"_s, {key}});
        record = rows.value(0);
        window = std::make_unique<TfrmTedit>(ctx, record);
        window->show();
        return *window;
    }
    QLineEdit* answer() { return window->findChild<QLineEdit*>(u"answerEdit"_s); }
    QSpinBox* options() { return window->findChild<QSpinBox*>(u"optionCount"_s); }
    QComboBox* types() { return window->findChild<QComboBox*>(u"typeList"_s); }
    QString stored(const QString& sql) { return c.bank.text(sql); }

    AuthoringContext c;
    QuestionRecord record;
    std::unique_ptr<TfrmTedit> window;
};

} // namespace

TEST_F(EditWindow, showsTheQuestion)
{
    TfrmTedit& w = open(u"Q001"_s);
    EXPECT_EQ(w.windowTitle(), u"试题修改"_s);
    EXPECT_EQ(options()->value(), 4);
    EXPECT_EQ(answer()->text(), u"AC"_s);
    EXPECT_EQ(types()->currentText(), u"多项选择题"_s);
    EXPECT_TRUE(answer()->isEnabled());
    EXPECT_TRUE(w.sharedStemEditor()->isHidden());
    EXPECT_EQ(w.points()->codes(), (QStringList{u"AA0101000001"_s}));
    EXPECT_EQ(w.points()->item(0)->text(), u"节点 AA0101考点 AA0101000001"_s);
    EXPECT_EQ(w.explanationEditor()->toPlainText(), u"纯文本解析 'x'"_s);

    open(u"Q002"_s);
    EXPECT_EQ(types()->currentText(), u"简答"_s);
    EXPECT_EQ(options()->value(), 1);
    EXPECT_EQ(answer()->text(), u"1"_s);
    EXPECT_FALSE(options()->isEnabled());
    EXPECT_FALSE(answer()->isEnabled());

    TfrmTedit& shared = open(u"C000000000000001-01"_s);
    EXPECT_FALSE(shared.sharedStemEditor()->isHidden());
    EXPECT_EQ(shared.sharedStemEditor()->toPlainText(), u"共用"_s);
}

TEST_F(EditWindow, unchangedTextsAreWrittenBackAsTheyWere)
{
    const QString before = stored(u"SELECT A15 || '|' || jx FROM tab_exer WHERE A1 = 'Q001'"_s);
    TfrmTedit& w = open(u"Q001"_s);
    click(w, u"btnSave"_s);
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(stored(u"SELECT A15 || '|' || jx FROM tab_exer WHERE A1 = 'Q001'"_s), before);
    EXPECT_EQ(stored(u"SELECT ecount FROM tab_answ WHERE A1 = 'Q001'"_s), u"1"_s);
    // A second editing of the same question counts again.
    window = std::make_unique<TfrmTedit>(*c.app, record);
    click(*window, u"btnSave"_s);
    EXPECT_EQ(stored(u"SELECT ecount FROM tab_answ WHERE A1 = 'Q001'"_s), u"2"_s);
    EXPECT_EQ(record.ecount, 2);
    EXPECT_EQ(stored(u"SELECT A15 FROM tab_exer WHERE A1 = 'Q001'"_s), BankStem);
}

TEST_F(EditWindow, anEditedTextKeepsItsFormatting)
{
    TfrmTedit& w = open(u"Q001"_s);
    QTextCursor cursor(w.stemEditor()->document());
    cursor.movePosition(QTextCursor::End);
    w.stemEditor()->setTextCursor(cursor);
    w.stemEditor()->insertPlainText(u"，补充"_s);
    QTest::keyClicks(answer(), u"d"_s);
    click(w, u"btnSave"_s);
    const QString stem = stored(u"SELECT A15 FROM tab_exer WHERE A1 = 'Q001'"_s);
    EXPECT_TRUE(stem.contains(u"font-weight:700"_s)) << stem.toStdString();
    EXPECT_FALSE(stem.contains(u"<body style"_s));
    QTextDocument document;
    document.setHtml(stem);
    EXPECT_EQ(document.toPlainText(), u"粗体'引号'，\"双引号\"  两个空格，补充"_s);
    EXPECT_EQ(stored(u"SELECT A2 FROM tab_answ WHERE A1 = 'Q001'"_s), u"ACD"_s);
    EXPECT_EQ(record.A2, u"ACD"_s);
}

TEST_F(EditWindow, cancelWritesNothing)
{
    TfrmTedit& w = open(u"Q001"_s);
    w.stemEditor()->insertPlainText(u"改"_s);
    w.points()->clear();
    click(w, u"btnCancel"_s);
    EXPECT_EQ(w.result(), QDialog::Rejected);
    EXPECT_EQ(stored(u"SELECT A15 FROM tab_exer WHERE A1 = 'Q001'"_s), BankStem);
    EXPECT_EQ(stored(u"SELECT K3 || ecount FROM tab_answ WHERE A1 = 'Q001'"_s), u"AA0101000001"_s + u"0"_s);
}

TEST_F(EditWindow, aFailedSaveStaysWithTheEdits)
{
    c.bank.exec(
        u"CREATE TRIGGER refuse BEFORE UPDATE ON tab_answ BEGIN SELECT RAISE(ABORT, 'locked'); END"_s);
    TfrmTedit& w = open(u"Q001"_s);
    w.stemEditor()->insertPlainText(u"改"_s);
    click(w, u"btnSave"_s);
    EXPECT_TRUE(c.prompts.last().text.startsWith(u"保存试题出现错误！"_s));
    EXPECT_NE(w.result(), QDialog::Accepted);
    EXPECT_TRUE(w.stemEditor()->toPlainText().contains(u"改"_s));
    EXPECT_EQ(stored(u"SELECT A15 FROM tab_exer WHERE A1 = 'Q001'"_s), BankStem);
    EXPECT_EQ(record.ecount, 0);
}

TEST_F(EditWindow, aSharedStemIsSavedWithTheQuestion)
{
    TfrmTedit& w = open(u"C000000000000001-01"_s);
    w.sharedStemEditor()->insertPlainText(u"材料"_s);
    click(w, u"btnSave"_s);
    QTextDocument document;
    document.setHtml(stored(u"SELECT A15 FROM tab_title"_s));
    EXPECT_EQ(document.toPlainText(), u"材料共用"_s);
}
