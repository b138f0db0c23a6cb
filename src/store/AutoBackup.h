#pragma once

#include "BackupSchedule.h"
#include "BankBackup.h"

#include <QString>

class Clock;
class TDM1;

// The data module's automatic backups: one at every normal close, and one after a
// run has been closed when the last is half an hour old.
class AutoBackup
{
public:
    AutoBackup(TDM1& dm, const QString& bankPath, const Clock& clock);

    const BankBackup& backups() const { return m_backups; }

    // The backup at a normal close, before the connection closes.
    BackupResult atClose();
    // After a run has been closed and committed: a backup when one is due. Returns the
    // failure to tell the user, only the first of a series; empty otherwise.
    QString afterRun();

private:
    BackupResult make();

    TDM1& m_dm;
    BankBackup m_backups;
    BackupSchedule m_schedule;
};
