#include "PaperList.h"

#include "StoreConnection.h"

#include "ExamProgress.h"
#include "PaperTable.h"
#include "SqlGuard.h"
#include "StatementBinding.h"
#include "TDM1.h"

#include <SQLiteCpp/Column.h>
#include <SQLiteCpp/Statement.h>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

PaperList::PaperList(TDM1& dm) : m_dm(dm) {}

QVector<PaperList::Row> PaperList::newestFirst()
{
    return sqlGuarded([&] {
        auto& query = StoreConnection::prepared(
            m_dm, u"SELECT A1, A3, coalesce(A3_1, 0), A6, D2 FROM tab_cj ORDER BY A3_1 DESC"_s);
        QVector<Row> rows;
        while (query.executeStep()) {
            Row row;
            row.A1 = StatementBinding::text(query, 0);
            row.A3 = StatementBinding::text(query, 1);
            row.A3_1 = query.getColumn(2).getInt();
            if (!query.getColumn(3).isNull())
                row.A6 = query.getColumn(3).getDouble();
            row.D2 = StatementBinding::text(query, 4);
            rows.append(row);
        }
        return rows;
    });
}

PaperList::Summary PaperList::summary(int totalPaperScore)
{
    return sqlGuarded([&] {
        auto& query = StoreConnection::prepared(
            m_dm, u"SELECT count(*), count(CASE WHEN A6 >= ? THEN 1 END), avg(A6) FROM tab_cj"_s);
        query.bind(1, passLine(totalPaperScore));
        query.executeStep();
        Summary summary;
        summary.count = query.getColumn(0).getInt();
        summary.passed = query.getColumn(1).getInt();
        if (!query.getColumn(2).isNull())
            summary.average = roundedAverage(query.getColumn(2).getDouble());
        query.reset();
        return summary;
    });
}

int PaperList::roundedAverage(double average)
{
    return int(std::nearbyint(average)); // the default rounding mode sends halves to even
}

void PaperList::deletePaper(const QString& paperTable)
{
    m_dm.DropPaperTable(paperTable);
    sqlGuarded([&] {
        auto& remove = StoreConnection::prepared(m_dm, u"DELETE FROM tab_cj WHERE A1 = ?"_s);
        StatementBinding::bindText(remove, 1, paperTable);
        remove.exec();
    });
    ExamProgress(m_dm).forget(paperTable);
}

PaperList::Review PaperList::open(const QString& paperTable)
{
    try {
        PaperTable paper(m_dm, paperTable);
        Review review;
        review.PaperTableName = paper.name();
        const bool found = sqlGuarded([&] {
            auto& query =
                StoreConnection::prepared(m_dm, u"SELECT A3, coalesce(A6, 0), D2 FROM tab_cj WHERE A1 = ?"_s);
            StatementBinding::bindText(query, 1, paper.name());
            if (!query.executeStep())
                return false;
            review.PaperTitle = StatementBinding::text(query, 0);
            review.PaperScore = query.getColumn(1).getDouble();
            review.TimeUsed = StatementBinding::text(query, 2);
            query.reset();
            return true;
        });
        if (found && paper.exists())
            review.rows = paper.rows();
        if (review.rows.isEmpty())
            throw StoreError(u"无法打开试卷！"_s);
        return review;
    } catch (const std::exception&) {
        throw StoreError(u"无法打开试卷！"_s);
    }
}
