#include "MenuDescription.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

using namespace Qt::Literals::StringLiterals;

namespace {

bool readEntries(const QJsonValue& value, QVector<MenuDescription::Entry>& entries, QString* error)
{
    for (const QJsonValue& item : value.toArray()) {
        const QJsonObject object = item.toObject();
        MenuDescription::Entry entry{object.value(u"caption"_s).toString(),
                                     object.value(u"command"_s).toString()};
        if (entry.caption.isEmpty() || entry.command.isEmpty()) {
            if (error)
                *error = u"菜单项缺少标题或命令。"_s;
            return false;
        }
        entries.append(entry);
    }
    return true;
}

} // namespace

QStringList MenuDescription::commands() const
{
    QStringList words;
    for (const Group& group : groups) {
        for (const Entry& entry : group.entries)
            words.append(entry.command);
    }
    for (const Entry& entry : footer)
        words.append(entry.command);
    return words;
}

std::optional<MenuDescription> MenuDescription::load(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = u"无法读取菜单文件“%1”。"_s.arg(path);
        return std::nullopt;
    }
    return parse(file.readAll(), error);
}

std::optional<MenuDescription> MenuDescription::parse(const QByteArray& json, QString* error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (!document.isObject()) {
        if (error)
            *error = u"菜单文件格式错误：%1"_s.arg(parseError.errorString());
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    MenuDescription menu;
    menu.title = root.value(u"title"_s).toString();
    menu.subtitle = root.value(u"subtitle"_s).toString();
    menu.background = root.value(u"background"_s).toString();
    for (const QJsonValue& item : root.value(u"groups"_s).toArray()) {
        Group group{item.toObject().value(u"caption"_s).toString(), {}};
        if (!readEntries(item.toObject().value(u"entries"_s), group.entries, error))
            return std::nullopt;
        if (!group.entries.isEmpty())
            menu.groups.append(group);
    }
    if (!readEntries(root.value(u"footer"_s), menu.footer, error))
        return std::nullopt;
    if (menu.commands().isEmpty()) {
        if (error)
            *error = u"菜单文件中没有菜单项。"_s;
        return std::nullopt;
    }
    return menu;
}
