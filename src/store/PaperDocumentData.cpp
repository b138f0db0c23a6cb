#include "PaperDocumentData.h"

#include "PaperTable.h"
#include "SqlGuard.h"
#include "StatementBinding.h"
#include "StatementReader.h"

#include <SQLiteCpp/Column.h>

using namespace Qt::Literals::StringLiterals;

namespace {

std::optional<QString> nullable(SQLite::Statement& query, int column)
{
    if (query.getColumn(column).isNull())
        return std::nullopt;
    return StatementBinding::text(query, column);
}

} // namespace

PaperDocumentData::PaperDocumentData(TDM1& dm, const QString& paperTable, int subject)
    : m_dm(dm), m_table(PaperTable::checkedName(paperTable)), m_types(dm, subject), m_points(dm)
{}

QVector<PaperDocumentData::Question> PaperDocumentData::questions()
{
    return sqlGuarded([&] {
        StatementReader query(m_dm, u"SELECT A1, A2, coalesce(A13, 0), jx, K3, K4, K5, K6, K7, K8, K9, "
                                    u"K10, K11, K12 FROM "_s +
                                        m_table + u" ORDER BY A13, A1"_s);
        QVector<Question> rows;
        while (query->executeStep()) {
            Question q;
            q.A1 = StatementBinding::text(*query, 0);
            q.A2 = StatementBinding::text(*query, 1);
            q.A13 = query->getColumn(2).getInt();
            q.jx = nullable(*query, 3);
            for (int k = 0; k < int(q.K.size()); ++k)
                q.K[k] = nullable(*query, 4 + k);
            rows.append(q);
        }
        return rows;
    });
}

QString PaperDocumentData::stem(const QString& key)
{
    return text(u"SELECT A15 FROM tab_exer WHERE A1 = ?"_s, key);
}

QString PaperDocumentData::sharedStem(const QString& key)
{
    return text(u"SELECT A15 FROM tab_title WHERE A1 = ?"_s, key.left(16));
}

QString PaperDocumentData::text(const QString& sql, const QString& key)
{
    return sqlGuarded([&] {
        StatementReader query(m_dm, sql);
        StatementBinding::bindText(*query, 1, key);
        return query->executeStep() ? StatementBinding::text(*query, 0) : QString();
    });
}
