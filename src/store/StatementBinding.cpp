#include "StatementBinding.h"

#include <SQLiteCpp/Column.h>
#include <SQLiteCpp/Statement.h>

namespace StatementBinding {

void bindText(SQLite::Statement& statement, int index, const QString& value)
{
    if (value.isNull())
        statement.bind(index);
    else
        statement.bind(index, value.toStdString());
}

void bind(SQLite::Statement& statement, int index, const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::Bool:
        statement.bind(index, static_cast<int64_t>(value.toLongLong()));
        break;
    case QMetaType::Double:
        statement.bind(index, value.toDouble());
        break;
    default:
        if (value.isNull())
            statement.bind(index);
        else
            bindText(statement, index, value.toString());
    }
}

QString text(SQLite::Statement& statement, int column)
{
    const SQLite::Column value = statement.getColumn(column);
    if (value.isNull())
        return {};
    return QString::fromUtf8(value.getText());
}

} // namespace StatementBinding
