#pragma once

#include "StoreError.h"

#include <SQLiteCpp/Exception.h>

#include <utility>

// Runs database work and turns an engine failure into a StoreError that carries
// SQLite's own message.
template <class Work> decltype(auto) sqlGuarded(Work&& work)
{
    try {
        return std::forward<Work>(work)();
    } catch (const SQLite::Exception& e) {
        throw StoreError(QStringLiteral("数据库操作失败：") + QString::fromUtf8(e.what()));
    }
}
