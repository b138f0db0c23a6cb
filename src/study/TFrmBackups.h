#pragma once

#include "store/BankBackup.h"

#include <QDialog>
#include <QVector>

class QListWidget;

// Picks one of the bank's backups, newest first, for a deliberate restore.
class TFrmBackups : public QDialog
{
    Q_OBJECT

public:
    TFrmBackups(const QVector<BackupFile>& backups, QWidget* parent = nullptr);

    // The backup picked when the window was accepted.
    const BackupFile& chosen() const;

private:
    QVector<BackupFile> m_backups;
    QListWidget* m_list = nullptr;
};
