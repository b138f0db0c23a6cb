#pragma once

#include "BankContent.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

// One JSON object of a bank source, read field by field; every wrong or missing
// field is refused with the entry's place.
class JsonEntry
{
public:
    JsonEntry(const QJsonValue& value, BankContent::Place place);

    // The entry's key, once read, is named in every later refusal.
    void setKey(const QString& key) { m_place.key = key; }
    const BankContent::Place& place() const { return m_place; }

    QString requiredText(const QString& field) const;
    // A null QString when the field is absent or null.
    QString optionalText(const QString& field) const;
    int requiredInteger(const QString& field) const;
    int optionalInteger(const QString& field, int fallback) const;
    double requiredNumber(const QString& field) const;
    double optionalNumber(const QString& field, double fallback) const;
    // A list of texts; hasList tells whether the field was given at all.
    QStringList optionalTextList(const QString& field, bool* hasList = nullptr) const;

    // Refuses fields the format does not know, which are most often misspellings.
    void allowOnly(const QStringList& fields) const;

    [[noreturn]] void refuse(const QString& problem) const;

private:
    bool has(const QString& field) const;
    int integerOf(const QString& field) const;

    QJsonObject m_object;
    BankContent::Place m_place;
};
