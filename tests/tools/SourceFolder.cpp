#include "SourceFolder.h"

#include <QDir>
#include <QFile>

using namespace Qt::Literals::StringLiterals;

namespace {

const char16_t* const Header = uR"json({
  "product": { "cpbs": "TEST-PRODUCT", "sjbs": "TEST-PRODUCT-BASE" },
  "plan": { "PlanMark": 0, "PlanAmount": 50, "PlanTime": 60, "ExamDate": "2027-06-19",
            "LeastMark": 60, "ExamTime": 7200 },
  "types": {
    "1": [ { "A1": 61, "B1": "单项选择题", "B2": 30, "B3": 1, "time": 1.0 },
           { "A1": 65, "B1": "多项选择题", "B2": 40, "B3": 1.5, "time": 1.5 },
           { "A1": 66, "B1": "不定项选择题", "B2": 30, "B3": 1 } ],
    "2": [ { "A1": 61, "B1": "单项选择题", "B2": 50, "B3": 1 },
           { "A1": 62, "B1": "判断题", "B2": 30, "B3": 1, "time": 0.5 } ],
    "5": [ { "A1": 64, "B1": "案例分析题", "B2": 6, "B3": 15, "time": 10 } ]
  },
  "chapters": [
    { "C1": "1", "C2": "科目一", "C7": "1", "bh": "01", "jx": "科目一的<b>说明</b>" },
    { "C1": "10", "C2": "第一章", "C1_1": "科目一 › 第一章", "C7": "0", "bh": "02" },
    { "C1": "1001", "C2": "第一节", "C7": "0", "bh": "03" },
    { "C1": "100101", "C2": "求百分数", "C7": "0", "bh": "04" },
    { "C1": "100102", "C2": "百分率", "C7": "0", "bh": "05" },
    { "C1": "2", "C2": "科目二", "C7": "1", "bh": "06" },
    { "C1": "20", "C2": "案例", "C7": "0", "bh": "07" },
    { "C1": "2001", "C2": "销售", "C7": "0", "bh": "08" },
    { "C1": "200101", "C2": "季度销售", "C7": "0", "bh": "09" }
  ],
  "catalogue": [
    { "id": "01", "n": "百分数", "bh": "01" },
    { "id": "010101", "n": "百分数的意义", "bh": "02" },
    { "id": "010102", "n": "比与比例", "bh": "03" }
  ],
  "points": [
    { "ftid": "010101000001", "sn": "百分数的意义", "n": "表示一个数是另一个数的<b>百分之几</b>。" },
    { "ftid": "010101000002", "sn": "求一个数的百分之几", "n": "用乘法。" },
    { "ftid": "010102000001", "sn": "比的基本性质" }
  ],
  "stems": [ { "A1": "C200101000000001", "A15": "示例公司一季度销售额 120 万元。" } ]
})json";

} // namespace

SourceFolder::SourceFolder()
{
    QDir(m_dir.path()).mkpath(u"source"_s);
}

QString SourceFolder::path() const
{
    return m_dir.path() + u"/source"_s;
}

QString SourceFolder::outPath(const QString& name) const
{
    return m_dir.path() + u'/' + name;
}

SourceFolder& SourceFolder::file(const QString& name, const QString& json)
{
    QFile out(path() + u'/' + name);
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        out.write(json.toUtf8());
    return *this;
}

SourceFolder& SourceFolder::header(const QString& name)
{
    return file(name, QString::fromUtf16(Header));
}

SourceFolder& SourceFolder::questions(const QString& name, const QString& entries)
{
    return file(name, u"{ \"questions\": [ "_s + entries + u" ] }"_s);
}
