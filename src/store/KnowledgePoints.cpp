#include "KnowledgePoints.h"

#include "CodeSchemes.h"
#include "SqlGuard.h"
#include "StatementBinding.h"
#include "StatementReader.h"

using namespace Qt::Literals::StringLiterals;

KnowledgePoints::KnowledgePoints(TDM1& dm) : m_dm(dm) {}

QStringList KnowledgePoints::citedBy(const QString& questionKey)
{
    return sqlGuarded([&] {
        StatementReader query(
            m_dm, u"SELECT K3, K4, K5, K6, K7, K8, K9, K10, K11, K12 FROM tab_answ WHERE A1 = ?"_s);
        StatementBinding::bindText(*query, 1, questionKey);
        QStringList codes;
        if (query->executeStep()) {
            for (int column = 0; column < CodeSchemes::MaxCitedPoints; ++column) {
                const QString code = StatementBinding::text(*query, column);
                if (!code.isEmpty() && !codes.contains(code))
                    codes.append(code);
            }
        }
        return codes;
    });
}

QVector<KnowledgePoints::Point> KnowledgePoints::points(const QStringList& codes)
{
    QVector<Point> found;
    for (const QString& code : codes) {
        if (std::optional<Point> p = point(code))
            found.append(*p);
    }
    return found;
}

std::optional<KnowledgePoints::Point> KnowledgePoints::point(const QString& code)
{
    return sqlGuarded([&] {
        StatementReader query(m_dm, u"SELECT id, n, sn FROM tab_rule WHERE ftid = ?"_s);
        StatementBinding::bindText(*query, 1, code);
        std::optional<Point> found;
        if (query->executeStep())
            found = Point{code, StatementBinding::text(*query, 0), StatementBinding::text(*query, 1),
                          StatementBinding::text(*query, 2)};
        return found;
    });
}

QString KnowledgePoints::nodeName(const QString& id)
{
    return sqlGuarded([&] {
        StatementReader query(m_dm, u"SELECT n FROM tab_fgmc WHERE id = ?"_s);
        StatementBinding::bindText(*query, 1, id);
        return query->executeStep() ? StatementBinding::text(*query, 0) : QString();
    });
}
