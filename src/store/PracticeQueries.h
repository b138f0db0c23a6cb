#pragma once

#include "store/PracticeStatement.h"

#include <QString>
#include <QStringList>

// The three ways the chapter browser starts a practice run.
enum class PracticeMode
{
    NewQuestions = 1,   // 练习新题: never answered, not discarded
    WrongQuestions = 2, // 错题重做: wrong-answer score below 0, not discarded
    Review = 3,         // 习题重温: answered before, discarded ones included
};

namespace PracticeQueries {

// The practice set of a chapter and its sub-chapters (every question whose A10
// starts with the code). fromDoubleClick: the grid's double-click, a new-question
// set ordered without the key at the end.
PracticeStatement chapterSet(PracticeMode mode, const QString& chapterCode, bool fromDoubleClick = false);

// Every question that cites the knowledge point in one of K3..K12, whatever its
// answered or discarded state, in the table's order.
PracticeStatement pointSet(const QString& pointCode);

// The questions of the given keys, in the order given (the hits of a search).
PracticeStatement keySet(const QStringList& keys);

} // namespace PracticeQueries
