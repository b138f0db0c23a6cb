#include "StatementReader.h"

#include "StoreConnection.h"

StatementReader::StatementReader(TDM1& dm, const QString& sql)
    : m_statement(StoreConnection::prepared(dm, sql))
{}

StatementReader::~StatementReader()
{
    m_statement.tryReset();
}
