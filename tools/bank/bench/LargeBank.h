#pragma once

#include "store/PracticeStatement.h"

#include <QString>

// A generated bank of benchmark size: 100,000 questions under 2,025 chapters
// (the 2-character chapter "10" holds 5,000 of them), 20,000 knowledge points
// under 1,000 six-character and 20 two-character catalogue nodes, each question
// citing 1 to 3 points, and 200 papers.
namespace LargeBank {

constexpr int Questions = 100000;
// A chapter whose practice set holds 5,000 questions.
inline const QString FiveThousandChapter = QStringLiteral("10");

// Writes a program folder with data/KX50418.mdb under folder (replacing one there).
void generate(const QString& folder);

// Every question filed under a chapter or its sub-chapters, by key.
PracticeStatement questionsUnder(const QString& chapter);

// Gives every question of a leaf chapter a run answer again, through a connection of its own.
void leaveRunAnswers(const QString& folder, const QString& leafChapter);
// One generated bank for the whole run; VELMARIN_BENCH_FOLDER keeps it between runs.
const QString& folder();
// Every benchmark works on its own copy of the generated bank, so what one
// records does not shrink the sets another reads.
QString freshCopy();

} // namespace LargeBank
