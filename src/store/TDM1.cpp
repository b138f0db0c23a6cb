#include "TDM1.h"

#include "AutoBackup.h"
#include "BankBackup.h"
#include "BankConnection.h"
#include "BankSchema.h"
#include "CodeSchemes.h"
#include "QuestionSearch.h"
#include "SqlGuard.h"
#include "StatementBinding.h"
#include "StatementReader.h"
#include "TypeTable.h"
#include "platform/Clock.h"

#include <QDir>
#include <QFileInfo>

#include <SQLiteCpp/Column.h>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Savepoint.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

#include <optional>
#include <tuple>

#include <sqlite3.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// percent(total, wrong): the score text of a chapter or a day, computed in C++
// so that every percentage in the bank is formatted the same way.
void percentFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    const qint64 total = sqlite3_value_int64(argv[0]);
    const qint64 wrong = sqlite3_value_int64(argv[1]);
    const QByteArray text = CodeSchemes::percentText(total, wrong).toUtf8();
    sqlite3_result_text(context, text.constData(), int(text.size()), SQLITE_TRANSIENT);
}

QString placeholders(qsizetype count)
{
    QStringList marks;
    for (qsizetype i = 0; i < count; ++i)
        marks.append(u"?"_s);
    return u"("_s + marks.join(u',') + u")"_s;
}

void bindList(SQLite::Statement& statement, int first, const QStringList& values)
{
    for (qsizetype i = 0; i < values.size(); ++i)
        StatementBinding::bindText(statement, first + int(i), values[i]);
}

} // namespace

TDM1::TDM1(const QString& programFolder, const Clock& clock)
    : TDM1(programFolder, bankPathIn(programFolder), clock)
{}

TDM1::TDM1(const QString& programFolder, const QString& bankPath, const Clock& clock)
    : m_clock(clock), m_programFolder(programFolder), m_bankPath(bankPath),
      m_typeTable(BankSchema::typeTableName(1)),
      m_autoBackup(std::make_unique<AutoBackup>(*this, bankPath, clock))
{
    if (!m_programFolder.endsWith(u'/'))
        m_programFolder.append(u'/');
    open(m_bankPath);
}

TDM1::~TDM1() = default;

QString TDM1::programFolderOf(const QString& programFile)
{
    QString folder = QFileInfo(programFile).absolutePath();
    if (!folder.endsWith(u'/'))
        folder.append(u'/');
    return folder;
}

QString TDM1::bankPathIn(const QString& programFolder)
{
    return QDir(programFolder).filePath(u"data/KX50418.mdb"_s);
}

void TDM1::open(const QString& path)
{
    try {
        auto db = BankConnection::open(path);
        // Reading the chapter and question tables proves the file is a bank.
        db->exec("SELECT count(*) FROM tab_kmmc; SELECT count(*) FROM tab_answ");
        sqlite3_create_function(db->getHandle(), "percent", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                percentFunction, nullptr, nullptr);
        QuestionSearch::ensureIndex(*db);
        m_db = std::move(db);
    } catch (const StoreError& e) {
        m_openError = e.message();
    } catch (const std::exception& e) {
        m_openError = BankConnection::failureMessage(path, BankConnection::reasonOf(e, path));
    }
}

void TDM1::close()
{
    m_statements.clear();
    if (m_db) {
        try {
            // Keeps the planner's statistics current as the user's bank grows.
            m_db->exec("PRAGMA optimize");
        } catch (const SQLite::Exception&) {
            // Closing goes on whatever the statistics say.
        }
    }
    m_db.reset();
}

BackupResult TDM1::restoreBackup(const BackupFile& backup, const QString& setAside)
{
    close();
    const BackupResult result = m_autoBackup->backups().restore(backup, setAside);
    m_openError.clear();
    open(m_bankPath);
    return result;
}

SQLite::Database& TDM1::db()
{
    if (!m_db)
        throw StoreError(u"数据库未连接。"_s);
    return *m_db;
}

SQLite::Statement& TDM1::prepared(const QString& sql)
{
    auto found = m_statements.find(sql);
    if (found == m_statements.end()) {
        auto statement =
            sqlGuarded([&] { return std::make_unique<SQLite::Statement>(db(), sql.toStdString()); });
        found = m_statements.emplace(sql, std::move(statement)).first;
    }
    found->second->tryReset(); // a failed earlier run must not fail this one
    found->second->clearBindings();
    return *found->second;
}

TDM1::Durability TDM1::durability()
{
    return sqlGuarded([&] {
        Durability d;
        d.journalMode = QString::fromStdString(db().execAndGet("PRAGMA journal_mode").getString());
        d.synchronous = db().execAndGet("PRAGMA synchronous").getInt();
        return d;
    });
}

QString TDM1::todayText() const
{
    return m_clock.today().toString(Qt::ISODate);
}

// The connection itself says whether a transaction is open, so a BEGIN that failed
// leaves nothing behind: the next piece of work opens its own transaction again.
TDM1::TransactionScope::TransactionScope(TDM1& dm)
{
    sqlGuarded([&] {
        SQLite::Database& db = dm.db();
        if (sqlite3_get_autocommit(db.getHandle()) != 0)
            m_transaction = std::make_unique<SQLite::Transaction>(db, SQLite::TransactionBehavior::IMMEDIATE);
        else
            m_savepoint = std::make_unique<SQLite::Savepoint>(db, "nested");
    });
}

TDM1::TransactionScope::~TransactionScope() = default; // rolls back what was not committed

void TDM1::TransactionScope::commit()
{
    sqlGuarded([&] {
        if (m_transaction)
            m_transaction->commit();
        else
            m_savepoint->release();
    });
}

void TDM1::RecordAnswerInLog(int firstToday, int wrong, int earlierWrong)
{
    sqlGuarded([&] {
        const QString today = todayText();
        const bool found = [&] {
            StatementReader find(*this, u"SELECT 1 FROM tab_rz WHERE A1 = ?"_s);
            StatementBinding::bindText(*find, 1, today);
            return find->executeStep();
        }();
        const bool isWrong = wrong == 2;
        if (!found) {
            StatementReader append(*this,
                                   u"INSERT INTO tab_rz (A1, A2, A3, B1, B2) VALUES (?, 1, ?, 1, ?)"_s);
            StatementBinding::bindText(*append, 1, today);
            StatementBinding::bind(*append, 2, isWrong ? QVariant(1) : QVariant());
            StatementBinding::bind(*append, 3, isWrong ? QVariant(1) : QVariant());
            append->exec();
            return;
        }
        int distinct = 0;
        int wrongDistinct = 0;
        if (firstToday == 2) {
            distinct = 1;
            wrongDistinct = isWrong ? 1 : 0;
        } else if (earlierWrong == 1 && isWrong) {
            wrongDistinct = 1;
        } else if (earlierWrong == 2 && !isWrong) {
            wrongDistinct = -1;
        }
        // Columns not touched by this answer keep their value, empty included.
        StatementReader update(*this, u"UPDATE tab_rz SET A2 = coalesce(A2, 0) + 1,"
                                      u" A3 = CASE WHEN ?1 THEN coalesce(A3, 0) + 1 ELSE A3 END,"
                                      u" B1 = CASE WHEN ?2 THEN coalesce(B1, 0) + 1 ELSE B1 END,"
                                      u" B2 = CASE WHEN ?3 = 0 THEN B2 ELSE max(coalesce(B2, 0) + ?3, 0) END"
                                      u" WHERE A1 = ?4"_s);
        update->bind(1, isWrong ? 1 : 0);
        update->bind(2, distinct);
        update->bind(3, wrongDistinct);
        StatementBinding::bindText(*update, 4, today);
        update->exec();
    });
}

void TDM1::CountChapterAnswer(const QString& code, int neverAnswered, int wrong)
{
    sqlGuarded([&] {
        QStringList codes = CodeSchemes::chapterAncestors(code);
        codes.prepend(code);
        // Prefixes without a row simply match nothing.
        StatementReader update(*this,
                               u"UPDATE tab_kmmc SET C4 = coalesce(C4, 0) + ?, D1 = coalesce(D1, 0) + 1,"
                               u" D2 = coalesce(D2, 0) + ? WHERE C1 IN "_s +
                                   placeholders(codes.size()));
        update->bind(1, neverAnswered == 2 ? 1 : 0);
        update->bind(2, wrong == 2 ? 1 : 0);
        bindList(*update, 3, codes);
        update->exec();
    });
}

void TDM1::CountKnowledgePointAnswer(const QStringList& points, const QStringList& nodes6,
                                     const QStringList& nodes2, int neverAnswered, int wrong)
{
    sqlGuarded([&] {
        const int first = neverAnswered == 2 ? 1 : 0;
        const int failed = wrong == 2 ? 1 : 0;
        auto run = [&](const QString& table, const QString& key, const QStringList& values) {
            if (values.isEmpty())
                return;
            StatementReader update(*this, u"UPDATE "_s + table +
                                              u" SET q2 = coalesce(q2, 0) + 1, q1 = coalesce(q1, 0) + ?,"
                                              u" q4 = coalesce(q4, 0) + ? WHERE "_s +
                                              key + u" IN "_s + placeholders(values.size()));
            update->bind(1, first);
            update->bind(2, failed);
            bindList(*update, 3, values);
            update->exec();
        };
        run(u"tab_rule"_s, u"ftid"_s, points);
        run(u"tab_fgmc"_s, u"id"_s, nodes6);
        run(u"tab_fgmc"_s, u"id"_s, nodes2);
    });
}

void TDM1::CloseStudyRun(const QString& elapsed)
{
    const qint64 runSeconds = CodeSchemes::ParseDuration(elapsed);
    inTransaction([&] {
        sqlGuarded([&] {
            const QString today = todayText();
            std::optional<std::tuple<qint64, qint64, QString>> day;
            {
                StatementReader find(
                    *this, u"SELECT coalesce(A2, 0), coalesce(A3, 0), D1 FROM tab_rz WHERE A1 = ?"_s);
                StatementBinding::bindText(*find, 1, today);
                if (find->executeStep())
                    day.emplace(find->getColumn(0).getInt64(), find->getColumn(1).getInt64(),
                                StatementBinding::text(*find, 2));
            }
            if (day) {
                const auto& [answers, wrong, logged] = *day;
                const qint64 total = CodeSchemes::ParseDuration(logged) + runSeconds;
                StatementReader update(*this, u"UPDATE tab_rz SET A4 = ?, D1 = ? WHERE A1 = ?"_s);
                StatementBinding::bindText(*update, 1, CodeSchemes::percentText(answers, wrong));
                StatementBinding::bindText(*update, 2, CodeSchemes::FormatLogDuration(total));
                StatementBinding::bindText(*update, 3, today);
                update->exec();
            }
            // One statement for all chapters; rows whose text is already right are left alone.
            StatementReader scores(*this,
                                   u"UPDATE tab_kmmc SET C6 = percent(coalesce(D1, 0), coalesce(D2, 0))"
                                   u" WHERE C6 IS NOT percent(coalesce(D1, 0), coalesce(D2, 0))"_s);
            scores->exec();
        });
    });
}

int TDM1::TotalPaperScore()
{
    return TypeTable(*this).totalPaperScore();
}

void TDM1::DropPaperTable(const QString& name)
{
    // Inside a caller's transaction a failure must reach the caller, or it would commit half its work.
    const bool nested = m_db && sqlite3_get_autocommit(m_db->getHandle()) == 0;
    try {
        if (!BankSchema::isPaperTableName(name.toLower()))
            return;
        inTransaction([&] {
            sqlGuarded([&] {
                QString table;
                {
                    StatementReader find(
                        *this,
                        u"SELECT name FROM sqlite_master WHERE type = 'table' AND lower(name) = lower(?)"_s);
                    StatementBinding::bindText(*find, 1, name);
                    if (find->executeStep())
                        table = StatementBinding::text(*find, 0);
                }
                if (table.isEmpty())
                    return;
                // DROP fails while a statement is being stepped, so only idle statements of this
                // table are left to forget; every other cached statement stays valid.
                db().exec((u"DROP TABLE \""_s + table + u"\""_s).toStdString());
                std::erase_if(m_statements, [&](const auto& entry) {
                    return entry.first.contains(table, Qt::CaseInsensitive);
                });
                StatementReader remove(*this, u"DELETE FROM tab_cj WHERE A1 = ?"_s);
                StatementBinding::bindText(*remove, 1, table);
                remove->exec();
            });
        });
    } catch (...) {
        if (nested)
            throw;
        // Alone, removing a paper never reports a failure: the paper is simply left.
    }
}

void TDM1::bindTypeTable(int subject)
{
    m_typeTable = BankSchema::typeTableName(subject);
}

QVector<QuestionRecord> TDM1::readQuestions(const PracticeStatement& statement)
{
    return sqlGuarded([&] {
        StatementReader query(*this, statement.sql);
        for (qsizetype i = 0; i < statement.values.size(); ++i)
            StatementBinding::bind(*query, int(i) + 1, statement.values[i]);
        QVector<QuestionRecord::Field> fields;
        for (int c = 0; c < query->getColumnCount(); ++c)
            fields.append(QuestionRecord::fieldOfColumn(QString::fromUtf8(query->getColumnName(c))));
        QVector<QuestionRecord> rows;
        while (query->executeStep()) {
            QuestionRecord& row = rows.emplace_back();
            for (int c = 0; c < fields.size(); ++c) {
                if (fields[c] == QuestionRecord::Field::Ignored)
                    continue;
                const SQLite::Column value = query->getColumn(c);
                if (QuestionRecord::isNumeric(fields[c])) {
                    row.setNumber(fields[c], value.getDouble());
                } else {
                    const char* text = value.getText(nullptr); // null for NULL
                    if (text)
                        row.setText(fields[c], QString::fromUtf8(text, value.getBytes()));
                }
            }
        }
        return rows;
    });
}
