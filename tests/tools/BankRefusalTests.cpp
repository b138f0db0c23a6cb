// A source the builder must refuse: exit code 1, a message naming the file and
// the entry, and no bank written.
#include "BankCommand.h"
#include "SourceFolder.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

// A single-choice question that the header's chapters, points and types accept.
QJsonObject validQuestion(const QString& key)
{
    return QJsonObject{{u"A1"_s, key},         {u"A10"_s, u"100101"_s},
                       {u"A13"_s, 61},         {u"xx"_s, 1},
                       {u"stem"_s, u"题干"_s}, {u"options"_s, QJsonArray{u"甲"_s, u"乙"_s, u"丙"_s, u"丁"_s}},
                       {u"A2"_s, u"B"_s},      {u"K"_s, QJsonArray{u"010101000001"_s}}};
}

struct QuestionCase
{
    const char* name;
    // Changes to the second question of the file (key "Q2"); a null value removes the field.
    std::vector<std::pair<QString, QJsonValue>> changes;
    QString entry;
    QString problem;
};

void PrintTo(const QuestionCase& c, std::ostream* os)
{
    *os << c.name;
}

struct Refusal
{
    int exitCode = 0;
    QString message;
    bool bankWritten = false;
};

Refusal buildRefusal(const SourceFolder& source)
{
    QString errors;
    QTextStream stream(&errors);
    const QString out = source.outPath(u"bank.mdb"_s);
    Refusal refusal;
    refusal.exitCode = BankCommand::run({u"build"_s, source.path(), out}, stream);
    refusal.message = errors;
    refusal.bankWritten = QFileInfo::exists(out) || QFileInfo::exists(out + u".tmp"_s);
    return refusal;
}

QJsonArray manyPoints(int count)
{
    QJsonArray points;
    for (int i = 0; i < count; ++i)
        points.append(i % 2 ? u"010101000001"_s : u"010101000002"_s);
    return points;
}

QJsonArray options(int count)
{
    QJsonArray list;
    for (int i = 0; i < count; ++i)
        list.append(u"选项%1"_s.arg(i));
    return list;
}

class QuestionRefusal : public ::testing::TestWithParam<QuestionCase>
{
};

TEST_P(QuestionRefusal, NamesFileAndEntry)
{
    const QuestionCase& c = GetParam();
    QJsonObject second = validQuestion(u"Q2"_s);
    for (const auto& [field, value] : c.changes) {
        if (value.isNull())
            second.remove(field);
        else
            second.insert(field, value);
    }
    SourceFolder source;
    source.header().file(u"10-questions.json"_s,
                         QString::fromUtf8(QJsonDocument(QJsonObject{{u"questions"_s,
                                                                      QJsonArray{
                                                                          validQuestion(u"Q1"_s),
                                                                          second,
                                                                      }}})
                                               .toJson()));

    const Refusal refusal = buildRefusal(source);

    EXPECT_EQ(refusal.exitCode, BankCommand::Refused);
    EXPECT_TRUE(refusal.message.contains(u"10-questions.json: "_s + c.entry))
        << refusal.message.toStdString();
    EXPECT_TRUE(refusal.message.contains(c.problem)) << refusal.message.toStdString();
    EXPECT_FALSE(refusal.bankWritten);
}

const QJsonValue Removed = QJsonValue(QJsonValue::Null);

INSTANTIATE_TEST_SUITE_P(
    Questions, QuestionRefusal,
    ::testing::Values(
        QuestionCase{
            "DuplicateKey", {{u"A1"_s, u"Q1"_s}}, u"questions[1] \"Q1\""_s, u"试题编号 \"Q1\" 重复"_s},
        QuestionCase{"DuplicateKeyOtherCase", {{u"A1"_s, u"q1"_s}}, u"questions[1] \"q1\""_s, u"重复"_s},
        QuestionCase{
            "KeyTooLong", {{u"A1"_s, u"Q12345678901234567890"_s}}, u"questions[1]"_s, u"超过 20 个字符"_s},
        QuestionCase{"UserKey", {{u"A1"_s, u"US100101614000001"_s}}, u"questions[1]"_s, u"留给用户"_s},
        QuestionCase{"MissingChapter",
                     {{u"A10"_s, u"100199"_s}},
                     u"questions[1] \"Q2\""_s,
                     u"章节 \"100199\" 不存在"_s},
        QuestionCase{"ChapterNotLeaf", {{u"A10"_s, u"1001"_s}}, u"questions[1] \"Q2\""_s, u"不是具体章节"_s},
        QuestionCase{"MissingPoint",
                     {{u"K"_s, QJsonArray{u"010101000009"_s}}},
                     u"questions[1] \"Q2\""_s,
                     u"考点 \"010101000009\" 不存在"_s},
        QuestionCase{"PointTwice",
                     {{u"K"_s, QJsonArray{u"010101000001"_s, u"010101000001"_s}}},
                     u"questions[1] \"Q2\""_s,
                     u"引用了两次"_s},
        QuestionCase{
            "ElevenPoints", {{u"K"_s, manyPoints(11)}}, u"questions[1] \"Q2\""_s, u"最多引用 10 个考点"_s},
        QuestionCase{"MissingStem",
                     {{u"A1"_s, u"C200101000000009-1"_s}},
                     u"questions[1] \"C200101000000009-1\""_s,
                     u"共用题干 \"C200101000000009\" 不存在"_s},
        QuestionCase{"SingleOutsideOptions", {{u"A2"_s, u"E"_s}}, u"questions[1] \"Q2\""_s, u"A 到 D 以外"_s},
        QuestionCase{"SingleTwoLetters", {{u"A2"_s, u"AB"_s}}, u"questions[1] \"Q2\""_s, u"单选题"_s},
        QuestionCase{"SingleLowerCase", {{u"A2"_s, u"b"_s}}, u"questions[1] \"Q2\""_s, u"以外的字母"_s},
        QuestionCase{"MultipleOneLetter",
                     {{u"A13"_s, 65}, {u"A2"_s, u"A"_s}},
                     u"questions[1] \"Q2\""_s,
                     u"至少应有 2 个字母"_s},
        QuestionCase{"MultipleOutOfOrder",
                     {{u"A13"_s, 65}, {u"A2"_s, u"CA"_s}},
                     u"questions[1] \"Q2\""_s,
                     u"顺序且不重复"_s},
        QuestionCase{"MultipleRepeated",
                     {{u"A13"_s, 65}, {u"A2"_s, u"AAB"_s}},
                     u"questions[1] \"Q2\""_s,
                     u"顺序且不重复"_s},
        QuestionCase{"MatchingOutsideOptions",
                     {{u"A13"_s, 66}, {u"A2"_s, u"AG"_s}},
                     u"questions[1] \"Q2\""_s,
                     u"以外的字母"_s},
        QuestionCase{"TrueFalseWithOptions",
                     {{u"A13"_s, 62}, {u"A2"_s, u"A"_s}},
                     u"questions[1] \"Q2\""_s,
                     u"不带选项"_s},
        QuestionCase{"TrueFalseAnswer",
                     {{u"A13"_s, 62}, {u"A2"_s, u"C"_s}, {u"options"_s, Removed}},
                     u"questions[1] \"Q2\""_s,
                     u"判断题的答案"_s},
        QuestionCase{"SubjectiveAnswer",
                     {{u"A13"_s, 64}, {u"A2"_s, u"0"_s}, {u"options"_s, Removed}},
                     u"questions[1] \"Q2\""_s,
                     u"主观题的答案"_s},
        QuestionCase{"ChoiceWithoutOptions",
                     {{u"options"_s, Removed}},
                     u"questions[1] \"Q2\""_s,
                     u"应有 2 到 6 项，实有 0 项"_s},
        QuestionCase{"OneOption",
                     {{u"options"_s, options(1)}, {u"A2"_s, u"A"_s}},
                     u"questions[1] \"Q2\""_s,
                     u"实有 1 项"_s},
        QuestionCase{"SevenOptions", {{u"options"_s, options(7)}}, u"questions[1] \"Q2\""_s, u"实有 7 项"_s},
        QuestionCase{"BlankOption",
                     {{u"options"_s, QJsonArray{u"甲"_s, u" "_s}}},
                     u"questions[1] \"Q2\""_s,
                     u"选项不能为空"_s},
        QuestionCase{"UnknownType", {{u"A13"_s, 63}}, u"questions[1] \"Q2\""_s, u"题型 63 不在任何科目"_s},
        QuestionCase{
            "MissingAnswer", {{u"A2"_s, Removed}}, u"questions[1] \"Q2\""_s, u"缺少必填字段 \"A2\""_s},
        QuestionCase{"MissingKey", {{u"A1"_s, Removed}}, u"questions[1]: "_s, u"缺少必填字段 \"A1\""_s},
        QuestionCase{"BlankStem", {{u"stem"_s, u"  "_s}}, u"questions[1] \"Q2\""_s, u"\"stem\" 不能为空"_s},
        QuestionCase{"PictureFromADevice",
                     {{u"stem"_s, u"<p>图<img src=\"/dev/zero\"></p>"_s}},
                     u"questions[1]"_s,
                     u"图片 \"/dev/zero\" 既不在 pic/ 中"_s},
        QuestionCase{"PictureOutOfPic",
                     {{u"stem"_s, u"<p><IMG alt=x SRC='pic/../../etc/x.png'></p>"_s}},
                     u"questions[1]"_s,
                     u"pic/../../etc/x.png"_s},
        QuestionCase{"NulInText", {{u"stem"_s, u"题\u0000干"_s}}, u"questions[1]"_s, u"含有 NUL 字符"_s},
        QuestionCase{"TypeAsText", {{u"A13"_s, u"61"_s}}, u"questions[1] \"Q2\""_s, u"\"A13\" 应为整数"_s},
        QuestionCase{"OptionsNotTexts",
                     {{u"options"_s, QJsonArray{1, 2}}},
                     u"questions[1] \"Q2\""_s,
                     u"每一项应为文本"_s},
        QuestionCase{
            "MisspeltField", {{u"jX"_s, u"解析"_s}}, u"questions[1] \"Q2\""_s, u"未知字段 \"jX\""_s}),
    [](const auto& test) { return std::string(test.param.name); });

struct SourceCase
{
    const char* name;
    bool header;
    std::vector<std::pair<QString, QString>> files;
    QString file; // empty: the message names the source folder
    QString entry;
    QString problem;
};

void PrintTo(const SourceCase& c, std::ostream* os)
{
    *os << c.name;
}

class SourceRefusal : public ::testing::TestWithParam<SourceCase>
{
};

TEST_P(SourceRefusal, NamesFileAndEntry)
{
    const SourceCase& c = GetParam();
    SourceFolder source;
    if (c.header)
        source.header();
    for (const auto& [name, json] : c.files)
        source.file(name, json);

    const Refusal refusal = buildRefusal(source);

    const QString place = (c.file.isEmpty() ? source.path() : c.file) + c.entry;
    EXPECT_EQ(refusal.exitCode, BankCommand::Refused);
    EXPECT_TRUE(refusal.message.contains(place)) << refusal.message.toStdString();
    EXPECT_TRUE(refusal.message.contains(c.problem)) << refusal.message.toStdString();
    EXPECT_FALSE(refusal.bankWritten);
}

INSTANTIATE_TEST_SUITE_P(
    Sources, SourceRefusal,
    ::testing::Values(
        SourceCase{"MalformedJson",
                   true,
                   {{u"10-questions.json"_s, u"{ \"questions\": [ { \"A1\": \"Q1\",, } ] }"_s}},
                   u"10-questions.json"_s,
                   u": JSON 格式错误（偏移 "_s,
                   u"第 1 行"_s},
        SourceCase{"NotAnObject",
                   true,
                   {{u"10-questions.json"_s, u"[1, 2]"_s}},
                   u"10-questions.json"_s,
                   u": "_s,
                   u"应为一个 JSON 对象"_s},
        SourceCase{"ListNotAList",
                   true,
                   {{u"10-questions.json"_s, u"{ \"questions\": {} }"_s}},
                   u"10-questions.json"_s,
                   u": \"questions\""_s,
                   u"应为列表"_s},
        SourceCase{"UnknownList",
                   true,
                   {{u"10-questions.json"_s, u"{ \"question\": [] }"_s}},
                   u"10-questions.json"_s,
                   u": "_s,
                   u"未知字段 \"question\""_s},
        SourceCase{"PointWithoutNode",
                   true,
                   {{u"05-points.json"_s,
                     u"{ \"points\": [ { \"ftid\": \"010199000001\", \"sn\": \"考点\" } ] }"_s}},
                   u"05-points.json"_s,
                   u": points[0] \"010199000001\""_s,
                   u"目录节点 \"010199\" 不存在"_s},
        SourceCase{"PointWithoutTopNode",
                   true,
                   {{u"05-points.json"_s,
                     u"{ \"catalogue\": [ { \"id\": \"020101\", \"n\": \"节点\" } ],"
                     u"  \"points\": [ { \"ftid\": \"020101000001\", \"sn\": \"考点\" } ] }"_s}},
                   u"05-points.json"_s,
                   u": points[0] \"020101000001\""_s,
                   u"目录节点 \"02\" 不存在"_s},
        SourceCase{
            "PointCodeLength",
            true,
            {{u"05-points.json"_s, u"{ \"points\": [ { \"ftid\": \"01010100001\", \"sn\": \"考点\" } ] }"_s}},
            u"05-points.json"_s,
            u": points[0] \"01010100001\""_s,
            u"应有 12 个字符"_s},
        SourceCase{"DuplicateChapter",
                   true,
                   {{u"05-chapters.json"_s, u"{ \"chapters\": [ { \"C1\": \"3\", \"C2\": \"科目三\" },"
                                            u"  { \"C1\": \"1001\", \"C2\": \"重复\" } ] }"_s}},
                   u"05-chapters.json"_s,
                   u": chapters[1] \"1001\""_s,
                   u"章节 \"1001\" 重复"_s},
        SourceCase{"StemKeyLength",
                   true,
                   {{u"05-stems.json"_s, u"{ \"stems\": [ { \"A1\": \"C2001\", \"A15\": \"材料\" } ] }"_s}},
                   u"05-stems.json"_s,
                   u": stems[0] \"C2001\""_s,
                   u"应有 16 个字符"_s},
        SourceCase{
            "TypeWithoutPage",
            true,
            {{u"05-types.json"_s, u"{ \"types\": { \"3\": [ { \"A1\": 71, \"B1\": \"填图题\" } ] } }"_s},
             {u"10-questions.json"_s,
              u"{ \"questions\": [ { \"A1\": \"Q1\", \"A10\": \"100101\", \"A13\": 71, \"stem\": \"题干\","
              u"  \"A2\": \"1\" } ] }"_s}},
            u"10-questions.json"_s,
            u": questions[0] \"Q1\""_s,
            u"题型 71 没有答题页"_s},
        SourceCase{
            "DuplicateTypeInSubject",
            true,
            {{u"05-types.json"_s, u"{ \"types\": { \"1\": [ { \"A1\": 61, \"B1\": \"单选\" } ] } }"_s}},
            u"05-types.json"_s,
            u": types.1[0] \"61\""_s,
            u"科目 1 的题型 61 重复"_s},
        SourceCase{"UnknownSubject",
                   true,
                   {{u"05-types.json"_s, u"{ \"types\": { \"6\": [] } }"_s}},
                   u"05-types.json"_s,
                   u": types"_s,
                   u"未知字段 \"6\""_s},
        SourceCase{"ProductTwice",
                   true,
                   {{u"05-product.json"_s, u"{ \"product\": { \"cpbs\": \"X\", \"sjbs\": \"Y\" } }"_s}},
                   u"05-product.json"_s,
                   u": product"_s,
                   u"产品标识重复"_s},
        SourceCase{"ProductWithoutUpgradeId",
                   false,
                   {{u"00-bank.json"_s, u"{ \"product\": { \"cpbs\": \"X\" } }"_s}},
                   u"00-bank.json"_s,
                   u": product"_s,
                   u"缺少必填字段 \"sjbs\""_s},
        SourceCase{"NoProduct",
                   false,
                   {{u"00-bank.json"_s, u"{ \"chapters\": [ { \"C1\": \"1\", \"C2\": \"科目一\" } ] }"_s}},
                   {},
                   u": "_s,
                   u"缺少产品标识"_s},
        SourceCase{"NoPlan",
                   false,
                   {{u"00-bank.json"_s, u"{ \"product\": { \"cpbs\": \"X\", \"sjbs\": \"Y\" } }"_s}},
                   {},
                   u": "_s,
                   u"缺少学习计划"_s},
        SourceCase{"NoJsonFiles", false, {{u"notes.txt"_s, u"{}"_s}}, {}, u": "_s, u"没有 .json 文件"_s}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(BankCommandLine, MisusedArgumentsAreAUsageError)
{
    const std::vector<QStringList> misuses{
        {},
        {u"build"_s, u"src"_s},
        {u"make"_s, u"src"_s, u"out"_s},
        {u"build"_s, u"src"_s, u"out"_s, u"--quick"_s},
        {u"build"_s, u"src"_s, u"out"_s, u"--base"_s, u"bank"_s},
        {u"upgrade"_s, u"src"_s, u"out"_s, u"--base"_s},
    };
    for (const QStringList& arguments : misuses) {
        QString errors;
        QTextStream stream(&errors);
        EXPECT_EQ(BankCommand::run(arguments, stream), BankCommand::UsageError)
            << arguments.join(u' ').toStdString();
        EXPECT_TRUE(errors.contains(u"用法"_s));
    }
}

TEST(BankCommandLine, MissingSourceIsRefused)
{
    SourceFolder source;
    QString errors;
    QTextStream stream(&errors);
    const QString missing = source.outPath(u"nowhere"_s);
    EXPECT_EQ(BankCommand::run({u"build"_s, missing, source.outPath(u"bank.mdb"_s)}, stream),
              BankCommand::Refused);
    EXPECT_TRUE(errors.contains(missing + u": 题库源不存在"_s)) << errors.toStdString();
}

} // namespace
