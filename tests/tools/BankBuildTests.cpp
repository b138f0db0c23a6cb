// A good source becomes a complete bank: the schema, every row, the counters
// and the rich text; OUT is replaced only when asked and only by a whole bank.
#include "BankCommand.h"
#include "BankContent.h"
#include "BankSource.h"
#include "BankWriter.h"
#include "SourceFolder.h"

#include "store/BankSchema.h"
#include "store/StatementBinding.h"
#include "store/StoreError.h"

#include <QFile>
#include <QFileInfo>
#include <QTextDocument>
#include <QTextStream>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

const char16_t* const Questions = uR"json(
  { "A1": "Q1", "A10": "100101", "A13": 61, "xx": 3, "stem": "200 的 15% 是多少？",
    "options": ["3", "30", "300", "1.5"], "A2": "B", "K": ["010101000001", "010101000002"],
    "jx": "200 × 0.15 = 30<br><b>故选 B</b>" },
  { "A1": "Q2", "A10": "100101", "A13": 65, "xx": 1, "stem": "当 a < b 且 b < c 时，正确的有",
    "options": ["a < c", "c > a", "a > c", "b > c", "a 与 c 无法比较"], "A2": "AB", "K": ["010101000002"] },
  { "A1": "Q3", "A10": "100102", "A13": 62, "stem": "比的前项和后项同乘一个数，比值不变。", "A2": "B",
    "K": ["010102000001"], "jx": "  " },
  { "A1": "C200101000000001-1", "A10": "200101", "A13": 61, "xx": 1,
    "stem": "<p>根据<i>上述资料</i>，一季度平均每月销售额是</p>", "options": ["40万元", "<b>60</b>万元", "120万元"],
    "A2": "A" },
  { "A1": "Q5", "A10": "200101", "A13": 64, "xx": 2, "stem": "分析示例公司的销售变化。", "A2": "1",
    "jx": "答题要点：比较各月数据。" }
)json";

QString plainTextOf(const QString& html)
{
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
}

class BuiltBank : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_source.header().questions(u"10-questions.json"_s, QString::fromUtf16(Questions));
        m_out = m_source.outPath(u"KX50418.mdb"_s);
        ASSERT_EQ(build(), BankCommand::Success) << m_errors.toStdString();
        m_db = std::make_unique<SQLite::Database>(m_out.toStdString(), SQLite::OPEN_READONLY);
    }

    int build(const QStringList& extra = {})
    {
        m_errors.clear();
        QTextStream stream(&m_errors);
        return BankCommand::run(QStringList{u"build"_s, m_source.path(), m_out} + extra, stream);
    }

    QString text(const char* sql, const QString& value = {})
    {
        SQLite::Statement statement(*m_db, sql);
        if (!value.isNull())
            StatementBinding::bindText(statement, 1, value);
        return statement.executeStep() ? StatementBinding::text(statement, 0) : u"<no row>"_s;
    }

    qint64 integer(const char* sql, const QString& value = {})
    {
        SQLite::Statement statement(*m_db, sql);
        if (!value.isNull())
            StatementBinding::bindText(statement, 1, value);
        return statement.executeStep() ? statement.getColumn(0).getInt64() : -1;
    }

    SourceFolder m_source;
    QString m_out;
    QString m_errors;
    std::unique_ptr<SQLite::Database> m_db;
};

TEST_F(BuiltBank, SchemaIsTheBankSchema)
{
    SQLite::Database fresh(":memory:", SQLite::OPEN_READWRITE);
    BankSchema::create(fresh);
    const char* const schema = "SELECT group_concat(type || ' ' || name || ': ' || sql, char(10))"
                               " FROM (SELECT * FROM sqlite_master WHERE name NOT LIKE 'sqlite_%' AND name "
                               "NOT LIKE 'question_search%'"
                               " ORDER BY name)";
    SQLite::Statement expected(fresh, schema);
    ASSERT_TRUE(expected.executeStep());
    EXPECT_EQ(text(schema), StatementBinding::text(expected, 0));
    // The planner's statistics ship with the bank.
    EXPECT_EQ(integer("SELECT count(*) FROM sqlite_master WHERE name = 'sqlite_stat1'"), 1);
    // So does the search index, one entry per question.
    EXPECT_EQ(integer("SELECT count(*) FROM question_search_key"), integer("SELECT count(*) FROM tab_answ"));
}

TEST_F(BuiltBank, ChapterCountsIncludeSubChapters)
{
    const std::map<QString, qint64> expected{{u"1"_s, 3},      {u"10"_s, 3},     {u"1001"_s, 3},
                                             {u"100101"_s, 2}, {u"100102"_s, 1}, {u"2"_s, 2},
                                             {u"20"_s, 2},     {u"2001"_s, 2},   {u"200101"_s, 2}};
    for (const auto& [code, count] : expected)
        EXPECT_EQ(integer("SELECT C3 FROM tab_kmmc WHERE C1 = ?", code), count) << code.toStdString();
    EXPECT_EQ(integer("SELECT count(*) FROM tab_kmmc WHERE C4 <> 0 OR D1 <> 0 OR D2 <> 0 OR C6 <> '0'"), 0);
}

TEST_F(BuiltBank, PointAndNodeCountsCountEachQuestionOnce)
{
    const std::map<QString, qint64> points{
        {u"010101000001"_s, 1}, {u"010101000002"_s, 2}, {u"010102000001"_s, 1}};
    for (const auto& [ftid, count] : points)
        EXPECT_EQ(integer("SELECT q FROM tab_rule WHERE ftid = ?", ftid), count) << ftid.toStdString();
    // Q1 cites two points of node 010101 and counts once there.
    const std::map<QString, qint64> nodes{{u"01"_s, 3}, {u"010101"_s, 2}, {u"010102"_s, 1}};
    for (const auto& [id, count] : nodes)
        EXPECT_EQ(integer("SELECT q FROM tab_fgmc WHERE id = ?", id), count) << id.toStdString();
    EXPECT_EQ(text("SELECT id FROM tab_rule WHERE ftid = '010102000001'"), u"010102"_s);
    EXPECT_EQ(integer("SELECT count(*) FROM tab_rule WHERE q1 + q2 + q4 <> 0"), 0);
}

TEST_F(BuiltBank, QuestionRecordsTakeOptionCountsAndPoints)
{
    const std::map<QString, qint64> optionCounts{
        {u"Q1"_s, 4}, {u"Q2"_s, 5}, {u"Q3"_s, 2}, {u"C200101000000001-1"_s, 3}, {u"Q5"_s, 1}};
    for (const auto& [key, count] : optionCounts)
        EXPECT_EQ(integer("SELECT A2_1 FROM tab_answ WHERE A1 = ?", key), count) << key.toStdString();
    EXPECT_EQ(text("SELECT K3 || ',' || K4 || ',' || ifnull(K5, 'null') FROM tab_answ WHERE A1 = 'Q1'"),
              u"010101000001,010101000002,null"_s);
    EXPECT_EQ(text("SELECT A2 || ' ' || A10 || ' ' || A13 || ' ' || xx FROM tab_answ WHERE A1 = 'Q2'"),
              u"AB 100101 65 1"_s);
    // Without its own order a question keeps its place in the source.
    EXPECT_EQ(integer("SELECT xx FROM tab_answ WHERE A1 = 'Q3'"), 3);
    EXPECT_EQ(integer("SELECT count(*) FROM tab_answ WHERE F1 = 0 AND E3 = 0 AND E4 = 0 AND ecount = 0"
                      " AND E1 IS NULL AND E2 IS NULL AND A14 IS NULL"),
              5);
}

TEST_F(BuiltBank, StemsAreStoredAsQtHtmlWithTheirOptions)
{
    const QString q1 = text("SELECT A15 FROM tab_exer WHERE A1 = 'Q1'");
    EXPECT_TRUE(q1.contains(u"qrichtext"_s));
    EXPECT_EQ(plainTextOf(q1), u"200 的 15% 是多少？\nA．3\nB．30\nC．300\nD．1.5"_s);
    // A "<" that opens no tag is plain text.
    EXPECT_EQ(
        plainTextOf(text("SELECT A15 FROM tab_exer WHERE A1 = 'Q2'")),
        u"当 a < b 且 b < c 时，正确的有\nA．a < c\nB．c > a\nC．a > c\nD．b > c\nE．a 与 c 无法比较"_s);
    EXPECT_EQ(plainTextOf(text("SELECT A15 FROM tab_exer WHERE A1 = 'Q3'")),
              u"比的前项和后项同乘一个数，比值不变。"_s);

    const QString shared = text("SELECT A15 FROM tab_exer WHERE A1 = 'C200101000000001-1'");
    EXPECT_EQ(plainTextOf(shared),
              u"根据上述资料，一季度平均每月销售额是\nA．40万元\nB．60万元\nC．120万元"_s);
    EXPECT_TRUE(shared.contains(u"font-style:italic;\">上述资料"_s)) << shared.toStdString();
    EXPECT_TRUE(shared.contains(u"font-weight:700;\">60"_s)) << shared.toStdString();
}

TEST_F(BuiltBank, ExplanationsAreHtmlOrNull)
{
    const QString q1 = text("SELECT jx FROM tab_exer WHERE A1 = 'Q1'");
    EXPECT_EQ(plainTextOf(q1), u"200 × 0.15 = 30\n故选 B"_s);
    EXPECT_TRUE(q1.contains(u"font-weight:700;\">故选 B"_s));
    EXPECT_EQ(integer("SELECT count(*) FROM tab_exer WHERE jx IS NULL"),
              3); // Q2 none, Q3 blank, the shared one none
    EXPECT_EQ(plainTextOf(text("SELECT jx FROM tab_kmmc WHERE C1 = '1'")), u"科目一的说明"_s);
    EXPECT_EQ(integer("SELECT count(*) FROM tab_kmmc WHERE jx IS NULL"), 8);
    EXPECT_EQ(plainTextOf(text("SELECT n FROM tab_rule WHERE ftid = '010101000001'")),
              u"表示一个数是另一个数的百分之几。"_s);
    EXPECT_EQ(text("SELECT ifnull(n, 'null') FROM tab_rule WHERE ftid = '010102000001'"), u"null"_s);
    EXPECT_EQ(plainTextOf(text("SELECT A15 FROM tab_title WHERE A1 = 'C200101000000001'")),
              u"示例公司一季度销售额 120 万元。"_s);
}

TEST_F(BuiltBank, ChapterAndCatalogueRowsKeepTheirTexts)
{
    EXPECT_EQ(text("SELECT C2 || '|' || C1_1 || '|' || C7 || '|' || bh FROM tab_kmmc WHERE C1 = '10'"),
              u"第一章|科目一 › 第一章|0|02"_s);
    // Without its own heading a chapter shows its name.
    EXPECT_EQ(text("SELECT C1_1 FROM tab_kmmc WHERE C1 = '1001'"), u"第一节"_s);
    EXPECT_EQ(text("SELECT n || '|' || bh FROM tab_fgmc WHERE id = '010102'"), u"比与比例|03"_s);
}

TEST_F(BuiltBank, TypeTablesPlanAndProduct)
{
    EXPECT_EQ(text("SELECT group_concat(A1 || ':' || B1 || ':' || B2 || ':' || B3 || ':' || time, ' ')"
                   " FROM (SELECT * FROM tab_tx1 ORDER BY rowid)"),
              u"61:单项选择题:30:1:1 65:多项选择题:40:1.5:1.5 66:不定项选择题:30:1:1"_s);
    EXPECT_EQ(integer("SELECT count(*) FROM tab_tx2"), 2);
    EXPECT_EQ(integer("SELECT count(*) FROM tab_tx3") + integer("SELECT count(*) FROM tab_tx4"), 0);
    EXPECT_EQ(text("SELECT A1 || ':' || time FROM tab_tx5"), u"64:10"_s);
    EXPECT_EQ(
        text("SELECT group_concat(PlanMark || ',' || PlanAmount || ',' || PlanTime || ',' || ExamDate || ','"
             " || LeastMark || ',' || ExamTime) FROM tab_plan"),
        u"0,50,60,2027-06-19,60,7200"_s);
    EXPECT_EQ(text("SELECT group_concat(sjbs || '/' || cpbs) FROM tab_sj"),
              u"TEST-PRODUCT-BASE/TEST-PRODUCT"_s);
    EXPECT_EQ(integer("SELECT count(*) FROM tab_cj") + integer("SELECT count(*) FROM tab_rz"), 0);
}

TEST_F(BuiltBank, IsOneFileInRollbackJournalMode)
{
    EXPECT_EQ(text("PRAGMA journal_mode"), u"delete"_s);
    for (const QString& suffix : {u"-wal"_s, u"-shm"_s, u"-journal"_s, u".tmp"_s})
        EXPECT_FALSE(QFileInfo::exists(m_out + suffix)) << suffix.toStdString();
}

TEST_F(BuiltBank, ExistingBankIsReplacedOnlyWithForce)
{
    m_db.reset();
    QFile::remove(m_out);
    {
        QFile old(m_out);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("a user's bank");
    }
    EXPECT_EQ(build(), BankCommand::Refused);
    EXPECT_TRUE(m_errors.contains(m_out + u": 文件已存在；要覆盖请加 --force"_s)) << m_errors.toStdString();
    QFile kept(m_out);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("a user's bank"));
    kept.close();

    // A leftover log of the old file would be replayed into the new one.
    for (const QString& suffix : {u"-wal"_s, u"-shm"_s, u"-journal"_s}) {
        QFile stale(m_out + suffix);
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        stale.write(QByteArray(4096, 'x'));
    }
    ASSERT_EQ(build({u"--force"_s}), BankCommand::Success) << m_errors.toStdString();
    for (const QString& suffix : {u"-wal"_s, u"-shm"_s, u"-journal"_s})
        EXPECT_FALSE(QFileInfo::exists(m_out + suffix)) << suffix.toStdString();
    m_db = std::make_unique<SQLite::Database>(m_out.toStdString(), SQLite::OPEN_READONLY);
    EXPECT_EQ(integer("SELECT count(*) FROM tab_answ"), 5);
    EXPECT_EQ(text("PRAGMA integrity_check"), u"ok"_s);
}

TEST_F(BuiltBank, FailedWriteKeepsTheOldFileAndLeavesNoTemporary)
{
    m_db.reset();
    BankContent content = BankSource::read(m_source.path());
    // Unchecked content whose second copy of a question breaks the key midway through the write.
    content.questions.append(content.questions.first());
    EXPECT_THROW(BankWriter(content).writeBank(m_out, true), StoreError);
    EXPECT_FALSE(QFileInfo::exists(m_out + u".tmp"_s));
    EXPECT_FALSE(QFileInfo::exists(m_out + u".tmp-journal"_s));
    m_db = std::make_unique<SQLite::Database>(m_out.toStdString(), SQLite::OPEN_READONLY);
    EXPECT_EQ(integer("SELECT count(*) FROM tab_answ"), 5);
}

TEST(BankSourceFiles, ListsOfAllFilesAreJoinedInFileNameOrder)
{
    SourceFolder source;
    source.header()
        .questions(u"20-b.json"_s,
                   u"{ \"A1\": \"QB\", \"A10\": \"100101\", \"A13\": 62, \"stem\": \"乙\", \"A2\": \"A\" }"_s)
        .questions(u"10-a.json"_s,
                   u"{ \"A1\": \"QA\", \"A10\": \"100101\", \"A13\": 62, \"stem\": \"甲\", \"A2\": \"B\" }"_s)
        .file(u"notes.txt"_s, u"not a source"_s);
    const BankContent content = BankSource::read(source.path());
    ASSERT_EQ(content.questions.size(), 2);
    EXPECT_EQ(content.questions[0].key, u"QA"_s);
    EXPECT_EQ(content.questions[1].key, u"QB"_s);
    EXPECT_EQ(content.chapters.size(), 9);

    // One file is a source of its own.
    const BankContent single = BankSource::read(source.path() + u"/10-a.json"_s);
    ASSERT_EQ(single.questions.size(), 1);
    EXPECT_TRUE(single.chapters.isEmpty());
}

} // namespace
