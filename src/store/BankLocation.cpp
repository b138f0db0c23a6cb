#include "BankLocation.h"

#include "DurableFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString BankFileName = u"KX50418.mdb"_s;

BankLocation::Choice refused(const QString& why)
{
    return {{}, false, why};
}

} // namespace

BankLocation::BankLocation(const QString& programFolder, const QString& dataHome)
    : m_programFolder(programFolder), m_dataHome(dataHome)
{}

QString BankLocation::defaultDataHome()
{
    const QString configured = qEnvironmentVariable("XDG_DATA_HOME");
    if (!configured.isEmpty() && QDir::isAbsolutePath(configured))
        return configured;
    return QDir::homePath() + u"/.local/share"_s;
}

bool BankLocation::isWritableFolder(const QString& folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(u".write-probe-XXXXXX"_s));
    return probe.open();
}

QString BankLocation::strayJournal(const QString& bankPath)
{
    if (QFileInfo::exists(bankPath))
        return {};
    for (const QString& journal : {DurableFile::walOf(bankPath), DurableFile::shmOf(bankPath)}) {
        if (QFileInfo::exists(journal))
            return u"文件夹中有残留的数据库日志 "_s + QDir::toNativeSeparators(journal) +
                   u"，却没有对应的题库文件。放入新题库时它会被写进新文件并使其损坏；请先移走或删除这个日志文件。"_s;
    }
    return {};
}

QString BankLocation::shippedBank() const
{
    return QDir(m_programFolder).filePath(u"data/"_s + BankFileName);
}

QString BankLocation::userBank() const
{
    return QDir(m_dataHome).filePath(u"velmarin/"_s + BankFileName);
}

BankLocation::Choice BankLocation::choose() const
{
    if (isWritableFolder(QFileInfo(shippedBank()).absolutePath()))
        return {shippedBank(), true, {}};
    const QString bank = userBank();
    if (QFileInfo::exists(bank))
        return {bank, false, {}};
    if (const QString stray = strayJournal(bank); !stray.isEmpty())
        return refused(stray);
    if (!QFileInfo::exists(shippedBank()))
        return refused(u"找不到程序自带的题库 "_s + QDir::toNativeSeparators(shippedBank()));
    const QString folder = QFileInfo(bank).absolutePath();
    if (!QDir().mkpath(folder))
        return refused(u"无法创建文件夹 "_s + QDir::toNativeSeparators(folder));
    if (const QString problem = DurableFile::installNew(shippedBank(), bank); !problem.isEmpty())
        return refused(u"无法把题库复制到 "_s + QDir::toNativeSeparators(bank) + u"："_s + problem);
    return {bank, false, {}};
}
