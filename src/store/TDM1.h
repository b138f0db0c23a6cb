#pragma once

#include "PracticeStatement.h"
#include "QuestionRecord.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <map>
#include <memory>

class AutoBackup;
class Clock;
struct BackupFile;
struct BackupResult;

namespace SQLite {
class Database;
class Savepoint;
class Statement;
class Transaction;
} // namespace SQLite

// The data module: the program's one way into the question bank. It owns the
// connection, the counter routines every recorded answer goes through, and
// which question-type table is bound.
class TDM1
{
public:
    // programFolder: the folder of the program file; the bank is data/KX50418.mdb under it.
    TDM1(const QString& programFolder, const Clock& clock);
    // The bank at bankPath (chosen at start-up); pictures and pages still come from programFolder.
    TDM1(const QString& programFolder, const QString& bankPath, const Clock& clock);
    ~TDM1();
    TDM1(const TDM1&) = delete;
    TDM1& operator=(const TDM1&) = delete;

    static QString programFolderOf(const QString& programFile);
    static QString bankPathIn(const QString& programFolder);

    // The success flag: 1 when the connection opened, 0 otherwise.
    int successFlag() const { return m_db ? 1 : 0; }
    const QString& openError() const { return m_openError; }
    const QString& ProgramFolder() const { return m_programFolder; }
    const QString& bankPath() const { return m_bankPath; }
    AutoBackup& autoBackup() { return *m_autoBackup; }
    const Clock& clock() const { return m_clock; }
    QString todayText() const;

    // How the open connection writes: the journal mode ("wal") and the synchronous level (2 is FULL).
    struct Durability
    {
        QString journalMode;
        int synchronous = 0;
    };
    Durability durability();

    // Counter routines; flags are 1 (no) and 2 (yes). They join the caller's
    // transaction when there is one.
    void RecordAnswerInLog(int firstToday, int wrong, int earlierWrong);
    void CountChapterAnswer(const QString& code, int neverAnswered, int wrong);
    void CountKnowledgePointAnswer(const QStringList& points, const QStringList& nodes6,
                                   const QStringList& nodes2, int neverAnswered, int wrong);
    // Adds a run's time to today's log row and recomputes every percentage, in one transaction.
    void CloseStudyRun(const QString& elapsed);
    // Sum of B2 x B3 over the bound type table.
    int TotalPaperScore();
    // Removes a paper table and its result row, all or nothing. Alone it never reports a
    // failure; inside a caller's transaction the failure is thrown so the whole work rolls back.
    void DropPaperTable(const QString& name);

    // The question-type table the module is bound to (tab_tx1 until switched; stays switched).
    const QString& typeTable() const { return m_typeTable; }
    void bindTypeTable(int subject);

    // The rows of a practice set, in the statement's order.
    QVector<QuestionRecord> readQuestions(const PracticeStatement& statement);

    // Runs work in one transaction: all of it or none of it.
    template <class Work> void inTransaction(Work&& work);

    void close();
    // Closes the connection, puts backup in the bank's place (the current file goes to
    // setAside) and opens the bank again, restored or not. Outside any transaction.
    BackupResult restoreBackup(const BackupFile& backup, const QString& setAside);

private:
    friend class StoreConnection;

    // The outermost work is a transaction (BEGIN IMMEDIATE), nested work a savepoint;
    // what is not committed is rolled back when the scope ends.
    class TransactionScope
    {
    public:
        explicit TransactionScope(TDM1& dm);
        ~TransactionScope();
        TransactionScope(const TransactionScope&) = delete;
        TransactionScope& operator=(const TransactionScope&) = delete;
        void commit();

    private:
        std::unique_ptr<SQLite::Transaction> m_transaction;
        std::unique_ptr<SQLite::Savepoint> m_savepoint;
    };

    SQLite::Database& db();
    // A statement prepared once and reused; reset and unbound on every call.
    SQLite::Statement& prepared(const QString& sql);
    void open(const QString& path);

    const Clock& m_clock;
    QString m_programFolder;
    QString m_bankPath;
    QString m_openError;
    QString m_typeTable;
    std::unique_ptr<SQLite::Database> m_db;
    std::map<QString, std::unique_ptr<SQLite::Statement>> m_statements;
    std::unique_ptr<AutoBackup> m_autoBackup;
};

template <class Work> void TDM1::inTransaction(Work&& work)
{
    TransactionScope scope(*this);
    work();
    scope.commit();
}
