#include "TestContext.h"

#include "store/CodeSchemes.h"
#include "store/PracticeQueries.h"
#include "store/QuestionEditor.h"
#include "store/QuestionRecord.h"
#include "store/QuestionSearch.h"
#include "store/StoreError.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class QuestionEditorStore : public ::testing::Test
{
protected:
    QuestionEditorStore()
    {
        t.bank.chapter(u"100101"_s);
        t.bank.point(u"AA0101000001"_s).point(u"AA0101000002"_s).point(u"BB0101000001"_s);
        t.bank.question(u"Q001"_s, u"100101"_s, 61, u"B"_s, 4, {u"AA0101000001"_s, u"AA0101000002"_s});
        t.bank.question(u"Q002"_s, u"100101"_s, 61, u"A"_s, 4, {u"AA0101000001"_s});
        t.bank.question(u"C000000000000001-01"_s, u"100101"_s, 61, u"A"_s, 4);
        t.bank.stem(u"C000000000000001"_s, u"共用题干"_s);
        t.bank.exec(u"UPDATE tab_rule SET q = 9"_s);
        t.open();
    }
    QuestionRecord record(const QString& key)
    {
        const QVector<QuestionRecord> rows =
            t.dm->readQuestions({u"SELECT * FROM tab_answ WHERE A1 = ?"_s, {key}});
        EXPECT_EQ(rows.size(), 1);
        return rows.value(0);
    }
    QuestionEditor::Changes changes(const QStringList& points)
    {
        QuestionEditor::Changes c;
        c.stem = u"新题干"_s;
        c.options = 5;
        c.answer = u"D"_s;
        c.type = 65;
        c.points = points;
        return c;
    }
    qint64 q(const QString& code)
    {
        return t.bank.integer(u"SELECT q FROM tab_rule WHERE ftid = ?"_s, {code});
    }

    TestContext t;
};

} // namespace

TEST_F(QuestionEditorStore, savingTwiceCountsTwoEdits)
{
    QuestionRecord row = record(u"Q001"_s);
    QuestionEditor editor(*t.dm);
    editor.save(row, changes({u"AA0101000001"_s}));
    editor.save(row, changes({u"AA0101000001"_s}));
    EXPECT_EQ(t.bank.integer(u"SELECT ecount FROM tab_answ WHERE A1 = 'Q001'"_s), 2);
    EXPECT_EQ(row.ecount, 2);
    EXPECT_EQ(t.bank.text(u"SELECT A2 || A2_1 || A13 FROM tab_answ WHERE A1 = 'Q001'"_s), u"D565"_s);
    EXPECT_EQ(t.bank.text(u"SELECT A15 FROM tab_exer WHERE A1 = 'Q001'"_s), u"新题干"_s);
    EXPECT_EQ(row.A2, u"D"_s);
    EXPECT_EQ(row.A13, 65);
}

TEST_F(QuestionEditorStore, thePointsAreRecountedFromTheQuestions)
{
    QuestionRecord row = record(u"Q001"_s);
    // AA..01 is held by this question and by Q002; AA..02 is taken off; BB..01 is new.
    QuestionEditor(*t.dm).save(row, changes({u"AA0101000001"_s, u"BB0101000001"_s}));
    EXPECT_EQ(q(u"AA0101000001"_s), 2);
    EXPECT_EQ(q(u"BB0101000001"_s), 1);
    EXPECT_EQ(q(u"AA0101000002"_s), 0);
    EXPECT_EQ(t.bank.text(
                  u"SELECT K3 || '|' || K4 || '|' || coalesce(K5, 'null') FROM tab_answ WHERE A1 = 'Q001'"_s),
              u"AA0101000001|BB0101000001|null"_s);
    EXPECT_EQ(CodeSchemes::citedPoints(row.K), (QStringList{u"AA0101000001"_s, u"BB0101000001"_s}));
}

TEST_F(QuestionEditorStore, removingEveryPointEmptiesTheColumns)
{
    QuestionRecord row = record(u"Q002"_s);
    QuestionEditor(*t.dm).save(row, changes({}));
    EXPECT_EQ(
        t.bank.integer(u"SELECT count(*) FROM tab_answ WHERE A1 = 'Q002' AND coalesce(K3, K4, K5, K6, K7,"
                       u" K8, K9, K10, K11, K12) IS NULL"_s),
        1);
    EXPECT_EQ(q(u"AA0101000001"_s), 1);
}

TEST_F(QuestionEditorStore, theSharedStemIsWrittenOnlyForKeysWithADash)
{
    QuestionRecord own = record(u"Q002"_s);
    QuestionEditor::Changes c = changes({});
    c.sharedStem = u"不该写入"_s;
    QuestionEditor(*t.dm).save(own, c);
    EXPECT_EQ(t.bank.text(u"SELECT A15 FROM tab_title"_s), u"共用题干"_s);

    QuestionRecord part = record(u"C000000000000001-01"_s);
    c.sharedStem = u"改过的共用题干"_s;
    QuestionEditor(*t.dm).save(part, c);
    EXPECT_EQ(t.bank.text(u"SELECT A15 FROM tab_title WHERE A1 = 'C000000000000001'"_s), u"改过的共用题干"_s);
}

TEST_F(QuestionEditorStore, aFailureLeavesTheQuestionAsItWas)
{
    t.bank.exec(
        u"CREATE TRIGGER refuse BEFORE UPDATE OF q ON tab_rule BEGIN SELECT RAISE(ABORT, 'locked'); END"_s);
    QuestionRecord row = record(u"Q001"_s);
    EXPECT_THROW(QuestionEditor(*t.dm).save(row, changes({u"BB0101000001"_s})), StoreError);
    EXPECT_EQ(t.bank.text(u"SELECT A2 || ecount || K3 FROM tab_answ WHERE A1 = 'Q001'"_s),
              u"B0AA0101000001"_s);
    EXPECT_EQ(t.bank.text(u"SELECT A15 FROM tab_exer WHERE A1 = 'Q001'"_s), u"题干 Q001"_s);
    EXPECT_EQ(row.A2, u"B"_s);
    EXPECT_EQ(row.ecount, 0);
}

TEST_F(QuestionEditorStore, anEditedQuestionIsFoundByItsNewText)
{
    struct Case
    {
        QString key;
        std::optional<QString> sharedStem;
        QString phrase;
    };
    for (const Case& k : {Case{u"Q001"_s, std::nullopt, u"新题干"_s},
                          Case{u"C000000000000001-01"_s, u"改过的共用题干"_s, u"改过的共用"_s}}) {
        SCOPED_TRACE(k.key.toStdString());
        QuestionRecord row = record(k.key);
        QuestionEditor::Changes c = changes({});
        c.sharedStem = k.sharedStem;
        QuestionEditor(*t.dm).save(row, c);
        QStringList found;
        for (const QuestionSearch::Hit& hit : QuestionSearch(*t.dm).find(k.phrase))
            found.append(hit.A1);
        EXPECT_TRUE(found.contains(k.key)) << found.join(u' ').toStdString();
    }
}
