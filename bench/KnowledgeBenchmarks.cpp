// Benchmarks of the knowledge-point practice set and the whole-bank search on the generated bank.
#include "LargeBank.h"

#include "platform/SystemClock.h"
#include "store/PracticeQueries.h"
#include "store/PracticeSet.h"
#include "store/QuestionSearch.h"
#include "store/TDM1.h"

#include <benchmark/benchmark.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Session
{
    SystemClock clock;
    TDM1 dm{LargeBank::freshCopy(), clock};
};

// The first point of the bank: about ten questions cite it, found by a scan of all 100,000.
void BM_PointPracticeSet(benchmark::State& state)
{
    Session session;
    const PracticeStatement statement = PracticeQueries::pointSet(u"010000000000"_s);
    PracticeSet set(session.dm);
    for (auto _ : state) {
        set.load(statement);
        benchmark::DoNotOptimize(set.count());
    }
    state.counters["rows"] = double(set.count());
}

void search(benchmark::State& state, const QString& text)
{
    Session session;
    QuestionSearch search(session.dm);
    qsizetype hits = 0;
    for (auto _ : state) {
        hits = search.find(text).size();
        benchmark::DoNotOptimize(hits);
    }
    state.counters["hits"] = double(hits);
}

// A phrase a candidate remembers: a few questions hold it.
void BM_SearchQuestions(benchmark::State& state)
{
    search(state, u"第 4242 题"_s);
}

// A phrase every question holds: all of them are ranked, the best 500 listed.
void BM_SearchQuestionsCommonPhrase(benchmark::State& state)
{
    search(state, u"题的题干"_s);
}

// Two characters have no trigram: a scan of every indexed text.
void BM_SearchQuestionsShortText(benchmark::State& state)
{
    search(state, u"42"_s);
}

} // namespace

BENCHMARK(BM_PointPracticeSet)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_SearchQuestions)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_SearchQuestionsCommonPhrase)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_SearchQuestionsShortText)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
