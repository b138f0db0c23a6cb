#include "BankWriter.h"

#include "AnswerFit.h"
#include "RichText.h"

#include "store/AnswerPage.h"
#include "store/BankSchema.h"
#include "store/CodeSchemes.h"
#include "store/QuestionSearch.h"
#include "store/SqlGuard.h"
#include "store/StatementBinding.h"
#include "store/StoreError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

#include <cmath>
#include <filesystem>
#include <system_error>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int CitedPointColumns = CodeSchemes::MaxCitedPoints;

BankCounters countersOf(const QVector<BankContent::Question>& questions)
{
    BankCounters counters;
    for (const BankContent::Question& question : questions)
        counters.add(question.chapter, question.points);
    return counters;
}

void removeFile(const QString& path)
{
    if (QFileInfo::exists(path) && !QFile::remove(path))
        throw StoreError(u"%1: 无法删除"_s.arg(path));
}

// The files SQLite keeps beside a database; a stale one beside a new file would be replayed into it.
void removeDatabase(const QString& path)
{
    for (const QString& suffix : {u""_s, u"-journal"_s, u"-wal"_s, u"-shm"_s})
        removeFile(path + suffix);
}

QVariant numberValue(double number)
{
    if (std::floor(number) == number && std::abs(number) < 1e15)
        return QVariant(static_cast<qlonglong>(number));
    return QVariant(number);
}

QVariant nullableText(const QString& text)
{
    return text.isNull() ? QVariant() : QVariant(text);
}

} // namespace

BankWriter::BankWriter(const BankContent& content)
    : m_content(content), m_counters(countersOf(content.questions))
{}

void BankWriter::writeBank(const QString& out, bool overwrite) const
{
    writeFile(out, overwrite, false, [this](SQLite::Database& db) {
        writeTypes(db);
        writeChapters(db);
        writeCatalogue(db);
        writePoints(db);
        writeStems(db);
        writeQuestions(db);
        writePlan(db);
        writeProduct(db);
        QuestionSearch::buildIndex(db);
    });
}

void BankWriter::writeUpgrade(const QString& out, bool overwrite) const
{
    writeFile(out, overwrite, true, [this](SQLite::Database& db) {
        keepOnlyUpgradeTables(db);
        writeChapters(db);
        writeCatalogue(db);
        writePoints(db);
        writeQuestions(db);
        writeProduct(db);
    });
}

void BankWriter::writeFile(const QString& out, bool overwrite, bool upgrade, const Fill& fill) const
{
    const QFileInfo target(out);
    if (target.isDir())
        throw StoreError(u"%1: 是一个文件夹"_s.arg(out));
    if (target.exists() && !overwrite)
        throw StoreError(u"%1: 文件已存在；要覆盖请加 --force"_s.arg(out));
    if (!QDir().mkpath(target.absolutePath()))
        throw StoreError(u"%1: 无法建立文件夹"_s.arg(target.absolutePath()));

    const QString temporary = out + u".tmp"_s;
    removeDatabase(temporary);
    try {
        sqlGuarded([&] {
            // The default rollback journal: the finished bank is one file; the program switches it to WAL.
            SQLite::Database db(temporary.toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
            SQLite::Transaction transaction(db);
            BankSchema::create(db);
            fill(db);
            transaction.commit();
            if (upgrade)
                db.exec("VACUUM");
            else
                db.exec("ANALYZE"); // statistics, so the planner picks the practice-order index
        });
        removeFile(out + u"-wal"_s);
        removeFile(out + u"-shm"_s);
        std::error_code error;
        std::filesystem::rename(temporary.toStdString(), out.toStdString(), error);
        if (error)
            throw StoreError(u"%1: 无法写入（%2）"_s.arg(out, QString::fromStdString(error.message())));
        removeFile(out + u"-journal"_s);
    } catch (...) {
        QFile::remove(temporary);
        QFile::remove(temporary + u"-journal"_s);
        throw;
    }
}

void BankWriter::keepOnlyUpgradeTables(SQLite::Database& db)
{
    // Fixed names from the schema only.
    for (const QString& table : BankSchema::nonUpgradeTables())
        db.exec("DROP TABLE " + table.toStdString());
    SQLite::Statement tables(db, "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name");
    QStringList names;
    while (tables.executeStep())
        names.append(StatementBinding::text(tables, 0));
    QStringList expected = BankSchema::upgradeTables();
    expected.sort();
    if (names != expected)
        throw StoreError(u"升级文件的表与题库结构不符：%1"_s.arg(names.join(u", "_s)));
}

void BankWriter::run(SQLite::Statement& statement, std::initializer_list<QVariant> values)
{
    int index = 1;
    for (const QVariant& value : values)
        StatementBinding::bind(statement, index++, value);
    statement.exec();
    statement.reset();
    statement.clearBindings();
}

void BankWriter::writeTypes(SQLite::Database& db) const
{
    for (int subject = 1; subject <= 5; ++subject) {
        SQLite::Statement insert(db, (u"INSERT INTO "_s + BankSchema::typeTableName(subject) +
                                      u" (A1, B1, B2, B3, time) VALUES (?, ?, ?, ?, ?)"_s)
                                         .toStdString());
        for (const BankContent::QuestionType& type : m_content.types) {
            if (type.subject == subject)
                run(insert, {type.code, type.name, type.b2, numberValue(type.b3), numberValue(type.time)});
        }
    }
}

void BankWriter::writeChapters(SQLite::Database& db) const
{
    SQLite::Statement insert(db, "INSERT INTO tab_kmmc (C1, C1_1, C2, C3, C4, D1, D2, C6, C7, jx, bh)"
                                 " VALUES (?, ?, ?, ?, 0, 0, 0, '0', ?, ?, ?)");
    for (const BankContent::Chapter& chapter : m_content.chapters) {
        run(insert,
            {chapter.code, chapter.caption, chapter.name, m_counters.chapterQuestions(chapter.code),
             nullableText(chapter.c7), nullableText(RichText::toQtHtmlOrNull(chapter.jx)), chapter.bh});
    }
}

void BankWriter::writeCatalogue(SQLite::Database& db) const
{
    SQLite::Statement insert(db,
                             "INSERT INTO tab_fgmc (id, n, bh, q, q1, q2, q4) VALUES (?, ?, ?, ?, 0, 0, 0)");
    for (const BankContent::Node& node : m_content.catalogue)
        run(insert, {node.id, node.name, node.bh, m_counters.citingQuestions(node.id)});
}

void BankWriter::writePoints(SQLite::Database& db) const
{
    SQLite::Statement insert(
        db, "INSERT INTO tab_rule (ftid, id, sn, n, q, q1, q2, q4) VALUES (?, ?, ?, ?, ?, 0, 0, 0)");
    for (const BankContent::Point& point : m_content.points) {
        run(insert,
            {point.ftid, point.ftid.left(6), point.title, nullableText(RichText::toQtHtmlOrNull(point.text)),
             m_counters.citingQuestions(point.ftid)});
    }
}

void BankWriter::writeStems(SQLite::Database& db) const
{
    SQLite::Statement insert(db, "INSERT INTO tab_title (A1, A15) VALUES (?, ?)");
    for (const BankContent::Stem& stem : m_content.stems)
        run(insert, {stem.key, RichText::toQtHtml(stem.text)});
}

void BankWriter::writeQuestions(SQLite::Database& db) const
{
    SQLite::Statement record(db,
                             "INSERT INTO tab_answ (A1, A2, A2_1, K3, K4, K5, K6, K7, K8, K9, K10, K11, K12,"
                             " A10, A13, F1, E3, E4, ecount, xx)"
                             " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, 0, 0, 0, ?)");
    SQLite::Statement content(db, "INSERT INTO tab_exer (A1, A15, jx) VALUES (?, ?, ?)");
    for (const BankContent::Question& question : m_content.questions) {
        AnswerPage page{};
        AnswerPages::pageOfType(question.type, &page);
        const int options = AnswerFit(page, question.options, question.hasOptions).optionCount();
        QVariant k[CitedPointColumns];
        for (int i = 0; i < CitedPointColumns && i < question.points.size(); ++i)
            k[i] = question.points[i];
        run(record, {question.key, question.answer, options, k[0], k[1], k[2], k[3], k[4], k[5], k[6], k[7],
                     k[8], k[9], question.chapter, question.type, numberValue(question.xx)});
        run(content, {question.key, RichText::stemWithOptions(question.stem, question.options),
                      nullableText(RichText::toQtHtmlOrNull(question.jx))});
    }
}

void BankWriter::writePlan(SQLite::Database& db) const
{
    const BankContent::Plan& plan = m_content.plan;
    SQLite::Statement insert(
        db, "INSERT INTO tab_plan (PlanMark, PlanAmount, PlanTime, ExamDate, LeastMark, ExamTime)"
            " VALUES (?, ?, ?, ?, ?, ?)");
    run(insert,
        {plan.planMark, plan.planAmount, plan.planTime, plan.examDate, plan.leastMark, plan.examTime});
}

void BankWriter::writeProduct(SQLite::Database& db) const
{
    SQLite::Statement insert(db, "INSERT INTO tab_sj (sjbs, cpbs) VALUES (?, ?)");
    run(insert, {m_content.product.sjbs, m_content.product.cpbs});
}
