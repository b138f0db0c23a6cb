#include "PracticeSet.h"

#include "QuestionEdits.h"
#include "TDM1.h"
#include "TypeTable.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

PracticeSet::PracticeSet(TDM1& dm) : m_dm(dm) {}

bool PracticeSet::load(const PracticeStatement& statement)
{
    QuestionEdits(m_dm).clearRunAnswers();
    m_rows = m_dm.readQuestions(statement);
    m_typesPresent.clear();
    for (const QuestionRecord& row : std::as_const(m_rows))
        m_typesPresent.insert(row.A13);
    m_filterType = -1;
    applyTypeFilter(0);
    return !m_rows.isEmpty();
}

QVector<PracticeSet::Type> PracticeSet::types()
{
    QVector<Type> types;
    for (const TypeTable::Row& row : TypeTable(m_dm).rows())
        types.append({row.A1, row.B1});
    std::stable_sort(types.begin(), types.end(), [](const Type& a, const Type& b) { return a.A1 < b.A1; });
    return types;
}

void PracticeSet::applyTypeFilter(int type)
{
    if (type == m_filterType)
        return;
    m_filterType = type;
    m_visible.clear();
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        if (type == 0 || m_rows[i].A13 == type)
            m_visible.append(i);
    }
}
