#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// The five fixed mock-exam configurations: what a paper of each subject draws.
namespace ExamSubjects {

// Questions of one type from the chapters beginning with a prefix.
struct DrawGroup
{
    int type = 0;
    QString prefix;
    int quota = 0;
};

struct Subject
{
    int number = 0;
    QString title;
    // The base set: chapters beginning with one of these, without discarded questions.
    QStringList basePrefixes;
    // Drawn in this order.
    QVector<DrawGroup> groups;
    int paperSize = 0;
};

constexpr int Count = 5;

// The subject table; subject 0 (and any other outside 1..5) is read as 1.
const Subject& subject(int number);

} // namespace ExamSubjects
