#pragma once

#include <QString>
#include <QVariant>

namespace SQLite {
class Statement;
}

// Binding of Qt values to a prepared statement, and reading them back.
namespace StatementBinding {

void bind(SQLite::Statement& statement, int index, const QVariant& value);
void bindText(SQLite::Statement& statement, int index, const QString& value);
// A column's text; a null QString for NULL.
QString text(SQLite::Statement& statement, int column);

} // namespace StatementBinding
