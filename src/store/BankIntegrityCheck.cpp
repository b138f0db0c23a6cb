#include "BankIntegrityCheck.h"

#include "BankConnection.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

BankIntegrityCheck::BankIntegrityCheck(const QString& bankPath, const Clock& clock)
    : m_backups(bankPath, clock)
{}

BankIntegrityCheck::Verdict BankIntegrityCheck::check(SQLite::Database& bank) const
{
    const QString problem = BankConnection::quickCheck(bank);
    return problem.isEmpty() ? Verdict{} : judge(problem);
}

BankIntegrityCheck::Verdict BankIntegrityCheck::checkFile() const
{
    const BankConnection::FileCheck file = BankConnection::checkFile(m_backups.bankPath());
    switch (file.state) {
    case BankConnection::FileState::Sound:
        return {};
    case BankConnection::FileState::Damaged:
        return judge(file.problem);
    case BankConnection::FileState::Unreadable:
        break;
    }
    Verdict unchecked;
    unchecked.state = State::Unchecked;
    unchecked.problem = file.problem;
    return unchecked;
}

BankIntegrityCheck::Verdict BankIntegrityCheck::judge(const QString& problem) const
{
    Verdict verdict;
    verdict.state = State::Damaged;
    verdict.problem = problem;
    verdict.backup = newestGoodBackup();
    const QString damaged = u"题库文件已损坏：\n"_s + QDir::toNativeSeparators(m_backups.bankPath()) +
                            u"\n（"_s + problem + u"）\n\n"_s;
    if (!verdict.backup) {
        verdict.message = damaged + u"没有可用的备份。程序将退出，题库文件未做任何改动。"_s;
        return verdict;
    }
    verdict.setAside = m_backups.setAsidePath(BankBackup::Setting::Damaged);
    verdict.message = damaged + u"可以恢复 "_s + verdict.backup->takenText() +
                      u" 的备份，在那之后的练习记录将丢失。损坏的文件会保留为：\n"_s +
                      QDir::toNativeSeparators(verdict.setAside) + u"\n\n是否恢复？"_s;
    return verdict;
}

BackupResult BankIntegrityCheck::restore(const Verdict& verdict) const
{
    if (!verdict.backup)
        return {{}, u"没有可用的备份，题库没有改动。"_s};
    return m_backups.restore(*verdict.backup, verdict.setAside);
}

std::optional<BackupFile> BankIntegrityCheck::newestGoodBackup() const
{
    for (const BackupFile& backup : m_backups.list()) {
        if (BankConnection::checkFile(backup.path).state == BankConnection::FileState::Sound)
            return backup;
    }
    return std::nullopt;
}
