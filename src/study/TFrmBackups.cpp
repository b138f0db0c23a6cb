#include "TFrmBackups.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

TFrmBackups::TFrmBackups(const QVector<BackupFile>& backups, QWidget* parent)
    : QDialog(parent), m_backups(backups)
{
    setObjectName(u"TFrmBackups"_s);
    setWindowTitle(u"恢复备份"_s);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(u"请选择要恢复的备份："_s, this));
    m_list = new QListWidget(this);
    m_list->setObjectName(u"backupList"_s);
    for (const BackupFile& backup : m_backups)
        m_list->addItem(backup.takenText());
    m_list->setCurrentRow(0);
    layout->addWidget(m_list);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* restore = buttons->addButton(u"恢复"_s, QDialogButtonBox::AcceptRole);
    restore->setObjectName(u"restoreButton"_s);
    buttons->addButton(u"取消"_s, QDialogButtonBox::RejectRole)->setObjectName(u"cancelButton"_s);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    layout->addWidget(buttons);
}

const BackupFile& TFrmBackups::chosen() const
{
    return m_backups.at(qBound(0, m_list->currentRow(), int(m_backups.size()) - 1));
}
