#include "StartUp.h"

#include "AppPrompts.h"
#include "TFrmDlg.h"
#include "TFrmProgress.h"
#include "TFrmStart.h"
#include "platform/MenuPlayerCheck.h"
#include "platform/Prompts.h"
#include "platform/SingleInstance.h"
#include "store/BankConnection.h"
#include "store/BankIntegrityCheck.h"
#include "store/TDM1.h"
#include "ui/AppContext.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <iostream>

using namespace Qt::Literals::StringLiterals;

StartUp::StartUp(const StartUpServices& services, const BankLocation& location,
                 DataModuleFactory createDataModule)
    : m_services(services), m_location(location), m_createDataModule(std::move(createDataModule))
{
    if (!m_services.prompts)
        m_ownPrompts = std::make_unique<AppPrompts>(m_services.windows);
}

StartUp::~StartUp()
{
    // Windows first: they hold the context, which holds the data module.
    m_main.reset();
    m_dialog.reset();
    m_progress.reset();
    m_ctx.reset();
    m_dm.reset();
}

Prompts& StartUp::prompts()
{
    return m_services.prompts ? *m_services.prompts : *m_ownPrompts;
}

bool StartUp::end(int code)
{
    m_exitCode = code;
    return false;
}

bool StartUp::prepare()
{
    QCoreApplication::setApplicationName(Title);
    QGuiApplication::setApplicationDisplayName(Title);

    if (m_services.singleInstance.findEarlierInstance())
        return end(Finished);
    // Listen at once, so that a copy started during the checks below finds this one.
    m_services.singleInstance.listen([this] {
        if (m_main)
            m_main->bringToFront();
    });

    if (!m_services.menuPlayer.available()) {
        prompts().systemMessage(Prompts::Icon::Warning, u"提示"_s, u"请安装Flash6插件文件！"_s,
                                Prompts::Buttons::Ok);
        return end(CheckFailed);
    }
    if (!openDataModule())
        return end(CheckFailed);
    if (!createWindows())
        return end(CheckFailed);
    return true;
}

bool StartUp::refuseBank(const QString& message)
{
    std::cerr << message.toLocal8Bit().constData() << std::endl;
    prompts().systemMessage(Prompts::Icon::Critical, u"错误"_s, message, Prompts::Buttons::Ok);
    return false;
}

bool StartUp::openDataModule()
{
    const BankLocation::Choice choice = m_location.choose();
    if (!choice.ok())
        return refuseBank(
            BankConnection::failureMessage(QDir::toNativeSeparators(m_location.userBank()), choice.error));
    if (!checkBank(choice.bankPath))
        return false;
    m_dm = m_createDataModule(choice.bankPath, m_services.clock);
    if (m_dm && m_dm->successFlag() != 0)
        return true;
    const QString message = m_dm ? m_dm->openError() : BankConnection::failureMessage(choice.bankPath, {});
    m_dm.reset();
    return refuseBank(message);
}

// Before the bank opens: a damaged file is never written to, and is kept when a backup replaces it.
bool StartUp::checkBank(const QString& bankPath)
{
    const BankIntegrityCheck check(bankPath, m_services.clock);
    const BankIntegrityCheck::Verdict verdict = check.checkFile();
    if (verdict.state != BankIntegrityCheck::State::Damaged)
        return true;
    if (!verdict.backup) {
        prompts().systemMessage(Prompts::Icon::Critical, u"错误"_s, verdict.message, Prompts::Buttons::Ok);
        return false;
    }
    if (!prompts().systemMessage(Prompts::Icon::Warning, u"提示"_s, verdict.message,
                                 Prompts::Buttons::OkCancel))
        return false;
    const BackupResult restored = check.restore(verdict);
    if (restored.ok())
        return true;
    prompts().systemMessage(Prompts::Icon::Critical, u"错误"_s, restored.error, Prompts::Buttons::Ok);
    return false;
}

bool StartUp::createWindows()
{
    m_ctx = std::make_unique<AppContext>(*m_dm, Services{m_services.clock, m_services.random, prompts(),
                                                         m_services.sound, m_services.shell,
                                                         m_services.screen, m_services.windows});
    m_main = std::make_unique<TFrmStart>(*m_ctx);
    if (!m_main->screenAccepted()) {
        m_main.reset();
        return false;
    }
    const QString pictures = m_dm->ProgramFolder() + u"pic/"_s;
    m_progress = std::make_unique<TFrmProgress>(m_services.screen, pictures);
    m_ctx->progress = m_progress.get();
    m_dialog = std::make_unique<TFrmDlg>(m_services.screen, pictures);
    if (m_ownPrompts)
        m_ownPrompts->setDialog(m_dialog.get());
    return true;
}

int StartUp::exec()
{
    QGuiApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(m_main.get(), &TFrmStart::closed, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    // The show step finishes before the window closes.
    QObject::connect(m_main.get(), &TFrmStart::terminateRequested, m_main.get(), &QWidget::close,
                     Qt::QueuedConnection);
    m_main->show();
    QApplication::exec();
    m_exitCode = Finished;
    return m_exitCode;
}
