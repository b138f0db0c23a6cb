#include "AutoBackup.h"

#include "StoreConnection.h"
#include "TDM1.h"

using namespace Qt::Literals::StringLiterals;

namespace {

QDateTime newestOf(const BankBackup& backups)
{
    const QVector<BackupFile> all = backups.list();
    return all.isEmpty() ? QDateTime() : all.first().taken;
}

} // namespace

AutoBackup::AutoBackup(TDM1& dm, const QString& bankPath, const Clock& clock)
    : m_dm(dm), m_backups(bankPath, clock), m_schedule(clock, newestOf(m_backups))
{}

BackupResult AutoBackup::make()
{
    if (m_dm.successFlag() == 0)
        return {{}, u"备份失败：数据库未连接。"_s};
    return m_backups.make(StoreConnection::db(m_dm));
}

BackupResult AutoBackup::atClose()
{
    const BackupResult result = make();
    m_schedule.attempted(result.ok());
    return result;
}

QString AutoBackup::afterRun()
{
    if (!m_schedule.dueAfterRun())
        return {};
    const BackupResult result = make();
    return m_schedule.attempted(result.ok()) ? result.error : QString();
}
