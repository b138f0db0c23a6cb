#include "TestContext.h"

#include "store/QuestionEntry.h"
#include "store/QuestionSearch.h"
#include "store/StoreError.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class QuestionEntryStore : public ::testing::Test
{
protected:
    QuestionEntryStore()
    {
        t.bank.chapter(u"1"_s).chapter(u"10"_s).chapter(u"1012"_s).chapter(u"10120"_s).chapter(u"101203"_s);
        t.bank.point(u"AA0101000001"_s).point(u"AA0202000001"_s).point(u"AA0202000002"_s);
    }
    QuestionEntry& entry()
    {
        if (!m_entry) {
            t.open();
            m_entry = std::make_unique<QuestionEntry>(*t.dm);
        }
        return *m_entry;
    }
    QuestionEntry::Question question(const QStringList& points = {})
    {
        QuestionEntry::Question q;
        q.chapter = u"101203"_s;
        q.optionText = u"4"_s;
        q.type = 61;
        q.answer = u"C"_s;
        q.points = points;
        q.stem = u"<html><body><p>题干</p></body></html>"_s;
        return q;
    }
    qint64 c3(const QString& code)
    {
        return t.bank.integer(u"SELECT C3 FROM tab_kmmc WHERE C1 = ?"_s, {code});
    }
    QString counters()
    {
        return t.bank.text(u"SELECT group_concat(c, ',') FROM (SELECT C1 || '=' || C3 AS c FROM tab_kmmc"
                           u" UNION ALL SELECT ftid || '=' || q FROM tab_rule"
                           u" UNION ALL SELECT id || '=' || q FROM tab_fgmc ORDER BY 1)"_s);
    }

    TestContext t;
    std::unique_ptr<QuestionEntry> m_entry;
};

} // namespace

struct KeyCase
{
    QStringList existing;
    QString next;
};

void PrintTo(const KeyCase& c, std::ostream* out)
{
    *out << c.existing.size() << "_keys_to_" << c.next.toStdString();
}

class UserKeys : public ::testing::TestWithParam<KeyCase>
{
};

TEST_P(UserKeys, followTheLargestRunningNumber)
{
    TestContext t;
    t.bank.chapter(u"101203"_s);
    for (const QString& key : GetParam().existing)
        t.bank.question(key, u"101203"_s, 61, u"A"_s);
    t.open();
    QuestionEntry entry(*t.dm);
    QuestionEntry::Question q;
    q.chapter = u"101203"_s;
    q.optionText = u"5"_s;
    q.type = 65;
    q.answer = u"AB"_s;
    q.stem = u"题干"_s;
    EXPECT_EQ(entry.save(q), GetParam().next);
}

INSTANTIATE_TEST_SUITE_P(RunningNumbers, UserKeys,
                         ::testing::Values(KeyCase{{}, u"US10120365500001"_s},
                                           // Bank keys do not count; only keys beginning with "U".
                                           KeyCase{{u"Q0000000099"_s}, u"US10120365500001"_s},
                                           KeyCase{{u"US10120361400007"_s, u"US10120361400999"_s},
                                                   u"US1012036551000"_s},
                                           KeyCase{{u"US1012036141000"_s}, u"US1012036551001"_s}));

TEST_F(QuestionEntryStore, savesTheRecordAndItsContentAsTyped)
{
    QuestionEntry::Question q = question({u"AA0101000001"_s, u"AA0202000002"_s});
    q.answer = u"它说'好' \"是\"，　"_s;
    q.stem = u"<p>引号'与\"，全角，空格  </p>"_s;
    q.explanation = u"解析：'x'"_s;
    const QString key = entry().save(q);
    EXPECT_EQ(
        t.bank.text(u"SELECT A2 || '|' || A2_1 || '|' || A10 || '|' || A13 || '|' || F1 || '|' || K3 || '|'"
                    u" || K4 || '|' || coalesce(K5, 'null') FROM tab_answ WHERE A1 = ?"_s,
                    {key}),
        u"它说'好' \"是\"，　|4|101203|61|2|AA0101000001|AA0202000002|null"_s);
    EXPECT_EQ(t.bank.text(u"SELECT A15 FROM tab_exer WHERE A1 = ?"_s, {key}), q.stem);
    EXPECT_EQ(t.bank.text(u"SELECT jx FROM tab_exer WHERE A1 = ?"_s, {key}), q.explanation);
}

TEST_F(QuestionEntryStore, withoutPointsOnlyTheChapterCountsRise)
{
    const QString key = entry().save(question());
    EXPECT_EQ(t.bank.integer(u"SELECT count(*) FROM tab_exer WHERE A1 = ? AND jx IS NULL"_s, {key}), 1);
    EXPECT_EQ(t.bank.integer(u"SELECT count(*) FROM tab_answ WHERE A1 = ? AND K3 IS NULL"_s, {key}), 1);
    // The chapter and its rows of 4, 2 and 1 characters; not the 5-character row.
    for (const QString& code : {u"101203"_s, u"1012"_s, u"10"_s, u"1"_s})
        EXPECT_EQ(c3(code), 1) << code.toStdString();
    EXPECT_EQ(c3(u"10120"_s), 0);
    EXPECT_EQ(t.bank.integer(u"SELECT sum(q) FROM tab_rule"_s), 0);
    EXPECT_EQ(t.bank.integer(u"SELECT sum(q) FROM tab_fgmc"_s), 0);
}

TEST_F(QuestionEntryStore, sharedPrefixesAreCountedOnce)
{
    entry().save(question({u"AA0101000001"_s, u"AA0202000001"_s, u"AA0202000002"_s}));
    for (const QString& code : {u"AA0101000001"_s, u"AA0202000001"_s, u"AA0202000002"_s})
        EXPECT_EQ(t.bank.integer(u"SELECT q FROM tab_rule WHERE ftid = ?"_s, {code}), 1);
    EXPECT_EQ(t.bank.integer(u"SELECT q FROM tab_fgmc WHERE id = 'AA0101'"_s), 1);
    EXPECT_EQ(t.bank.integer(u"SELECT q FROM tab_fgmc WHERE id = 'AA0202'"_s), 1);
    EXPECT_EQ(t.bank.integer(u"SELECT q FROM tab_fgmc WHERE id = 'AA'"_s), 1);
}

// A statement that fails late in the save: the rows and every counter are as before.
TEST_F(QuestionEntryStore, aFailureInsideTheSaveLeavesNothingWritten)
{
    t.bank.exec(
        u"CREATE TRIGGER refuse BEFORE UPDATE OF q ON tab_fgmc BEGIN SELECT RAISE(ABORT, 'disk full'); END"_s);
    const QString before = counters();
    try {
        entry().save(question({u"AA0101000001"_s}));
        FAIL() << "the save went through";
    } catch (const StoreError& e) {
        EXPECT_TRUE(e.message().contains(u"disk full"_s)) << e.message().toStdString();
    }
    EXPECT_EQ(t.bank.integer(u"SELECT count(*) FROM tab_answ"_s), 0);
    EXPECT_EQ(t.bank.integer(u"SELECT count(*) FROM tab_exer"_s), 0);
    EXPECT_EQ(counters(), before);
    // The connection is usable again: the next save goes through once the cause is gone.
    t.bank.exec(u"DROP TRIGGER refuse"_s);
    EXPECT_EQ(entry().save(question()), u"US10120361400001"_s);
}

TEST_F(QuestionEntryStore, theTypesComeInCodeOrder)
{
    t.bank.type(2, 65, u"多选"_s, 0, 0).type(2, 61, u"单选"_s, 0, 0);
    t.open();
    t.dm->bindTypeTable(2);
    const QVector<QuestionEntry::Type> types = QuestionEntry(*t.dm).types();
    ASSERT_EQ(types.size(), 2);
    EXPECT_EQ(types[0].A1, 61);
    EXPECT_EQ(types[1].B1, u"多选"_s);
}

TEST_F(QuestionEntryStore, aSavedQuestionIsFoundByTheBankSearch)
{
    QuestionEntry::Question q = question();
    q.explanation = u"<p>记住<b>增值税</b>的税率</p>"_s;
    const QString key = entry().save(q);
    const QVector<QuestionSearch::Hit> hits = QuestionSearch(*t.dm).find(u"增值税的税率"_s);
    ASSERT_EQ(hits.size(), 1);
    EXPECT_EQ(hits[0].A1, key);
}
