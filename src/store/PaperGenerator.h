#pragma once

#include "ExamSubjects.h"
#include "PaperRandom.h"

#include <QDate>
#include <QString>
#include <QStringList>

class TDM1;

namespace SQLite {
class Database;
class Statement;
} // namespace SQLite

// Draws a new mock-exam paper: registers it in tab_cj, creates its own table
// and fills it with questions drawn at random by quota, all in one transaction,
// so that a failure leaves neither a result record nor a table behind.
class PaperGenerator
{
public:
    // The identity of a new paper, as stored in its result record.
    struct Paper
    {
        QString A1; // paper table name
        QString A3; // title
        int A3_1 = 0;
        int subject = 0;
        int questionCount = 0;
    };

    // The random generator is seeded from the data module's clock.
    explicit PaperGenerator(TDM1& dm);

    // Throws a StoreError whose message is what the user is shown:
    // "没有发现题目！", "建立数据表时发生错误！", "提取数据时发生错误！" or "无法打开试卷！".
    Paper generate(int subject);

    // e.g. 2026年12月08日Velmaret[7]
    static QString paperTitle(const QDate& day, const QString& subjectTitle, int number);

private:
    // The data module's connection, for the statements that name the new paper's table.
    SQLite::Database& connection();
    SQLite::Statement& statement(const QString& sql);
    void nameNewPaper(Paper& paper);
    void registerPaper(const Paper& paper);
    void createPaperTable(const Paper& paper);
    void PreparePaper(const Paper& paper, const ExamSubjects::Subject& subject);
    void DrawTypeGroups(const ExamSubjects::Subject& subject, const QString& table, int type);
    QStringList DrawGroup(const ExamSubjects::Subject& subject, const ExamSubjects::DrawGroup& group);
    void InsertDrawnQuestions(const QString& table, const QStringList& keys);
    QString baseFilter(const ExamSubjects::Subject& subject) const;
    int nextFreeNumber();

    TDM1& m_dm;
    PaperRandom m_random;
};
