// Benchmarks of the start-up check and of one automatic backup on the large bank.
#include "LargeBank.h"

#include "platform/SystemClock.h"
#include "store/AutoBackup.h"
#include "store/BankBackup.h"
#include "store/BankConnection.h"
#include "store/TDM1.h"

#include <QFileInfo>

#include <benchmark/benchmark.h>

namespace {

void BM_QuickCheck(benchmark::State& state)
{
    const QString bank = TDM1::bankPathIn(LargeBank::freshCopy());
    for (auto _ : state) {
        const BankConnection::FileCheck check = BankConnection::checkFile(bank);
        if (check.state != BankConnection::FileState::Sound) {
            state.SkipWithError(check.problem.toStdString().c_str());
            break;
        }
    }
    state.counters["bank_MB"] = double(QFileInfo(bank).size()) / (1024.0 * 1024.0);
}

void BM_Backup(benchmark::State& state)
{
    SystemClock clock;
    TDM1 dm(LargeBank::freshCopy(), clock);
    for (auto _ : state) {
        const BackupResult made = dm.autoBackup().atClose();
        if (!made.ok()) {
            state.SkipWithError(made.error.toStdString().c_str());
            break;
        }
    }
}

} // namespace

BENCHMARK(BM_QuickCheck)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Backup)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
