#include "GalleryBank.h"

#include "store/AnswerRecorder.h"
#include "store/BankSchema.h"
#include "store/QuestionRecord.h"
#include "store/StatementBinding.h"
#include "store/TDM1.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

using namespace Qt::Literals::StringLiterals;

namespace {

bool copyTree(const QString& from, const QString& to, QString* error)
{
    QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(source));
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::remove(target);
        if (!QFile::copy(source, target)) {
            *error = u"cannot copy %1"_s.arg(source);
            return false;
        }
    }
    return true;
}

// Enough of a bank for every window to have something to show.
void makeSmallBank(const QString& path)
{
    SQLite::Database db(path.toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    BankSchema::create(db);
    db.exec("INSERT INTO tab_plan VALUES (0, 50, 60, '2027-06-19', 60, 7200)");
    db.exec("INSERT INTO tab_sj VALUES ('GALLERY-BASE', 'GALLERY')");
    db.exec("INSERT INTO tab_tx1 (A1, B1, B2, B3, time) VALUES (61, '单项选择题', 30, 1, 1.0),"
            " (65, '多项选择题', 20, 2, 1.5), (62, '判断题', 20, 1, 0.5)");
    db.exec("INSERT INTO tab_kmmc (C1, C1_1, C2, C3, C7, bh) VALUES"
            " ('1', '科目一', '示例科目一', 12, '0', '0001'),"
            " ('10', '第一章', '第一章 百分数与比例', 12, '0', '0002'),"
            " ('101001', '第一节', '第一节 百分数的意义', 6, '0', '0003'),"
            " ('101002', '第二节', '第二节 比与比例', 6, '0', '0004')");
    SQLite::Statement question(
        db, "INSERT INTO tab_answ (A1, A2, A2_1, A10, A13, xx) VALUES (?, 'B', 4, ?, 61, ?)");
    SQLite::Statement content(db, "INSERT INTO tab_exer (A1, A15) VALUES (?, ?)");
    for (int i = 1; i <= 12; ++i) {
        const std::string key = "G" + std::to_string(100 + i);
        question.bind(1, key);
        question.bind(2, i <= 6 ? "101001" : "101002");
        question.bind(3, i);
        question.exec();
        question.reset();
        content.bind(1, key);
        content.bind(2, "示例题目 " + std::to_string(i));
        content.exec();
        content.reset();
    }
}

} // namespace

namespace GalleryBank {

bool prepareFolder(const QString& folder, QString* error)
{
    for (const char* part : {"pic", "sound", "htm"}) {
        const QString name = QString::fromLatin1(part);
        if (!copyTree(QDir(QStringLiteral(VELMARIN_GALLERY_PROGRAM_DIR)).filePath(name),
                      QDir(folder).filePath(name), error))
            return false;
    }
    const QString bank = TDM1::bankPathIn(folder);
    QDir().mkpath(QFileInfo(bank).absolutePath());
    const QString sample = QStringLiteral(VELMARIN_GALLERY_SAMPLE_BANK);
    if (!sample.isEmpty() && QFileInfo::exists(sample)) {
        if (!QFile::copy(sample, bank)) {
            *error = u"cannot copy the sample bank %1"_s.arg(sample);
            return false;
        }
        QFile(bank).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        return true;
    }
    makeSmallBank(bank);
    return true;
}

void recordProgress(TDM1& dm)
{
    const QVector<QuestionRecord> questions =
        dm.readQuestions({u"SELECT * FROM tab_answ WHERE f1 <> 1 ORDER BY A10, xx, A1 LIMIT 60"_s, {}});
    AnswerRecorder recorder(dm);
    for (qsizetype i = 0; i < questions.size(); ++i) {
        QuestionRecord row = questions[i];
        // Most answers right, every fourth one wrong.
        recorder.record(row, i % 4 == 3 ? row.A2 + u"X"_s : row.A2);
    }
    dm.CloseStudyRun(u"0:42:15"_s);
}

QString firstText(TDM1& dm, const QString& sql, const QString& value)
{
    SQLite::Database bank(TDM1::bankPathIn(dm.ProgramFolder()).toStdString(), SQLite::OPEN_READONLY);
    SQLite::Statement query(bank, sql.toStdString());
    if (!value.isNull())
        StatementBinding::bindText(query, 1, value);
    return query.executeStep() ? StatementBinding::text(query, 0) : QString();
}

} // namespace GalleryBank
