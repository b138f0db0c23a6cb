#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The code schemes that tie the bank's tables together.
namespace CodeSchemes {

// The lengths the codes have: questions are filed under leaf chapters only, a
// knowledge point is cited by its full code, a shared stem by the key's head.
constexpr int LeafChapterLength = 6;
constexpr int MaxNodeLength = 6;
constexpr int PointCodeLength = 12;
constexpr int StemKeyLength = 16;
constexpr int MaxQuestionKeyLength = 20;
// K3..K12: a question cites at most ten points.
constexpr int MaxCitedPoints = 10;

// The shorter prefixes of a chapter code, longest first ("101203" -> 10120, 1012, 101, 10, 1).
QStringList chapterAncestors(const QString& chapterCode);

// A chapter of code length 1 or 2 is a subject-level row, not a specific chapter.
bool isSubjectLevel(const QString& chapterCode);

// The catalogue nodes that hold a knowledge point: its first 6 and first 2 characters.
QString pointNode6(const QString& pointCode);
QString pointNode2(const QString& pointCode);

// The cited points of a question: K3..K12 up to the first empty one.
QStringList citedPoints(const std::array<QString, 10>& k);

// The shared-stem key of a question key (its first 16 characters), or empty
// when the key has no "-".
QString stemKeyOf(const QString& questionKey);

// Keys of the user's own questions: "US" + chapter + type + option count + running number.
QString userQuestionKey(const QString& chapterCode, int type, int optionCount, int runningNumber);
// The running number read back from the last four characters of a user key; 0 when unreadable.
int userRunningNumber(const QString& userKey);
constexpr int MaxUserRunningNumber = 9999;

// Durations as text h:mm:ss.
qint64 ParseDuration(const QString& text);
QString FormatDuration(qint64 seconds);    // "9:05:03" with hours as they are
QString FormatLogDuration(qint64 seconds); // "09:05:03": every part at least two digits

// "%2.2f" of (total - wrong) / total * 100, or "0" when total is 0 or less.
QString percentText(qint64 total, qint64 wrong);

} // namespace CodeSchemes
