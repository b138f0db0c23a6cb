#include "PaperGenerator.h"

#include "StoreConnection.h"

#include "BankSchema.h"
#include "ExamProgress.h"
#include "PaperTable.h"
#include "SqlGuard.h"
#include "StatementBinding.h"
#include "TDM1.h"
#include "platform/Clock.h"

#include <SQLiteCpp/Column.h>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <QVector>

#include <limits>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString NoQuestions = u"没有发现题目！"_s;
const QString CreateFailed = u"建立数据表时发生错误！"_s;
const QString DrawFailed = u"提取数据时发生错误！"_s;
const QString OpenFailed = u"无法打开试卷！"_s;

// Runs one step of the generation; any failure in it becomes the step's message.
template <class Work> void step(const QString& message, Work&& work)
{
    try {
        work();
    } catch (const std::exception&) {
        throw StoreError(message);
    }
}

// The number of a paper table's name, as the bank may hold it; none when it has no usable one.
std::optional<int> numberOf(const QString& name)
{
    const QString normal = name.trimmed().toLower();
    if (!BankSchema::isPaperTableName(normal))
        return std::nullopt;
    bool isNumber = false;
    const int number = normal.mid(8).toInt(&isNumber);
    if (!isNumber || number == std::numeric_limits<int>::max())
        return std::nullopt;
    return number;
}

QString placeholders(qsizetype count)
{
    QStringList marks;
    for (qsizetype i = 0; i < count; ++i)
        marks.append(u"?"_s);
    return marks.join(u',');
}

} // namespace

PaperGenerator::PaperGenerator(TDM1& dm) : m_dm(dm) {}

SQLite::Statement& PaperGenerator::statement(const QString& sql)
{
    return StoreConnection::prepared(m_dm, sql);
}

SQLite::Database& PaperGenerator::connection()
{
    return StoreConnection::db(m_dm);
}

QString PaperGenerator::paperTitle(const QDate& day, const QString& subjectTitle, int number)
{
    return day.toString(u"yyyy年MM月dd日"_s) + subjectTitle + u"["_s + QString::number(number) + u"]"_s;
}

PaperGenerator::Paper PaperGenerator::generate(int subjectNumber)
{
    const ExamSubjects::Subject& subject = ExamSubjects::subject(subjectNumber);
    Paper paper;
    paper.subject = subject.number;
    // The exam and the windows after it read the type table of this subject.
    m_dm.bindTypeTable(subject.number);
    m_dm.inTransaction([&] {
        nameNewPaper(paper);
        step(CreateFailed, [&] { createPaperTable(paper); });
        registerPaper(paper);
        PreparePaper(paper, subject);
        paper.questionCount = PaperTable(m_dm, paper.A1).size();
        if (paper.questionCount == 0)
            throw StoreError(OpenFailed);
        ExamProgress(m_dm).begin(paper.A1, paper.subject);
    });
    return paper;
}

void PaperGenerator::nameNewPaper(Paper& paper)
{
    sqlGuarded([&] {
        auto& newest = statement(u"SELECT A1, coalesce(A3_1, 0) FROM tab_cj ORDER BY A3_1 DESC LIMIT 1"_s);
        int tableNumber = 1;
        paper.A3_1 = 1;
        if (newest.executeStep()) {
            const std::optional<int> newestNumber = numberOf(StatementBinding::text(newest, 0));
            paper.A3_1 = newest.getColumn(1).getInt() + 1;
            newest.reset();
            // A name without its number must not stop the exam: the next free number serves.
            tableNumber = newestNumber ? *newestNumber + 1 : nextFreeNumber();
        }
        newest.reset();
        paper.A1 = u"tab_exam"_s + QString::number(tableNumber);
        auto& taken = statement(u"SELECT 1 FROM tab_cj WHERE A1 = ?"_s);
        StatementBinding::bindText(taken, 1, paper.A1);
        const bool isTaken = taken.executeStep();
        taken.reset();
        if (isTaken)
            paper.A1 = u"tab_exam"_s + QString::number(nextFreeNumber());
        paper.A3 = paperTitle(m_dm.clock().today(), ExamSubjects::subject(paper.subject).title, paper.A3_1);
    });
}

void PaperGenerator::registerPaper(const Paper& paper)
{
    sqlGuarded([&] {
        const QDate today = m_dm.clock().today();
        auto& insert = statement(u"INSERT INTO tab_cj (A1, A3, A3_1, D1) VALUES (?, ?, ?, ?)"_s);
        StatementBinding::bindText(insert, 1, paper.A1);
        StatementBinding::bindText(insert, 2, paper.A3);
        insert.bind(3, paper.A3_1);
        StatementBinding::bindText(insert, 4, today.toString(Qt::ISODate));
        insert.exec();
    });
}

int PaperGenerator::nextFreeNumber()
{
    auto& names = statement(u"SELECT A1 FROM tab_cj"_s);
    int highest = 0;
    while (names.executeStep())
        highest = std::max(highest, numberOf(StatementBinding::text(names, 0)).value_or(0));
    return highest + 1;
}

void PaperGenerator::createPaperTable(const Paper& paper)
{
    const QString name = PaperTable::checkedName(paper.A1);
    // A table left without its result record by an earlier failure gives way to the new paper.
    if (PaperTable(m_dm, name).exists())
        m_dm.DropPaperTable(name);
    sqlGuarded([&] { connection().exec(PaperTable::createStatement(name).toStdString()); });
}

void PaperGenerator::PreparePaper(const Paper& paper, const ExamSubjects::Subject& subject)
{
    step(NoQuestions, [&] {
        auto& any = statement(u"SELECT 1 FROM tab_answ WHERE "_s + baseFilter(subject) + u" LIMIT 1"_s);
        for (qsizetype i = 0; i < subject.basePrefixes.size(); ++i)
            StatementBinding::bindText(any, int(i) + 1, subject.basePrefixes[i] + u'%');
        const bool found = any.executeStep();
        any.reset();
        if (!found)
            throw StoreError(NoQuestions);
    });
    step(DrawFailed, [&] {
        // The types of the subject's own type table, in table order, unless its B2 is 0.
        auto& types = statement(u"SELECT A1 FROM "_s + BankSchema::typeTableName(subject.number) +
                                u" WHERE B2 > 0 ORDER BY rowid"_s);
        QVector<int> drawn;
        while (types.executeStep())
            drawn.append(types.getColumn(0).getInt());
        for (int type : drawn)
            DrawTypeGroups(subject, paper.A1, type);
    });
}

void PaperGenerator::DrawTypeGroups(const ExamSubjects::Subject& subject, const QString& table, int type)
{
    for (const ExamSubjects::DrawGroup& group : subject.groups) {
        if (group.type == type)
            InsertDrawnQuestions(table, DrawGroup(subject, group));
    }
}

QStringList PaperGenerator::DrawGroup(const ExamSubjects::Subject& subject,
                                      const ExamSubjects::DrawGroup& group)
{
    // Positions count in the base set's order: fewest answers first, ties in bank order.
    QStringList keys = sqlGuarded([&] {
        auto& query = statement(u"SELECT A1 FROM tab_answ WHERE "_s + baseFilter(subject) +
                                u" AND A13 = ? AND A10 LIKE ? ORDER BY E3, rowid"_s);
        int index = 1;
        for (const QString& prefix : subject.basePrefixes)
            StatementBinding::bindText(query, index++, prefix + u'%');
        query.bind(index++, group.type);
        StatementBinding::bindText(query, index, group.prefix + u'%');
        QStringList rows;
        while (query.executeStep())
            rows.append(StatementBinding::text(query, 0));
        return rows;
    });
    const auto n = std::uint32_t(keys.size());
    // A group with no more questions than its quota takes them all instead of looking for more forever.
    if (n <= std::uint32_t(group.quota))
        return keys;
    m_random.seed(PaperRandom::seedOf(m_dm.clock().now().toUTC().time()));
    QVector<bool> taken(keys.size(), false);
    QStringList drawn;
    for (int i = 0; i < group.quota; ++i) {
        std::uint32_t p = m_random.draw(n);
        while (taken[qsizetype(p)])
            p = m_random.draw(n);
        taken[qsizetype(p)] = true;
        drawn.prepend(keys[qsizetype(p)]);
    }
    return drawn;
}

void PaperGenerator::InsertDrawnQuestions(const QString& table, const QStringList& keys)
{
    if (keys.isEmpty())
        return;
    // A drawn question without a content row is left out by the join; the answer of this paper starts empty.
    sqlGuarded([&] {
        SQLite::Statement insert(
            connection(),
            (u"INSERT INTO "_s + PaperTable::checkedName(table) +
             u" (A1, A2, A2_1, K3, K4, K5, K6, K7, K8, K9, K10, K11, K12, A10, A13, A14, E1, E2, E2_1,"
             u" E3, E4, jx, csbs, F1)"
             u" SELECT a.A1, a.A2, a.A2_1, a.K3, a.K4, a.K5, a.K6, a.K7, a.K8, a.K9, a.K10, a.K11, a.K12,"
             u" a.A10, a.A13, a.A14, a.E1, a.E2, '', a.E3, a.E4, b.jx, a.csbs, a.F1"
             u" FROM tab_answ a JOIN tab_exer b ON a.A1 = b.A1 WHERE a.A1 IN ("_s +
             placeholders(keys.size()) + u")"_s)
                .toStdString());
        for (qsizetype i = 0; i < keys.size(); ++i)
            StatementBinding::bindText(insert, int(i) + 1, keys[i]);
        insert.exec();
    });
}

QString PaperGenerator::baseFilter(const ExamSubjects::Subject& subject) const
{
    QStringList chapters;
    for (qsizetype i = 0; i < subject.basePrefixes.size(); ++i)
        chapters.append(u"A10 LIKE ?"_s);
    return u"("_s + chapters.join(u" OR "_s) + u") AND (F1 <> 1)"_s;
}
