#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include <initializer_list>
#include <memory>

namespace SQLite {
class Database;
}

// A temporary program folder holding an empty bank, filled per test from a few
// lines of data. It keeps a connection of its own for setting up and checking.
class BankFixture
{
public:
    BankFixture();
    ~BankFixture();

    QString programFolder() const;
    QString bankPath() const;

    BankFixture& chapter(const QString& code, const QString& name = {}, const QString& caption = {});
    // A question filed under a chapter, with its content row; K lists its point codes.
    BankFixture& question(const QString& key, const QString& chapter, int type, const QString& answer,
                          int options = 4, const QStringList& points = {}, const QString& stem = {});
    BankFixture& type(int subject, int code, const QString& name, int b2, double b3, double time = 1.0);
    // A knowledge point; its 6- and 2-character catalogue nodes are added when missing.
    BankFixture& point(const QString& ftid, const QString& title = {}, const QString& text = {});
    BankFixture& stem(const QString& key, const QString& text);
    BankFixture& logDay(const QString& day, int answers, int wrong, int distinct, int wrongDistinct,
                        const QString& time = {});

    // Runs a statement with bound values.
    void exec(const QString& sql, std::initializer_list<QVariant> values = {});
    // The first column of the first row, as text / integer (null reads as an empty text / 0).
    QString text(const QString& sql, std::initializer_list<QVariant> values = {});
    qint64 integer(const QString& sql, std::initializer_list<QVariant> values = {});
    // One column of every row, as text.
    QStringList column(int column, const QString& sql, std::initializer_list<QVariant> values = {});

private:
    QTemporaryDir m_dir;
    std::unique_ptr<SQLite::Database> m_db;
};
