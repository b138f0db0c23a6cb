#include "QuestionContent.h"

#include "BankSchema.h"
#include "SqlGuard.h"
#include "StatementBinding.h"
#include "StatementReader.h"
#include "TDM1.h"

#include <SQLiteCpp/Statement.h>

using namespace Qt::Literals::StringLiterals;

QuestionContent::QuestionContent(TDM1& dm) : m_dm(dm) {}

std::optional<QString> QuestionContent::stem(const QString& key)
{
    return firstText(u"SELECT A15 FROM tab_exer WHERE A1 = ?"_s, key);
}

std::optional<QString> QuestionContent::sharedStem(const QString& stemKey)
{
    return firstText(u"SELECT A15 FROM tab_title WHERE A1 = ?"_s, stemKey);
}

QString QuestionContent::explanation(const QString& key, const QString& table)
{
    if (table != u"tab_exer" && !BankSchema::isPaperTableName(table))
        throw StoreError(u"“%1”不是题目表。"_s.arg(table));
    return firstText(u"SELECT jx FROM "_s + table + u" WHERE A1 = ?"_s, key).value_or(QString());
}

std::optional<QString> QuestionContent::firstText(const QString& sql, const QString& key)
{
    return sqlGuarded([&]() -> std::optional<QString> {
        StatementReader query(m_dm, sql);
        StatementBinding::bindText(*query, 1, key);
        std::optional<QString> text;
        if (query->executeStep())
            text = StatementBinding::text(*query, 0);
        return text;
    });
}
