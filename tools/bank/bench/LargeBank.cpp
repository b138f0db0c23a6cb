#include "LargeBank.h"

#include "store/BankSchema.h"
#include "store/QuestionSearch.h"
#include "store/TDM1.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

using namespace Qt::Literals::StringLiterals;

namespace LargeBank {

namespace {

QString digits(int value, int width)
{
    return u"%1"_s.arg(value, width, 10, QChar(u'0'));
}

QStringList leafChapters(SQLite::Database& db)
{
    SQLite::Statement chapter(db, "INSERT INTO tab_kmmc (C1, C1_1, C2, C7, bh) VALUES (?, ?, ?, '0', ?)");
    QStringList leaves;
    auto add = [&](const QString& code) {
        chapter.bind(1, code.toStdString());
        chapter.bind(2, (u"章节 "_s + code).toStdString());
        chapter.bind(3, (u"第 "_s + code + u" 章"_s).toStdString());
        chapter.bind(4, code.toStdString());
        chapter.exec();
        chapter.reset();
    };
    for (int s = 1; s <= 5; ++s) {
        const QString subject = QString::number(s);
        add(subject);
        for (int a = 0; a < 4; ++a) {
            const QString part = subject + QString::number(a);
            add(part);
            for (int b = 0; b < 10; ++b) {
                const QString section = part + digits(b, 2);
                add(section);
                for (int c = 0; c < 9; ++c) {
                    add(section + digits(c, 2));
                    leaves.append(section + digits(c, 2));
                }
            }
        }
    }
    return leaves;
}

QStringList points(SQLite::Database& db)
{
    SQLite::Statement node(db, "INSERT INTO tab_fgmc (id, n, bh) VALUES (?, ?, ?)");
    SQLite::Statement point(db, "INSERT INTO tab_rule (ftid, id, sn, n) VALUES (?, ?, ?, ?)");
    auto addNode = [&](const QString& id) {
        node.bind(1, id.toStdString());
        node.bind(2, (u"节点 "_s + id).toStdString());
        node.bind(3, id.toStdString());
        node.exec();
        node.reset();
    };
    QStringList codes;
    for (int top = 1; top <= 20; ++top) {
        const QString id2 = digits(top, 2);
        addNode(id2);
        for (int mid = 0; mid < 50; ++mid) {
            const QString id6 = id2 + digits(mid, 4);
            addNode(id6);
            for (int p = 0; p < 20; ++p) {
                const QString code = id6 + digits(p, 6);
                point.bind(1, code.toStdString());
                point.bind(2, id6.toStdString());
                point.bind(3, (u"考点 "_s + code).toStdString());
                point.bind(4, (u"<p>考点 "_s + code + u" 的内容。</p>"_s).toStdString());
                point.exec();
                point.reset();
                codes.append(code);
            }
        }
    }
    return codes;
}

void questions(SQLite::Database& db, const QStringList& leaves, const QStringList& pointCodes)
{
    SQLite::Statement answ(db, "INSERT INTO tab_answ (A1, A2, A2_1, A10, A13, xx, K3, K4, K5) "
                               "VALUES (?, ?, 4, ?, ?, ?, ?, ?, ?)");
    SQLite::Statement exer(db, "INSERT INTO tab_exer (A1, A15, jx) VALUES (?, ?, ?)");
    const int types[] = {61, 65, 66, 61};
    const char* answers[] = {"B", "ACD", "AB", "C"};
    // 100,000 questions over 1,800 leaves; the 2-character part "10" has 90 leaves and gets 5,000.
    for (int i = 0; i < Questions; ++i) {
        const int part = i / 5000;     // 20 parts of 5,000 questions
        const int leafInPart = i % 90; // 90 leaves per part
        const QString leaf = leaves[part * 90 + leafInPart];
        const QString key = u"Q"_s + leaf + digits(i, 6);
        answ.bind(1, key.toStdString());
        answ.bind(2, answers[i % 4]);
        answ.bind(3, leaf.toStdString());
        answ.bind(4, types[i % 4]);
        answ.bind(5, i);
        for (int k = 0; k < 3; ++k) {
            if (k <= i % 3)
                answ.bind(6 + k, pointCodes[(i * 7 + k * 13) % pointCodes.size()].toStdString());
            else
                answ.bind(6 + k);
        }
        answ.exec();
        answ.reset();
        exer.bind(1, key.toStdString());
        exer.bind(2,
                  (u"<p>第 "_s + QString::number(i) + u" 题的题干，选项 A、B、C、D。</p>"_s).toStdString());
        exer.bind(3, (u"<p>解析 "_s + QString::number(i) + u"</p>"_s).toStdString());
        exer.exec();
        exer.reset();
    }
    db.exec(
        "UPDATE tab_kmmc SET C3 = (SELECT count(*) FROM tab_answ WHERE substr(A10, 1, length(tab_kmmc.C1)) = "
        "tab_kmmc.C1)");
}

void typesAndPapers(SQLite::Database& db)
{
    for (int s = 1; s <= 5; ++s) {
        db.exec(
            (u"INSERT INTO "_s + BankSchema::typeTableName(s) +
             u" (A1, B1, B2, B3, time) VALUES (61, '单项选择题', 30, 1, 1), (65, '多项选择题', 40, 1, 1.5),"
             u" (66, '不定项选择题', 30, 1, 1.5)"_s)
                .toStdString());
    }
    SQLite::Statement paper(
        db, "INSERT INTO tab_cj (A1, A3, A3_1, D1, A6, D2) VALUES (?, ?, ?, '2026-11-01', 80, "
            "'1:10:00')");
    for (int n = 1; n <= 200; ++n) {
        const QString name = u"tab_exam"_s + QString::number(n);
        paper.bind(1, name.toStdString());
        paper.bind(2, (u"2026年11月01日Velmaret["_s + QString::number(n) + u"]"_s).toStdString());
        paper.bind(3, n);
        paper.exec();
        paper.reset();
    }
}

} // namespace

void generate(const QString& folder)
{
    QDir(folder).mkpath(u"data"_s);
    const QString path = TDM1::bankPathIn(folder);
    QFile::remove(path);
    SQLite::Database db(path.toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    db.exec("PRAGMA journal_mode=WAL");
    SQLite::Transaction transaction(db);
    BankSchema::create(db);
    db.exec("INSERT INTO tab_plan VALUES (0, 50, 60, '2027-06-19', 60, 7200)");
    db.exec("INSERT INTO tab_sj VALUES ('BENCH', 'BENCH')");
    const QStringList leaves = leafChapters(db);
    const QStringList codes = points(db);
    questions(db, leaves, codes);
    typesAndPapers(db);
    QuestionSearch::buildIndex(db);
    transaction.commit();
    db.exec("ANALYZE");
}

PracticeStatement questionsUnder(const QString& chapter)
{
    return {u"SELECT * FROM tab_answ WHERE substr(A10, 1, length(?1)) = ?1 ORDER BY A1"_s, {chapter}};
}

void leaveRunAnswers(const QString& folder, const QString& leafChapter)
{
    SQLite::Database db(TDM1::bankPathIn(folder).toStdString(), SQLite::OPEN_READWRITE);
    SQLite::Statement update(db, "UPDATE tab_answ SET E2_1 = 'A' WHERE A10 = ?");
    update.bind(1, leafChapter.toStdString());
    update.exec();
}

const QString& folder()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString kept = qEnvironmentVariable("VELMARIN_BENCH_FOLDER");
        const QString where = kept.isEmpty() ? dir.path() + u'/' : kept + u'/';
        if (kept.isEmpty() || !QFile::exists(TDM1::bankPathIn(where)))
            generate(where);
        return where;
    }();
    return path;
}

QString freshCopy()
{
    static QTemporaryDir copies;
    static int next = 0;
    const QString copy = copies.path() + u"/"_s + QString::number(++next) + u"/"_s;
    QDir(copy).mkpath(u"data"_s);
    QFile::copy(TDM1::bankPathIn(folder()), TDM1::bankPathIn(copy));
    return copy;
}

} // namespace LargeBank
