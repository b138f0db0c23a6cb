// Kills a process that records answers at random moments and checks after each
// kill that the bank is sound and that no answer was half recorded.
#include "BankFixture.h"
#include "FakeClock.h"

#include "store/AnswerRecorder.h"
#include "store/StoreError.h"
#include "store/TDM1.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

void fillBank(BankFixture& bank)
{
    bank.chapter(u"1"_s).chapter(u"10"_s).chapter(u"1001"_s).chapter(u"100101"_s).chapter(u"100102"_s);
    bank.point(u"010101000001"_s).point(u"010101000002"_s).point(u"020101000001"_s);
    const QStringList points[] = {{u"010101000001"_s}, {u"010101000002"_s, u"020101000001"_s}, {}};
    for (int i = 0; i < 30; ++i) {
        const QString key = u"Q%1"_s.arg(i, 3, 10, QChar(u'0'));
        bank.question(key, i % 2 ? u"100101"_s : u"100102"_s, 61, u"A"_s, 4, points[i % 3]);
    }
}

void expectConsistent(BankFixture& bank, int kill)
{
    ASSERT_EQ(bank.text(u"PRAGMA quick_check"_s), u"ok"_s) << "kill " << kill;
    const qint64 answers = bank.integer(u"SELECT coalesce(sum(E3), 0) FROM tab_answ"_s);
    EXPECT_EQ(bank.integer(u"SELECT coalesce(sum(D1), 0) FROM tab_kmmc WHERE length(C1) = 6"_s), answers)
        << kill;
    EXPECT_EQ(bank.integer(u"SELECT coalesce(sum(A2), 0) FROM tab_rz"_s), answers) << kill;
    EXPECT_EQ(bank.integer(u"SELECT D1 FROM tab_kmmc WHERE C1 = '1'"_s), answers) << kill;
    EXPECT_EQ(bank.integer(u"SELECT coalesce(sum(D2), 0) FROM tab_kmmc WHERE length(C1) = 6"_s),
              bank.integer(u"SELECT coalesce(sum(A3), 0) FROM tab_rz"_s))
        << kill;
    EXPECT_EQ(bank.integer(u"SELECT coalesce(sum(C4), 0) FROM tab_kmmc WHERE length(C1) = 6"_s),
              bank.integer(u"SELECT count(*) FROM tab_answ WHERE E3 > 0"_s))
        << kill;
    EXPECT_EQ(bank.integer(u"SELECT count(*) FROM tab_rule r WHERE q2 <> (SELECT coalesce(sum(E3), 0)"
                           u" FROM tab_answ WHERE r.ftid IN (K3, K4))"_s),
              0)
        << kill;
}

} // namespace

TEST(CrashSafety, killedRecordingLeavesNoHalfRecordedAnswer)
{
    BankFixture bank;
    fillBank(bank);
    qint64 before = 0;
    for (int kill = 0; kill < 40; ++kill) {
        QProcess child;
        child.start(QString::fromUtf8(ANSWER_LOOP_PROGRAM), {bank.programFolder()});
        ASSERT_TRUE(child.waitForStarted(5000));
        ASSERT_TRUE(child.waitForReadyRead(10000)) << "the recorder did not start";
        QThread::msleep(QRandomGenerator::global()->bounded(1, 60));
        child.kill(); // SIGKILL: no chance to finish a transaction
        ASSERT_TRUE(child.waitForFinished(5000));
        expectConsistent(bank, kill);
        if (::testing::Test::HasFailure())
            return;
        const qint64 answers = bank.integer(u"SELECT sum(E3) FROM tab_answ"_s);
        EXPECT_GT(answers, before) << "no answer was recorded before kill " << kill;
        before = answers;
    }
}

// A write lock held elsewhere makes the first answer fail; that failure must not
// leave the data module believing a transaction is open, or the next answer would
// be written statement by statement and a late failure would leave it half recorded.
TEST(CrashSafety, anAnswerAfterALockedOneIsStillAllOrNothing)
{
    BankFixture bank;
    fillBank(bank);
    FakeClock clock;
    TDM1 dm(bank.programFolder(), clock);
    ASSERT_EQ(dm.successFlag(), 1);
    const TDM1::Durability durability = dm.durability();
    EXPECT_EQ(durability.journalMode, u"wal"_s);
    EXPECT_EQ(durability.synchronous, 2);
    AnswerRecorder recorder(dm);
    auto load = [&](const QString& key) {
        return dm.readQuestions({u"SELECT * FROM tab_answ WHERE A1 = ?"_s, {key}}).value(0);
    };

    bank.exec(u"BEGIN IMMEDIATE"_s);
    QuestionRecord locked = load(u"Q000"_s);
    EXPECT_THROW(recorder.record(locked, u"B"_s), StoreError);
    bank.exec(u"ROLLBACK"_s);
    EXPECT_EQ(bank.integer(u"SELECT count(*) FROM tab_rz"_s), 0);

    // The question record is the last statement of an answer.
    bank.exec(u"CREATE TRIGGER fail_answer BEFORE UPDATE OF E2 ON tab_answ WHEN NEW.A1 = 'Q001'"
              u" BEGIN SELECT RAISE(ABORT, 'disk full'); END"_s);
    QuestionRecord failing = load(u"Q001"_s);
    try {
        recorder.record(failing, u"B"_s);
        ADD_FAILURE() << "the answer was reported as recorded";
    } catch (const StoreError& e) {
        EXPECT_TRUE(e.message().contains(u"disk full"_s)) << e.message().toStdString();
    }
    EXPECT_EQ(bank.integer(u"SELECT count(*) FROM tab_rz"_s), 0);
    EXPECT_EQ(bank.integer(u"SELECT coalesce(sum(D1), 0) FROM tab_kmmc"_s), 0);
    EXPECT_EQ(bank.integer(u"SELECT coalesce(sum(q2), 0) FROM tab_rule"_s), 0);
    EXPECT_EQ(bank.integer(u"SELECT coalesce(sum(q2), 0) FROM tab_fgmc"_s), 0);
    EXPECT_TRUE(failing.E2.isEmpty());

    bank.exec(u"DROP TRIGGER fail_answer"_s);
    QuestionRecord answered = load(u"Q001"_s);
    recorder.record(answered, u"B"_s);
    EXPECT_EQ(bank.integer(u"SELECT sum(E3) FROM tab_answ"_s), 1);
    expectConsistent(bank, 0);
}
