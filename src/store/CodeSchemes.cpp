#include "CodeSchemes.h"

#include "StoreError.h"

using namespace Qt::Literals::StringLiterals;

namespace CodeSchemes {

QStringList chapterAncestors(const QString& chapterCode)
{
    QStringList prefixes;
    for (qsizetype length = chapterCode.size() - 1; length >= 1; --length)
        prefixes.append(chapterCode.left(length));
    return prefixes;
}

bool isSubjectLevel(const QString& chapterCode)
{
    return chapterCode.size() == 1 || chapterCode.size() == 2;
}

QString pointNode6(const QString& pointCode)
{
    return pointCode.left(6);
}

QString pointNode2(const QString& pointCode)
{
    return pointCode.left(2);
}

QStringList citedPoints(const std::array<QString, 10>& k)
{
    QStringList codes;
    for (const QString& code : k) {
        if (code.isEmpty())
            break;
        codes.append(code);
    }
    return codes;
}

QString stemKeyOf(const QString& questionKey)
{
    return questionKey.contains(u'-') ? questionKey.left(StemKeyLength) : QString();
}

QString userQuestionKey(const QString& chapterCode, int type, int optionCount, int runningNumber)
{
    const QString number = runningNumber < 1000 ? u"%1"_s.arg(runningNumber, 5, 10, QChar(u'0'))
                                                : QString::number(runningNumber);
    return u"US"_s + chapterCode + QString::number(type) + QString::number(optionCount) + number;
}

int userRunningNumber(const QString& userKey)
{
    bool ok = false;
    const int number = userKey.right(4).toInt(&ok);
    return ok ? number : 0;
}

static qint64 toInteger(const QString& piece)
{
    bool ok = false;
    const qint64 value = piece.trimmed().toLongLong(&ok);
    if (!ok)
        throw StoreError(u"“%1”不是有效的时间。"_s.arg(piece));
    return value;
}

qint64 ParseDuration(const QString& text)
{
    qint64 total = 0;
    int parts = 0;
    QString rest = text;
    while (rest.contains(u':')) {
        const qsizetype colon = rest.indexOf(u':');
        const QString piece = rest.left(colon);
        rest = rest.mid(colon + 1);
        if (parts == 0)
            total += toInteger(piece) * 3600;
        else if (parts == 1)
            total += toInteger(piece) * 60;
        else
            rest.clear();
        ++parts;
    }
    if (parts == 2)
        total += toInteger(rest.left(2));
    return total;
}

static QString twoDigits(qint64 value)
{
    return value < 10 ? u"0"_s + QString::number(value) : QString::number(value);
}

QString FormatDuration(qint64 seconds)
{
    const qint64 hours = seconds / 3600;
    const qint64 minutes = (seconds - hours * 3600) / 60;
    return QString::number(hours) + u':' + twoDigits(minutes) + u':' + twoDigits(seconds % 60);
}

QString FormatLogDuration(qint64 seconds)
{
    const qint64 hours = seconds / 3600;
    const qint64 minutes = (seconds - hours * 3600) / 60;
    return twoDigits(hours) + u':' + twoDigits(minutes) + u':' + twoDigits(seconds % 60);
}

QString percentText(qint64 total, qint64 wrong)
{
    if (total <= 0)
        return u"0"_s;
    return QString::asprintf("%2.2f", double(total - wrong) / double(total) * 100.0);
}

} // namespace CodeSchemes
