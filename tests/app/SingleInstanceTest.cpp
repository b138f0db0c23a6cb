#include "AppTestFolder.h"
#include "BankFixture.h"

#include "platform/LocalSingleInstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Probe = QStringLiteral(VELMARIN_TEST_PROBE);

// Each test has a runtime folder of its own, so that no real copy of the program is found.
class SingleInstanceProcesses : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(runtime.isValid());
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"XDG_RUNTIME_DIR"_s, runtime.path());
        environment.insert(u"HOME"_s, runtime.path());
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    }

    void start(QProcess& process, const QString& program, const QStringList& arguments)
    {
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        ASSERT_TRUE(process.waitForStarted(5000));
    }

    // Starts the listening copy and waits until it listens.
    void startListener(QProcess& listener, const QString& title)
    {
        start(listener, Probe, {u"listen"_s, title});
        ASSERT_TRUE(listener.waitForReadyRead(5000));
        ASSERT_EQ(listener.readLine().trimmed(), QByteArray("listening"));
    }

    int runLaterStart(const QString& title, qint64* elapsedMs = nullptr)
    {
        QProcess later;
        QElapsedTimer clock;
        clock.start();
        start(later, Probe, {u"start"_s, title});
        EXPECT_TRUE(later.waitForFinished(5000));
        if (elapsedMs)
            *elapsedMs = clock.elapsed();
        return later.exitCode();
    }

    QTemporaryDir runtime;
    QProcessEnvironment environment;
};

TEST_F(SingleInstanceProcesses, ALaterStartAsksTheRunningCopyToComeForwardAndEnds)
{
    QProcess first;
    startListener(first, u"Velmarin"_s);
    qint64 elapsed = 0;
    EXPECT_EQ(runLaterStart(u"Velmarin"_s, &elapsed), 0);
    EXPECT_LT(elapsed, 3000);
    ASSERT_TRUE(first.waitForFinished(5000));
    EXPECT_EQ(first.readAll().trimmed(), QByteArray("raised"));
    EXPECT_EQ(first.exitCode(), 0);
}

TEST_F(SingleInstanceProcesses, AProgramWithAnotherTitleDoesNotCount)
{
    QProcess first;
    startListener(first, u"Velmarin"_s);
    EXPECT_EQ(runLaterStart(u"Velmarin2"_s), 5);
    EXPECT_EQ(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished();
}

TEST_F(SingleInstanceProcesses, TheSocketOfACrashedCopyDoesNotBlockTheNextStart)
{
    QProcess crashed;
    startListener(crashed, u"Velmarin"_s);
    crashed.kill(); // no chance to remove its socket
    crashed.waitForFinished();
    EXPECT_EQ(runLaterStart(u"Velmarin"_s), 5);

    QProcess next;
    startListener(next, u"Velmarin"_s);
    EXPECT_EQ(runLaterStart(u"Velmarin"_s), 0);
    ASSERT_TRUE(next.waitForFinished(5000));
    EXPECT_EQ(next.exitCode(), 0);
}

TEST_F(SingleInstanceProcesses, TwoCopiesStartedInTheSameInstantNeverBothRun)
{
    QProcess copies[2];
    for (QProcess& copy : copies)
        start(copy, Probe, {u"listen"_s, u"Velmarin"_s});
    for (QProcess& copy : copies)
        ASSERT_TRUE(copy.waitForFinished(25000));
    // 3: the copy found the other's claim and ended; the other ran (and was asked to come forward).
    const int ended = int(copies[0].exitCode() == 3) + int(copies[1].exitCode() == 3);
    EXPECT_EQ(ended, 1) << copies[0].exitCode() << " " << copies[1].exitCode();
}

TEST_F(SingleInstanceProcesses, TheProgramStartedTwiceEndsTheSecondAtOnce)
{
    // A program folder of its own: the program, its bank and its menu.
    BankFixture bank;
    installMenu(bank.programFolder());
    const QString program = QDir(bank.programFolder()).filePath(u"velmarin"_s);
    ASSERT_TRUE(QFile::copy(QStringLiteral(VELMARIN_TEST_PROGRAM), program));

    QProcess first;
    start(first, program, {});
    const QString socket =
        QDir(runtime.path())
            .filePath(QFileInfo(LocalSingleInstance::serverNameFor(u"Velmarin"_s)).fileName());
    QElapsedTimer waiting;
    waiting.start();
    while (!QFileInfo::exists(socket) && waiting.elapsed() < 10000)
        QThread::msleep(50);
    ASSERT_TRUE(QFileInfo::exists(socket)) << qPrintable(socket);
    ASSERT_EQ(first.state(), QProcess::Running);

    QProcess second;
    QElapsedTimer clock;
    clock.start();
    start(second, program, {});
    ASSERT_TRUE(second.waitForFinished(5000));
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
    first.terminate();
    if (!first.waitForFinished(5000)) {
        first.kill();
        first.waitForFinished();
    }
}

} // namespace
