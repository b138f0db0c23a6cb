#include "PaperMarking.h"

#include "StoreConnection.h"

#include "BankSchema.h"
#include "ExamProgress.h"
#include "PaperTable.h"
#include "SettingsRecord.h"
#include "SqlGuard.h"
#include "StatementBinding.h"
#include "TDM1.h"

#include <SQLiteCpp/Column.h>
#include <SQLiteCpp/Statement.h>

using namespace Qt::Literals::StringLiterals;

PaperMarking::PaperMarking(TDM1& dm) : m_dm(dm) {}

double PaperMarking::score(const QString& paperTable, int subject)
{
    const QString t = PaperTable::checkedName(paperTable);
    const QString types = BankSchema::typeTableName(subject);
    return sqlGuarded([&] {
        // A2 is declared NOCASE, so "b" answers "B" here, as the marking always has.
        auto& sum =
            StoreConnection::prepared(m_dm, u"SELECT coalesce(sum(x.B3), 0) FROM "_s + t + u" p JOIN "_s +
                                                types + u" x ON p.A13 = x.A1 WHERE p.A2 = p.E2_1"_s);
        sum.executeStep();
        const double total = sum.getColumn(0).getDouble();
        sum.reset();
        return total;
    });
}

PaperMarking::Result PaperMarking::MarkPaper(const QString& paperTable, int subject, const QString& elapsed)
{
    const QString name = PaperTable::checkedName(paperTable);
    Result result;
    m_dm.inTransaction([&] {
        result.score = score(name, subject);
        result.BelowLeastMark = isBelowLeastMark(SettingsRecord(m_dm).read().LeastMark, result.score);
        sqlGuarded([&] {
            auto& update =
                StoreConnection::prepared(m_dm, u"UPDATE tab_cj SET A6 = ?, D2 = ? WHERE A1 = ?"_s);
            update.bind(1, result.score);
            StatementBinding::bindText(update, 2, elapsed);
            StatementBinding::bindText(update, 3, name);
            result.stored = update.exec() > 0;
        });
        m_dm.CloseStudyRun(elapsed);
        ExamProgress(m_dm).forget(name);
    });
    return result;
}

void PaperMarking::discard(const QString& paperTable, int unanswered, const QString& elapsed)
{
    if (unanswered < LoggedDiscardBelow)
        m_dm.CloseStudyRun(elapsed);
    drop(paperTable);
}

void PaperMarking::drop(const QString& paperTable)
{
    m_dm.DropPaperTable(paperTable);
    ExamProgress(m_dm).forget(paperTable);
}
