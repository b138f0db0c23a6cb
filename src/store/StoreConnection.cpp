#include "StoreConnection.h"

#include "TDM1.h"

SQLite::Database& StoreConnection::db(TDM1& dm)
{
    return dm.db();
}

SQLite::Statement& StoreConnection::prepared(TDM1& dm, const QString& sql)
{
    return dm.prepared(sql);
}
