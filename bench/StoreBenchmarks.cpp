// Benchmarks of the data module against a generated bank of realistic size.
#include "LargeBank.h"

#include "platform/SystemClock.h"
#include "practice/ChapterTableModel.h"
#include "store/AnswerRecorder.h"
#include "store/CodeSchemes.h"
#include "store/PracticeQueries.h"
#include "store/PracticeSet.h"
#include "store/TDM1.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <SQLiteCpp/Database.h>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

PracticeStatement newQuestionSet(const QString& chapter)
{
    return PracticeQueries::chapterSet(PracticeMode::NewQuestions, chapter);
}

struct Session
{
    SystemClock clock;
    TDM1 dm{LargeBank::freshCopy(), clock};
};

// The questions the recording benchmarks answer, over and over.
PracticeStatement chapterQuestions(const QString& chapter)
{
    return {u"SELECT * FROM tab_answ WHERE substr(A10, 1, length(?1)) = ?1 ORDER BY A1"_s, {chapter}};
}

void BM_RecordAnswer(benchmark::State& state)
{
    Session session;
    AnswerRecorder recorder(session.dm);
    QVector<QuestionRecord> questions =
        session.dm.readQuestions(chapterQuestions(LargeBank::FiveThousandChapter));
    qsizetype next = 0;
    for (auto _ : state) {
        QuestionRecord& question = questions[next++ % questions.size()];
        recorder.record(question, question.E2_1 == u"A" ? u"B"_s : u"A"_s);
    }
}

// The same row changes as one counted answer, written as bare sqlite3 calls in
// one transaction: the floor the data module is compared against.
class BareAnswer
{
public:
    explicit BareAnswer(sqlite3* db) : m_db(db)
    {
        m_findLog = prepare("SELECT 1 FROM tab_rz WHERE A1 = ?");
        m_insertLog = prepare("INSERT INTO tab_rz (A1, A2, A3, B1, B2) VALUES (?, 1, ?, 1, ?)");
        m_updateLog =
            prepare("UPDATE tab_rz SET A2 = A2 + 1, A3 = coalesce(A3, 0) + ?, B1 = B1 + ? WHERE A1 = ?");
        m_chapters = prepare(
            "UPDATE tab_kmmc SET C4 = C4 + ?, D1 = D1 + 1, D2 = D2 + ? WHERE C1 IN (?, ?, ?, ?, ?, ?)");
        m_points =
            prepare("UPDATE tab_rule SET q2 = q2 + 1, q1 = q1 + ?, q4 = q4 + ? WHERE ftid IN (?, ?, ?)");
        m_nodes = prepare("UPDATE tab_fgmc SET q2 = q2 + 1, q1 = q1 + ?, q4 = q4 + ? WHERE id IN (?, ?, ?)");
        m_question =
            prepare("UPDATE tab_answ SET E2_1 = ?1, E2 = ?1, E1 = ?2, E3 = E3 + 1, E4 = ?3 WHERE A1 = ?4");
    }
    ~BareAnswer()
    {
        for (sqlite3_stmt* s :
             {m_findLog, m_insertLog, m_updateLog, m_chapters, m_points, m_nodes, m_question})
            sqlite3_finalize(s);
    }

    void record(const QuestionRecord& q, const QByteArray& answer, const QByteArray& today)
    {
        const int wrong = answer != q.A2.toUtf8() ? 1 : 0;
        sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        sqlite3_bind_text(m_findLog, 1, today.constData(), -1, SQLITE_STATIC);
        const bool found = sqlite3_step(m_findLog) == SQLITE_ROW;
        sqlite3_reset(m_findLog);
        if (found) {
            sqlite3_bind_int(m_updateLog, 1, wrong);
            sqlite3_bind_int(m_updateLog, 2, 0);
            sqlite3_bind_text(m_updateLog, 3, today.constData(), -1, SQLITE_STATIC);
            run(m_updateLog);
        } else {
            sqlite3_bind_text(m_insertLog, 1, today.constData(), -1, SQLITE_STATIC);
            sqlite3_bind_int(m_insertLog, 2, wrong);
            sqlite3_bind_int(m_insertLog, 3, wrong);
            run(m_insertLog);
        }
        const QByteArray chapter = q.A10.toUtf8();
        sqlite3_bind_int(m_chapters, 1, 0);
        sqlite3_bind_int(m_chapters, 2, wrong);
        for (int length = 6; length >= 1; --length)
            sqlite3_bind_text(m_chapters, 3 + 6 - length, chapter.constData(), length, SQLITE_TRANSIENT);
        run(m_chapters);
        bindPoints(m_points, q, 12, wrong);
        run(m_points);
        bindPoints(m_nodes, q, 6, wrong);
        run(m_nodes);
        bindPoints(m_nodes, q, 2, wrong);
        run(m_nodes);
        const QByteArray key = q.A1.toUtf8();
        sqlite3_bind_text(m_question, 1, answer.constData(), -1, SQLITE_STATIC);
        sqlite3_bind_text(m_question, 2, today.constData(), -1, SQLITE_STATIC);
        sqlite3_bind_int(m_question, 3, wrong ? -1 : 0);
        sqlite3_bind_text(m_question, 4, key.constData(), -1, SQLITE_TRANSIENT);
        run(m_question);
        sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr);
    }

private:
    sqlite3_stmt* prepare(const char* sql)
    {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr);
        return statement;
    }
    static void run(sqlite3_stmt* statement)
    {
        sqlite3_step(statement);
        sqlite3_reset(statement);
        sqlite3_clear_bindings(statement);
    }
    static void bindPoints(sqlite3_stmt* statement, const QuestionRecord& q, int length, int wrong)
    {
        sqlite3_bind_int(statement, 1, 0);
        sqlite3_bind_int(statement, 2, wrong);
        for (int k = 0; k < 3; ++k) {
            const QByteArray code = q.K[size_t(k)].left(length).toUtf8();
            if (code.isEmpty())
                sqlite3_bind_null(statement, 3 + k);
            else
                sqlite3_bind_text(statement, 3 + k, code.constData(), int(code.size()), SQLITE_TRANSIENT);
        }
    }

    sqlite3* m_db;
    sqlite3_stmt* m_findLog;
    sqlite3_stmt* m_insertLog;
    sqlite3_stmt* m_updateLog;
    sqlite3_stmt* m_chapters;
    sqlite3_stmt* m_points;
    sqlite3_stmt* m_nodes;
    sqlite3_stmt* m_question;
};

void BM_RecordAnswerBareSqlite(benchmark::State& state)
{
    const QString folder = LargeBank::freshCopy();
    QVector<QuestionRecord> questions;
    {
        SystemClock clock;
        TDM1 dm(folder, clock);
        questions = dm.readQuestions(chapterQuestions(LargeBank::FiveThousandChapter));
    }
    sqlite3* db = nullptr;
    sqlite3_open_v2(TDM1::bankPathIn(folder).toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL", nullptr, nullptr, nullptr);
    {
        BareAnswer bare(db);
        const QByteArray today = QDate::currentDate().toString(Qt::ISODate).toUtf8();
        qsizetype next = 0;
        for (auto _ : state) {
            QuestionRecord& question = questions[next++ % questions.size()];
            const QByteArray answer = question.E2_1 == u"A" ? "B" : "A";
            bare.record(question, answer, today);
            question.E2_1 = QString::fromUtf8(answer);
        }
    }
    sqlite3_close(db);
}

void BM_CloseStudyRun(benchmark::State& state)
{
    Session session;
    AnswerRecorder recorder(session.dm);
    QVector<QuestionRecord> questions = session.dm.readQuestions(chapterQuestions(u"2"_s));
    recorder.record(questions[0], u"A"_s); // today's log row exists
    for (auto _ : state)
        session.dm.CloseStudyRun(u"0:00:01"_s);
}

void BM_PracticeSetQuery(benchmark::State& state)
{
    Session session;
    const PracticeStatement statement = newQuestionSet(LargeBank::FiveThousandChapter);
    qsizetype rows = 0;
    for (auto _ : state) {
        const QVector<QuestionRecord> set = session.dm.readQuestions(statement);
        rows = set.size();
        benchmark::DoNotOptimize(set.data());
    }
    state.counters["rows"] = double(rows);
}

// Loading a set as the practice window does: the run answers the last run left
// (56 questions of one chapter) are cleared, then the 5,000 questions are read.
void BM_LoadPracticeSet(benchmark::State& state)
{
    Session session;
    const PracticeStatement statement = newQuestionSet(LargeBank::FiveThousandChapter);
    PracticeSet set(session.dm);
    for (auto _ : state) {
        state.PauseTiming();
        session.dm.db().exec("UPDATE tab_answ SET E2_1 = 'A' WHERE A10 = '200000'");
        state.ResumeTiming();
        set.load(statement);
        benchmark::DoNotOptimize(set.count());
    }
    state.counters["rows"] = double(set.count());
}

void BM_ChapterBrowserRefresh(benchmark::State& state)
{
    Session session;
    ChapterTableModel chapters(session.dm);
    for (auto _ : state) {
        chapters.refresh();
        benchmark::DoNotOptimize(chapters.totals().answers);
    }
    state.counters["rows"] = double(chapters.rowCount());
}

} // namespace

BENCHMARK(BM_LoadPracticeSet)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_ChapterBrowserRefresh)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_RecordAnswer)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_RecordAnswerBareSqlite)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_CloseStudyRun)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_PracticeSetQuery)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
