// Kills a process in the middle of a mock exam at random moments and checks after
// each kill that the paper can be resumed exactly as it was left: its record and
// table together, every answer counted once, and the exam clock saved with them.
#include "BankFixture.h"
#include "FakeClock.h"

#include "store/ExamProgress.h"
#include "store/TDM1.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

void fillBank(BankFixture& bank)
{
    bank.exec(u"PRAGMA synchronous=OFF"_s); // only for setting up
    bank.chapter(u"1"_s).chapter(u"10"_s).chapter(u"100101"_s);
    for (int i = 0; i < 40; ++i)
        bank.question(u"Q%1"_s.arg(i, 3, 10, QChar(u'0')), u"100101"_s, i % 2 ? 61 : 65, u"A"_s);
    bank.type(1, 61, u"单选题"_s, 30, 1).type(1, 65, u"多选题"_s, 40, 1);
}

void expectResumable(BankFixture& bank, int kill)
{
    ASSERT_EQ(bank.text(u"PRAGMA quick_check"_s), u"ok"_s) << "kill " << kill;
    const qint64 records = bank.integer(u"SELECT count(*) FROM tab_cj"_s);
    const qint64 tables =
        bank.integer(u"SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name LIKE 'tab_exam_%'"_s);
    ASSERT_EQ(records, tables) << "a record without its table, kill " << kill;
    ASSERT_LE(records, 1) << kill;
    if (records == 0)
        return; // killed before the paper was complete: nothing of it is left
    const qint64 answers = bank.integer(u"SELECT coalesce(sum(E3), 0) FROM tab_answ"_s);
    EXPECT_EQ(bank.integer(u"SELECT D1 FROM tab_kmmc WHERE C1 = '1'"_s), answers) << kill;
    EXPECT_EQ(bank.integer(u"SELECT coalesce(sum(A2), 0) FROM tab_rz"_s), answers) << kill;
    FakeClock clock;
    TDM1 dm(bank.programFolder(), clock);
    const auto unfinished = ExamProgress(dm).unfinished(1);
    if (answers == 0) {
        EXPECT_FALSE(unfinished) << kill;
        return;
    }
    ASSERT_TRUE(unfinished) << kill;
    EXPECT_EQ(unfinished->elapsedSeconds, answers) << "the clock was saved with every answer, kill " << kill;
    EXPECT_EQ(unfinished->answered,
              bank.integer(u"SELECT count(*) FROM "_s + unfinished->A1 + u" WHERE E2_1 <> ''"_s))
        << kill;
}

} // namespace

TEST(ExamCrash, aKilledExamIsResumedAsItWasLeft)
{
    BankFixture bank;
    fillBank(bank);
    qint64 before = 0;
    for (int kill = 0; kill < 15; ++kill) {
        QProcess child;
        child.start(QString::fromUtf8(EXAM_LOOP_PROGRAM), {bank.programFolder()});
        ASSERT_TRUE(child.waitForStarted(5000));
        ASSERT_TRUE(child.waitForReadyRead(20000)) << "the exam did not start";
        QThread::msleep(QRandomGenerator::global()->bounded(1, 60));
        child.kill(); // SIGKILL: no chance to finish a transaction
        ASSERT_TRUE(child.waitForFinished(5000));
        expectResumable(bank, kill);
        if (::testing::Test::HasFailure())
            return;
        const qint64 answers = bank.integer(u"SELECT coalesce(sum(E3), 0) FROM tab_answ"_s);
        EXPECT_GT(answers, before) << "the resumed exam recorded nothing before kill " << kill;
        before = answers;
    }
}
