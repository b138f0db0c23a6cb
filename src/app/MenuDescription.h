#pragma once

#include <QString>
#include <QVector>

#include <optional>

// What the menu player draws, read from its description file in pic/: the
// background picture, the title, groups of entries and the footer entries.
// Each entry sends its command word when chosen.
struct MenuDescription
{
    struct Entry
    {
        QString caption;
        QString command;
    };
    struct Group
    {
        QString caption;
        QVector<Entry> entries;
    };

    QString title;
    QString subtitle;
    QString background; // file name relative to the description file
    QVector<Group> groups;
    QVector<Entry> footer;

    // Every command word the menu can send, groups first, in order.
    QStringList commands() const;

    // Reads a description file; nullopt with a readable reason when it is missing or malformed.
    static std::optional<MenuDescription> load(const QString& path, QString* error);
    static std::optional<MenuDescription> parse(const QByteArray& json, QString* error);
};
