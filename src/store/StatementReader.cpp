#include "StatementReader.h"

#include "TDM1.h"

StatementReader::StatementReader(TDM1& dm, const QString& sql) : m_statement(dm.prepared(sql)) {}

StatementReader::~StatementReader()
{
    m_statement.tryReset();
}
