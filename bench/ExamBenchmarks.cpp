// Benchmarks of drawing and marking a mock-exam paper on the generated bank.
#include "LargeBank.h"

#include "platform/SystemClock.h"
#include "store/ExamAnswerRecorder.h"
#include "store/PaperGenerator.h"
#include "store/PaperMarking.h"
#include "store/PaperTable.h"
#include "store/TDM1.h"

#include <benchmark/benchmark.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Session
{
    SystemClock clock;
    TDM1 dm{LargeBank::freshCopy(), clock};
};

// Subject 1: a 100-question paper drawn by quota from the whole base set, in one transaction.
void BM_GeneratePaper(benchmark::State& state)
{
    Session session;
    int questions = 0;
    for (auto _ : state) {
        const PaperGenerator::Paper paper = PaperGenerator(session.dm).generate(1);
        questions = paper.questionCount;
        state.PauseTiming();
        PaperMarking(session.dm).drop(paper.A1);
        state.ResumeTiming();
    }
    state.counters["questions"] = double(questions);
}

// A paper with every question answered, marked: score, result record, study log.
void BM_MarkPaper(benchmark::State& state)
{
    Session session;
    const PaperGenerator::Paper paper = PaperGenerator(session.dm).generate(1);
    ExamAnswerRecorder recorder(session.dm, paper.A1);
    for (QuestionRecord& row : PaperTable(session.dm, paper.A1).rows())
        recorder.record(row, row.A2, 600);
    double score = 0;
    for (auto _ : state)
        score = PaperMarking(session.dm).MarkPaper(paper.A1, 1, u"1:00:00"_s).score;
    state.counters["score"] = score;
}

} // namespace

BENCHMARK(BM_GeneratePaper)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MarkPaper)->Unit(benchmark::kMillisecond);
