#pragma once

#include <QString>
#include <QVariantList>

// The statement of the next practice set: SQL with "?" placeholders and the
// values bound to them, in order. Nothing from the bank or the user is ever
// part of the SQL text.
struct PracticeStatement
{
    QString sql;
    QVariantList values;

    bool isEmpty() const { return sql.isEmpty(); }
};
