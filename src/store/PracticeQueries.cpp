#include "PracticeQueries.h"

#include <QJsonArray>
#include <QJsonDocument>

using namespace Qt::Literals::StringLiterals;

namespace PracticeQueries {

namespace {

const QString Columns = u"SELECT A1, A2, A2_1, K3, K4, K5, K6, K7, K8, K9, K10, K11, K12, A10, A13, A14,"
                        u" E1, E2, E2_1, E3, E4, F1, xx, csbs, ecount FROM tab_answ"_s;

// The range lets ix_answ_chapter find the chapter's questions; the prefix test
// is the exact rule. Both compare without regard to case, as the column does.
const QString ChapterPrefix = u" WHERE A10 >= ?1 AND A10 < ?1 || char(1114111)"
                              u" AND substr(A10, 1, length(?1)) = ?1 COLLATE NOCASE"_s;

QString condition(PracticeMode mode)
{
    switch (mode) {
    case PracticeMode::NewQuestions:
        return u" AND (E2 = '' OR E2 IS NULL) AND F1 <> 1"_s;
    case PracticeMode::WrongQuestions:
        return u" AND E4 < 0 AND F1 <> 1"_s;
    case PracticeMode::Review:
        // Answered before: a stored answer that is neither null nor empty ("zero" included).
        return u" AND E2 <> ''"_s;
    }
    return {};
}

QString ordering(PracticeMode mode, bool fromDoubleClick)
{
    if (fromDoubleClick)
        return u" ORDER BY A13, A10, xx"_s;
    if (mode == PracticeMode::NewQuestions)
        return u" ORDER BY A13, A10, xx, A1"_s;
    return u" ORDER BY A13, E3, E4, E1, xx, A1"_s;
}

} // namespace

PracticeStatement chapterSet(PracticeMode mode, const QString& chapterCode, bool fromDoubleClick)
{
    if (fromDoubleClick)
        mode = PracticeMode::NewQuestions;
    PracticeStatement statement;
    statement.sql = Columns + ChapterPrefix + condition(mode) + ordering(mode, fromDoubleClick);
    statement.values = {chapterCode};
    return statement;
}

PracticeStatement pointSet(const QString& pointCode)
{
    PracticeStatement statement;
    // Without xx and ecount: a point's run never reads them.
    statement.sql = u"SELECT A1, A2, A2_1, K3, K4, K5, K6, K7, K8, K9, K10, K11, K12, A10, A13, A14,"
                    u" E1, E2, E2_1, E3, E4, F1, csbs FROM tab_answ"
                    u" WHERE ?1 COLLATE NOCASE IN (K3, K4, K5, K6, K7, K8, K9, K10, K11, K12)"_s;
    statement.values = {pointCode};
    return statement;
}

PracticeStatement keySet(const QStringList& keys)
{
    PracticeStatement statement;
    // One bound JSON array of keys, whose positions give the order.
    statement.sql =
        Columns + u" JOIN json_each(?1) AS wanted ON tab_answ.A1 = wanted.value ORDER BY wanted.key"_s;
    statement.values = {
        QString::fromUtf8(QJsonDocument(QJsonArray::fromStringList(keys)).toJson(QJsonDocument::Compact))};
    return statement;
}

} // namespace PracticeQueries
