#include "BankFixture.h"

#include "store/BankSchema.h"
#include "store/StatementBinding.h"
#include "store/TDM1.h"

#include <QDir>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

using namespace Qt::Literals::StringLiterals;

namespace {

SQLite::Statement bound(SQLite::Database& db, const QString& sql, std::initializer_list<QVariant> values)
{
    SQLite::Statement statement(db, sql.toStdString());
    int index = 1;
    for (const QVariant& value : values)
        StatementBinding::bind(statement, index++, value);
    return statement;
}

} // namespace

BankFixture::BankFixture()
{
    QDir(m_dir.path()).mkpath(u"data"_s);
    m_db = std::make_unique<SQLite::Database>(bankPath().toStdString(),
                                              SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    m_db->exec("PRAGMA journal_mode=WAL");
    BankSchema::create(*m_db);
    exec(u"INSERT INTO tab_plan (PlanMark, PlanAmount, PlanTime, ExamDate, LeastMark, ExamTime)"
         u" VALUES (0, 0, 0, '2027-06-19', 60, 7200)"_s);
    exec(u"INSERT INTO tab_sj (sjbs, cpbs) VALUES ('BASE', 'PRODUCT')"_s);
}

BankFixture::~BankFixture() = default;

QString BankFixture::programFolder() const
{
    return m_dir.path() + u'/';
}

QString BankFixture::bankPath() const
{
    return TDM1::bankPathIn(programFolder());
}

BankFixture& BankFixture::chapter(const QString& code, const QString& name, const QString& caption)
{
    exec(u"INSERT INTO tab_kmmc (C1, C1_1, C2, C7, bh) VALUES (?, ?, ?, '0', ?)"_s,
         {code, caption.isEmpty() ? u"章节 "_s + code : caption,
          name.isEmpty() ? u"第 "_s + code + u" 章"_s : name, code});
    return *this;
}

BankFixture& BankFixture::question(const QString& key, const QString& chapter, int type,
                                   const QString& answer, int options, const QStringList& points,
                                   const QString& stem)
{
    QVariantList k;
    for (int i = 0; i < 10; ++i)
        k.append(i < points.size() ? QVariant(points[i]) : QVariant());
    exec(u"INSERT INTO tab_answ (A1, A2, A2_1, A10, A13, xx, K3, K4, K5, K6, K7, K8, K9, K10, K11, K12)"
         u" VALUES (?, ?, ?, ?, ?, (SELECT count(*) + 1 FROM tab_answ), ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s,
         {key, answer, options, chapter, type, k[0], k[1], k[2], k[3], k[4], k[5], k[6], k[7], k[8], k[9]});
    exec(u"INSERT INTO tab_exer (A1, A15) VALUES (?, ?)"_s, {key, stem.isEmpty() ? u"题干 "_s + key : stem});
    return *this;
}

BankFixture& BankFixture::type(int subject, int code, const QString& name, int b2, double b3, double time)
{
    exec(u"INSERT INTO "_s + BankSchema::typeTableName(subject) +
             u" (A1, B1, B2, B3, time) VALUES (?, ?, ?, ?, ?)"_s,
         {code, name, b2, b3, time});
    return *this;
}

BankFixture& BankFixture::point(const QString& ftid, const QString& title, const QString& text)
{
    for (const QString& node : {ftid.left(6), ftid.left(2)})
        exec(u"INSERT OR IGNORE INTO tab_fgmc (id, n, bh) VALUES (?, ?, ?)"_s,
             {node, u"节点 "_s + node, node});
    exec(u"INSERT INTO tab_rule (ftid, id, sn, n) VALUES (?, ?, ?, ?)"_s,
         {ftid, ftid.left(6), title.isEmpty() ? u"考点 "_s + ftid : title,
          text.isEmpty() ? u"内容 "_s + ftid : text});
    return *this;
}

BankFixture& BankFixture::stem(const QString& key, const QString& text)
{
    exec(u"INSERT INTO tab_title (A1, A15) VALUES (?, ?)"_s, {key, text});
    return *this;
}

BankFixture& BankFixture::logDay(const QString& day, int answers, int wrong, int distinct, int wrongDistinct,
                                 const QString& time)
{
    exec(u"INSERT INTO tab_rz (A1, A2, A3, B1, B2, D1) VALUES (?, ?, ?, ?, ?, ?)"_s,
         {day, answers, wrong, distinct, wrongDistinct, time.isEmpty() ? QVariant() : QVariant(time)});
    return *this;
}

void BankFixture::exec(const QString& sql, std::initializer_list<QVariant> values)
{
    bound(*m_db, sql, values).exec();
}

QString BankFixture::text(const QString& sql, std::initializer_list<QVariant> values)
{
    SQLite::Statement statement = bound(*m_db, sql, values);
    return statement.executeStep() ? StatementBinding::text(statement, 0) : QString();
}

qint64 BankFixture::integer(const QString& sql, std::initializer_list<QVariant> values)
{
    SQLite::Statement statement = bound(*m_db, sql, values);
    return statement.executeStep() ? statement.getColumn(0).getInt64() : 0;
}

QStringList BankFixture::column(int column, const QString& sql, std::initializer_list<QVariant> values)
{
    SQLite::Statement statement = bound(*m_db, sql, values);
    QStringList texts;
    while (statement.executeStep())
        texts.append(StatementBinding::text(statement, column));
    return texts;
}
