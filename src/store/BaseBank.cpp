#include "BaseBank.h"

#include "BankSchema.h"
#include "SqlGuard.h"
#include "StatementBinding.h"

#include <QFileInfo>

#include <SQLiteCpp/Column.h>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QSet<QString> foldedTexts(SQLite::Database& db, const char* sql)
{
    QSet<QString> texts;
    SQLite::Statement statement(db, sql);
    while (statement.executeStep()) {
        const QString text = StatementBinding::text(statement, 0);
        if (!text.isNull())
            texts.insert(text.toCaseFolded());
    }
    return texts;
}

} // namespace

BaseBank BaseBank::read(const QString& path)
{
    if (!QFileInfo(path).isFile())
        throw StoreError(u"%1: 基础题库不存在"_s.arg(path));
    BaseBank base;
    base.m_path = path;
    try {
        sqlGuarded([&] {
            SQLite::Database db(path.toStdString(), SQLite::OPEN_READONLY);
            base.m_chapters = foldedTexts(db, "SELECT C1 FROM tab_kmmc");
            base.m_nodes = foldedTexts(db, "SELECT id FROM tab_fgmc");
            base.m_points = foldedTexts(db, "SELECT ftid FROM tab_rule");
            base.m_stems = foldedTexts(db, "SELECT A1 FROM tab_title");
            base.m_questions = foldedTexts(db, "SELECT A1 FROM tab_answ");
            base.m_products = foldedTexts(db, "SELECT cpbs FROM tab_sj");
            base.m_upgrades = foldedTexts(db, "SELECT sjbs FROM tab_sj");
            for (int subject = 1; subject <= 5; ++subject) {
                SQLite::Statement types(
                    db, (u"SELECT A1 FROM "_s + BankSchema::typeTableName(subject)).toStdString());
                while (types.executeStep())
                    base.m_types.insert(types.getColumn(0).getInt());
            }
        });
    } catch (const StoreError& e) {
        throw StoreError(u"%1: 无法读取基础题库：%2"_s.arg(path, e.message()));
    }
    return base;
}
