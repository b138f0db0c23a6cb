#include "BackupRotation.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString StampFormat = u"yyyyMMdd-HHmmss"_s;

} // namespace

QString BackupRotation::fileNameFor(const QDateTime& taken)
{
    return u"KX50418-"_s + taken.toString(StampFormat) + u".mdb"_s;
}

QDateTime BackupRotation::takenAt(const QString& fileName)
{
    static const QRegularExpression pattern(u"^KX50418-([0-9]{8}-[0-9]{6})\\.mdb$"_s);
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch())
        return {};
    return QDateTime::fromString(match.captured(1), StampFormat);
}

QStringList BackupRotation::expired(const QStringList& fileNames, const QDate& today)
{
    QList<std::pair<QDateTime, QString>> backups;
    for (const QString& name : fileNames) {
        const QDateTime taken = takenAt(name);
        if (taken.isValid())
            backups.append({taken, name});
    }
    std::sort(backups.begin(), backups.end(), [](const auto& a, const auto& b) { return a > b; });
    QSet<QDate> daysKept;
    QStringList doomed;
    for (qsizetype i = 0; i < backups.size(); ++i) {
        const QDate day = backups[i].first.date();
        const qint64 age = day.daysTo(today);
        // The first backup met of a day is that day's newest.
        const bool newestOfRecentDay = age >= 0 && age < KeepDays && !daysKept.contains(day);
        if (newestOfRecentDay)
            daysKept.insert(day);
        if (i >= KeepNewest && !newestOfRecentDay)
            doomed.append(backups[i].second);
    }
    return doomed;
}
