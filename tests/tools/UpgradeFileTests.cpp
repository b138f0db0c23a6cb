// An upgrade file holds exactly the merged tables with the bank's columns, its
// own identity row and counters of its own rows, and merges into a bank of the
// same source family column for column.
#include "BankCommand.h"
#include "BankWriter.h"
#include "SourceFolder.h"

#include "store/BankSchema.h"
#include "store/StatementBinding.h"

#include <QFileInfo>
#include <QTextStream>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

#include <gtest/gtest.h>

#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

const char16_t* const BaseQuestions = uR"json(
  { "A1": "Q1", "A10": "100101", "A13": 61, "stem": "甲", "options": ["一", "二"], "A2": "A", "K": ["010101000001"] },
  { "A1": "Q2", "A10": "100102", "A13": 62, "stem": "乙", "A2": "B" }
)json";

// A new leaf under the existing section 1001, a new node and point, and questions
// citing new and existing points, one of them filed under an existing chapter.
const char16_t* const Upgrade = uR"json({
  "product": { "cpbs": "TEST-PRODUCT", "sjbs": "TEST-PRODUCT-UP1" },
  "chapters": [ { "C1": "100103", "C2": "新增章节", "C7": "0", "bh": "045" } ],
  "catalogue": [ { "id": "010103", "n": "新增节点", "bh": "035" } ],
  "points": [ { "ftid": "010103000001", "sn": "新增考点", "n": "新增考点的<b>内容</b>" } ],
  "questions": [
    { "A1": "Q101", "A10": "100103", "A13": 61, "stem": "新题一", "options": ["一", "二", "三"], "A2": "C",
      "K": ["010103000001", "010101000001"], "jx": "解析" },
    { "A1": "Q102", "A10": "100103", "A13": 65, "stem": "新题二", "options": ["一", "二", "三"], "A2": "AC",
      "K": ["010103000001"] },
    { "A1": "Q103", "A10": "100101", "A13": 62, "stem": "新题三", "A2": "A", "K": ["010101000002"] }
  ]
})json";

QString run(const QStringList& arguments, int* exitCode)
{
    QString errors;
    QTextStream stream(&errors);
    *exitCode = BankCommand::run(arguments, stream);
    return errors;
}

class UpgradeFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_base.header().questions(u"10-questions.json"_s, QString::fromUtf16(BaseQuestions));
        m_bank = m_base.outPath(u"KX50418.mdb"_s);
        int exitCode = -1;
        const QString errors = run({u"build"_s, m_base.path(), m_bank}, &exitCode);
        ASSERT_EQ(exitCode, BankCommand::Success) << errors.toStdString();
        m_upgrade.file(u"upgrade.json"_s, QString::fromUtf16(Upgrade));
        m_out = m_upgrade.outPath(u"upgrade.mdb"_s);
    }

    int writeUpgrade(QString* errors = nullptr)
    {
        int exitCode = -1;
        const QString message = run({u"upgrade"_s, m_upgrade.path(), m_out, u"--base"_s, m_bank}, &exitCode);
        if (errors)
            *errors = message;
        return exitCode;
    }

    static QStringList columnsOf(SQLite::Database& db, const QString& schema, const QString& table)
    {
        SQLite::Statement info(db, "SELECT name || ' ' || type FROM pragma_table_info(?, ?)");
        StatementBinding::bindText(info, 1, table);
        StatementBinding::bindText(info, 2, schema);
        QStringList columns;
        while (info.executeStep())
            columns.append(StatementBinding::text(info, 0));
        return columns;
    }

    static QString text(SQLite::Database& db, const char* sql)
    {
        SQLite::Statement statement(db, sql);
        return statement.executeStep() ? StatementBinding::text(statement, 0) : u"<no row>"_s;
    }

    SourceFolder m_base;
    SourceFolder m_upgrade;
    QString m_bank;
    QString m_out;
};

TEST_F(UpgradeFile, HoldsExactlyTheMergedTablesAndItsIdentity)
{
    QString errors;
    ASSERT_EQ(writeUpgrade(&errors), BankCommand::Success) << errors.toStdString();
    SQLite::Database up(m_out.toStdString(), SQLite::OPEN_READONLY);
    EXPECT_EQ(text(up,
                   "SELECT group_concat(name, ',') FROM (SELECT name FROM sqlite_master WHERE type = 'table'"
                   " ORDER BY name)"),
              u"tab_answ,tab_exer,tab_fgmc,tab_kmmc,tab_rule,tab_sj"_s);
    EXPECT_EQ(text(up, "SELECT group_concat(sjbs || '/' || cpbs) FROM tab_sj"),
              u"TEST-PRODUCT-UP1/TEST-PRODUCT"_s);
    EXPECT_EQ(text(up, "PRAGMA journal_mode"), u"delete"_s);
    EXPECT_FALSE(QFileInfo::exists(m_out + u"-wal"_s));

    SQLite::Database bank(m_bank.toStdString(), SQLite::OPEN_READONLY);
    for (const QString& table : BankSchema::upgradeTables())
        EXPECT_EQ(columnsOf(up, u"main"_s, table), columnsOf(bank, u"main"_s, table)) << table.toStdString();
}

TEST_F(UpgradeFile, CountersCountTheUpgradesOwnQuestions)
{
    ASSERT_EQ(writeUpgrade(), BankCommand::Success);
    SQLite::Database up(m_out.toStdString(), SQLite::OPEN_READONLY);
    EXPECT_EQ(text(up, "SELECT group_concat(C1 || ':' || C3 || ':' || C6) FROM tab_kmmc"), u"100103:2:0"_s);
    EXPECT_EQ(text(up, "SELECT group_concat(ftid || ':' || id || ':' || q) FROM tab_rule"),
              u"010103000001:010103:2"_s);
    EXPECT_EQ(text(up, "SELECT group_concat(id || ':' || q) FROM tab_fgmc"), u"010103:2"_s);
    EXPECT_EQ(
        text(up, "SELECT group_concat(A1 || ':' || A2_1, ',') FROM (SELECT * FROM tab_answ ORDER BY A1)"),
        u"Q101:3,Q102:3,Q103:2"_s);
    EXPECT_EQ(text(up, "SELECT count(*) FROM tab_exer WHERE A15 LIKE '%qrichtext%'"), u"3"_s);
}

TEST_F(UpgradeFile, MergesIntoTheBankColumnForColumn)
{
    ASSERT_EQ(writeUpgrade(), BankCommand::Success);
    SQLite::Database bank(m_bank.toStdString(), SQLite::OPEN_READWRITE);
    SQLite::Statement attach(bank, "ATTACH DATABASE ? AS up");
    StatementBinding::bindText(attach, 1, m_out);
    attach.exec();
    {
        SQLite::Transaction merge(bank);
        for (const char* table : {"tab_kmmc", "tab_exer", "tab_answ", "tab_rule", "tab_fgmc"})
            bank.exec(std::string("INSERT INTO main.") + table + " SELECT * FROM up." + table);
        bank.exec("INSERT INTO main.tab_sj (sjbs, cpbs) SELECT sjbs, cpbs FROM up.tab_sj");
        merge.commit();
    }
    EXPECT_EQ(text(bank, "SELECT count(*) FROM tab_answ"), u"5"_s);
    EXPECT_EQ(text(bank, "SELECT count(*) FROM tab_exer"), u"5"_s);
    EXPECT_EQ(text(bank, "SELECT A10 || ' ' || A13 || ' ' || A2 || ' ' || K3 || ' ' || K4 FROM tab_answ"
                         " WHERE A1 = 'Q101'"),
              u"100103 61 C 010103000001 010101000001"_s);
    EXPECT_EQ(text(bank, "SELECT C2 || ' ' || C3 FROM tab_kmmc WHERE C1 = '100103'"), u"新增章节 2"_s);
    EXPECT_EQ(text(bank, "SELECT count(*) FROM tab_sj"), u"2"_s);
}

TEST_F(UpgradeFile, WithoutBaseNothingOfTheBankIsKnown)
{
    int exitCode = -1;
    const QString errors = run({u"upgrade"_s, m_upgrade.path(), m_out}, &exitCode);
    EXPECT_EQ(exitCode, BankCommand::Refused);
    // The new point's top node is the bank's.
    EXPECT_TRUE(errors.contains(u"upgrade.json: points[0] \"010103000001\": 考点的目录节点 \"01\" 不存在"_s))
        << errors.toStdString();
    EXPECT_FALSE(QFileInfo::exists(m_out));
}

struct UpgradeCase
{
    const char* name;
    QString json;
    QString entry;
    QString problem;
};

void PrintTo(const UpgradeCase& c, std::ostream* os)
{
    *os << c.name;
}

class UpgradeRefusal : public UpgradeFile, public ::testing::WithParamInterface<UpgradeCase>
{
};

TEST_P(UpgradeRefusal, NamesFileAndEntry)
{
    m_upgrade.file(u"upgrade.json"_s, GetParam().json);
    QString errors;
    EXPECT_EQ(writeUpgrade(&errors), BankCommand::Refused);
    EXPECT_TRUE(errors.contains(u"upgrade.json: "_s + GetParam().entry)) << errors.toStdString();
    EXPECT_TRUE(errors.contains(GetParam().problem)) << errors.toStdString();
    EXPECT_FALSE(QFileInfo::exists(m_out));
}

const QString Product = u"\"product\": { \"cpbs\": \"TEST-PRODUCT\", \"sjbs\": \"TEST-PRODUCT-UP1\" }"_s;

INSTANTIATE_TEST_SUITE_P(
    Upgrades, UpgradeRefusal,
    ::testing::Values(
        UpgradeCase{
            "KeyAlreadyInBank",
            u"{ "_s + Product +
                u", \"questions\": [ { \"A1\": \"Q2\", \"A10\": \"100101\", \"A13\": 62, \"stem\": \"重\","
                u" \"A2\": \"A\" } ] }"_s,
            u"questions[0] \"Q2\""_s, u"试题编号 \"Q2\" 已在题库"_s},
        UpgradeCase{"ChapterAlreadyInBank",
                    u"{ "_s + Product + u", \"chapters\": [ { \"C1\": \"100102\", \"C2\": \"重\" } ] }"_s,
                    u"chapters[0] \"100102\""_s, u"章节 \"100102\" 已在题库"_s},
        UpgradeCase{"PointAlreadyInBank",
                    u"{ "_s + Product +
                        u", \"points\": [ { \"ftid\": \"010101000001\", \"sn\": \"重\" } ] }"_s,
                    u"points[0] \"010101000001\""_s, u"考点 \"010101000001\" 已在题库"_s},
        UpgradeCase{
            "ChapterInNeither",
            u"{ "_s + Product +
                u", \"questions\": [ { \"A1\": \"Q9\", \"A10\": \"100109\", \"A13\": 62, \"stem\": \"新\","
                u" \"A2\": \"A\" } ] }"_s,
            u"questions[0] \"Q9\""_s, u"章节 \"100109\" 不存在"_s},
        UpgradeCase{"OtherProduct", u"{ \"product\": { \"cpbs\": \"OTHER\", \"sjbs\": \"OTHER-UP1\" } }"_s,
                    u"product"_s, u"不是题库"_s},
        UpgradeCase{"AlreadyApplied",
                    u"{ \"product\": { \"cpbs\": \"TEST-PRODUCT\", \"sjbs\": \"TEST-PRODUCT-BASE\" } }"_s,
                    u"product"_s, u"升级标识 \"TEST-PRODUCT-BASE\" 已在题库"_s},
        UpgradeCase{"CarriesStems",
                    u"{ "_s + Product +
                        u", \"stems\": [ { \"A1\": \"C200101000000002\", \"A15\": \"材料\" } ] }"_s,
                    u"stems[0] \"C200101000000002\""_s, u"升级文件不带共用题干"_s},
        UpgradeCase{"CarriesPlan",
                    u"{ "_s + Product +
                        u", \"plan\": { \"PlanMark\": 0, \"PlanAmount\": 50, \"PlanTime\": 60,"
                        u" \"ExamDate\": \"2027-06-19\", \"LeastMark\": 60, \"ExamTime\": 7200 } }"_s,
                    u"plan"_s, u"升级文件不带学习计划"_s}),
    [](const auto& test) { return std::string(test.param.name); });

} // namespace
