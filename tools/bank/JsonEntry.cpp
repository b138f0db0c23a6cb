#include "JsonEntry.h"

#include "RichText.h"

#include "store/StoreError.h"

#include <QJsonArray>

#include <cmath>
#include <limits>
#include <utility>

using namespace Qt::Literals::StringLiterals;

JsonEntry::JsonEntry(const QJsonValue& value, BankContent::Place place)
    : m_object(value.toObject()), m_place(std::move(place))
{
    if (!value.isObject())
        refuse(u"应为 JSON 对象"_s);
}

void JsonEntry::refuse(const QString& problem) const
{
    throw StoreError(m_place.text() + u": "_s + problem);
}

bool JsonEntry::has(const QString& field) const
{
    const QJsonValue value = m_object.value(field);
    return !value.isUndefined() && !value.isNull();
}

QString JsonEntry::requiredText(const QString& field) const
{
    if (!has(field))
        refuse(u"缺少必填字段 \"%1\""_s.arg(field));
    const QString text = optionalText(field);
    if (text.trimmed().isEmpty())
        refuse(u"字段 \"%1\" 不能为空"_s.arg(field));
    return text;
}

QString JsonEntry::optionalText(const QString& field) const
{
    if (!has(field))
        return {};
    const QJsonValue value = m_object.value(field);
    if (!value.isString())
        refuse(u"字段 \"%1\" 应为文本"_s.arg(field));
    // An empty text stays distinguishable from an absent one.
    const QString text = value.toString();
    // The bank's readers stop at a NUL: what follows it would be lost without a word.
    if (text.contains(QChar(0)))
        refuse(u"字段 \"%1\" 含有 NUL 字符"_s.arg(field));
    if (const QString picture = RichText::foreignPicture(text); !picture.isNull())
        refuse(u"字段 \"%1\" 的图片 \"%2\" 既不在 pic/ 中，也不是 data: 图片"_s.arg(field, picture));
    return text.isNull() ? u""_s : text;
}

int JsonEntry::integerOf(const QString& field) const
{
    const QJsonValue value = m_object.value(field);
    const double number = value.toDouble();
    if (!value.isDouble() || std::floor(number) != number ||
        std::abs(number) > std::numeric_limits<int>::max())
        refuse(u"字段 \"%1\" 应为整数"_s.arg(field));
    return static_cast<int>(number);
}

int JsonEntry::requiredInteger(const QString& field) const
{
    if (!has(field))
        refuse(u"缺少必填字段 \"%1\""_s.arg(field));
    return integerOf(field);
}

int JsonEntry::optionalInteger(const QString& field, int fallback) const
{
    return has(field) ? integerOf(field) : fallback;
}

double JsonEntry::requiredNumber(const QString& field) const
{
    if (!has(field))
        refuse(u"缺少必填字段 \"%1\""_s.arg(field));
    return optionalNumber(field, 0);
}

double JsonEntry::optionalNumber(const QString& field, double fallback) const
{
    if (!has(field))
        return fallback;
    const QJsonValue value = m_object.value(field);
    if (!value.isDouble())
        refuse(u"字段 \"%1\" 应为数字"_s.arg(field));
    return value.toDouble();
}

QStringList JsonEntry::optionalTextList(const QString& field, bool* hasList) const
{
    if (hasList)
        *hasList = has(field);
    if (!has(field))
        return {};
    const QJsonValue value = m_object.value(field);
    if (!value.isArray())
        refuse(u"字段 \"%1\" 应为文本列表"_s.arg(field));
    QStringList texts;
    for (const QJsonValue& item : value.toArray()) {
        if (!item.isString())
            refuse(u"字段 \"%1\" 的每一项应为文本"_s.arg(field));
        texts.append(item.toString());
    }
    return texts;
}

void JsonEntry::allowOnly(const QStringList& fields) const
{
    for (const QString& field : m_object.keys()) {
        if (!fields.contains(field))
            refuse(u"未知字段 \"%1\""_s.arg(field));
    }
}
