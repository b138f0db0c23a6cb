#pragma once

#include "BankFixture.h"
#include "FakeClock.h"

#include "store/TDM1.h"

#include <QTimeZone>

#include <memory>

// A bank for mock exams: a clock in UTC, so that the random generator's seed is
// the same on every machine, and the data module opened on the bank.
class ExamFixture
{
public:
    ExamFixture() : clock(QDateTime(QDate(2026, 12, 8), QTime(9, 0), QTimeZone::utc()))
    {
        // Setting up is not what the tests measure: the fixture's own writes need not wait for the disk.
        bank.exec(QStringLiteral("PRAGMA synchronous=OFF"));
    }

    TDM1& dm()
    {
        if (!m_dm)
            m_dm = std::make_unique<TDM1>(bank.programFolder(), clock);
        return *m_dm;
    }

    // count questions key+"00".. of a type in a chapter, with E3 falling so that the
    // answer-count order is the reverse of the key order.
    void questions(const QString& key, const QString& chapter, int type, int count,
                   const QString& answer = QStringLiteral("A"))
    {
        for (int i = 0; i < count; ++i) {
            const QString k = key + QString::number(i).rightJustified(2, u'0');
            bank.question(k, chapter, type, answer);
            bank.exec(QStringLiteral("UPDATE tab_answ SET E3 = ? WHERE A1 = ?"), {count - i, k});
        }
    }

    qint64 paperCount(const QString& table, const QString& condition = QStringLiteral("1"))
    {
        return bank.integer(QStringLiteral("SELECT count(*) FROM ") + table + QStringLiteral(" WHERE ") +
                            condition);
    }
    bool tableExists(const QString& table)
    {
        return bank.integer(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = ?"), {table}) > 0;
    }

    BankFixture bank;
    FakeClock clock;

private:
    std::unique_ptr<TDM1> m_dm;
};
