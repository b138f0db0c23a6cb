#pragma once

#include <QString>
#include <QStringList>

// The question types answered in words: for them a question has one option and the answer "1".
namespace SubjectiveTypes {

inline bool contains(const QString& typeName)
{
    static const QStringList names{QStringLiteral("简答"),     QStringLiteral("主观"),
                                   QStringLiteral("论述"),     QStringLiteral("案例分析"),
                                   QStringLiteral("名词解释"), QStringLiteral("查找错误"),
                                   QStringLiteral("综合"),     QStringLiteral("计算")};
    return names.contains(typeName);
}

} // namespace SubjectiveTypes
