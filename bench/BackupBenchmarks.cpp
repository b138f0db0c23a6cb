// Benchmarks of the start-up check and of one automatic backup on the large bank.
#include "LargeBank.h"

#include "platform/SystemClock.h"
#include "store/BankBackup.h"
#include "store/BankConnection.h"
#include "store/TDM1.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <SQLiteCpp/Database.h>

#include <benchmark/benchmark.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// A program folder with its own copy of the large bank (VELMARIN_BENCH_FOLDER keeps the generated one).
QString largeBank()
{
    static QTemporaryDir dir;
    static const QString bank = [] {
        const QString kept = qEnvironmentVariable("VELMARIN_BENCH_FOLDER");
        if (kept.isEmpty()) {
            LargeBank::generate(dir.path() + u'/');
            return TDM1::bankPathIn(dir.path() + u'/');
        }
        if (!QFile::exists(TDM1::bankPathIn(kept + u'/')))
            LargeBank::generate(kept + u'/');
        // Backups go beside the bank; the kept folder stays as it is.
        QDir(dir.path()).mkpath(u"data"_s);
        const QString copy = TDM1::bankPathIn(dir.path() + u'/');
        QFile::copy(TDM1::bankPathIn(kept + u'/'), copy);
        return copy;
    }();
    return bank;
}

void BM_QuickCheck(benchmark::State& state)
{
    auto db = BankConnection::open(largeBank());
    for (auto _ : state) {
        const QString problem = BankConnection::quickCheck(*db);
        if (!problem.isEmpty()) {
            state.SkipWithError(problem.toStdString().c_str());
            break;
        }
    }
    state.counters["bank_MB"] = double(QFileInfo(largeBank()).size()) / (1024.0 * 1024.0);
}

void BM_Backup(benchmark::State& state)
{
    SystemClock clock;
    auto db = BankConnection::open(largeBank());
    const BankBackup backup(largeBank(), clock);
    for (auto _ : state) {
        const BackupResult made = backup.make(*db);
        if (!made.ok()) {
            state.SkipWithError(made.error.toStdString().c_str());
            break;
        }
    }
}

} // namespace

BENCHMARK(BM_QuickCheck)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Backup)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
