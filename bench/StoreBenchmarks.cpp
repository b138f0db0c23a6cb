// Benchmarks of the data module against a generated bank of realistic size.
#include "BareAnswer.h"
#include "LargeBank.h"

#include "platform/SystemClock.h"
#include "store/AnswerRecorder.h"
#include "store/ChapterTable.h"
#include "store/CodeSchemes.h"
#include "store/PracticeQueries.h"
#include "store/PracticeSet.h"
#include "store/TDM1.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

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

void BM_RecordAnswer(benchmark::State& state)
{
    Session session;
    AnswerRecorder recorder(session.dm);
    QVector<QuestionRecord> questions =
        session.dm.readQuestions(LargeBank::questionsUnder(LargeBank::FiveThousandChapter));
    qsizetype next = 0;
    for (auto _ : state) {
        QuestionRecord& question = questions[next++ % questions.size()];
        recorder.record(question, question.E2_1 == u"A" ? u"B"_s : u"A"_s);
    }
}

void BM_RecordAnswerBareSqlite(benchmark::State& state)
{
    const QString folder = LargeBank::freshCopy();
    QVector<QuestionRecord> questions;
    {
        SystemClock clock;
        TDM1 dm(folder, clock);
        questions = dm.readQuestions(LargeBank::questionsUnder(LargeBank::FiveThousandChapter));
    }
    BareAnswer bare(folder);
    const QByteArray today = QDate::currentDate().toString(Qt::ISODate).toUtf8();
    qsizetype next = 0;
    for (auto _ : state) {
        QuestionRecord& question = questions[next++ % questions.size()];
        const QByteArray answer = question.E2_1 == u"A" ? "B" : "A";
        bare.record(question, answer, today);
        question.E2_1 = QString::fromUtf8(answer);
    }
}

void BM_CloseStudyRun(benchmark::State& state)
{
    Session session;
    AnswerRecorder recorder(session.dm);
    QVector<QuestionRecord> questions = session.dm.readQuestions(LargeBank::questionsUnder(u"2"_s));
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
        LargeBank::leaveRunAnswers(session.dm.ProgramFolder(), u"200000"_s);
        state.ResumeTiming();
        set.load(statement);
        benchmark::DoNotOptimize(set.count());
    }
    state.counters["rows"] = double(set.count());
}

void BM_ChapterBrowserRefresh(benchmark::State& state)
{
    Session session;
    // What the browser's model reads on every refresh.
    ChapterTable chapters(session.dm);
    qsizetype rows = 0;
    for (auto _ : state) {
        rows = chapters.listed().size();
        benchmark::DoNotOptimize(chapters.totals().answers);
    }
    state.counters["rows"] = double(rows);
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
