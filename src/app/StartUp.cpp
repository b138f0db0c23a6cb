#include "StartUp.h"

#include "AppPrompts.h"
#include "TFrmDlg.h"
#include "TFrmProgress.h"
#include "TFrmStart.h"
#include "platform/MenuPlayerCheck.h"
#include "platform/Prompts.h"
#include "platform/SingleInstance.h"
#include "store/TDM1.h"
#include "ui/AppContext.h"

#include <QApplication>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

StartUp::StartUp(const StartUpServices& services, DataModuleFactory createDataModule)
    : m_services(services), m_createDataModule(std::move(createDataModule))
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

bool StartUp::openDataModule()
{
    m_dm = m_createDataModule(m_services.clock);
    if (m_dm && m_dm->successFlag() != 0)
        return true;
    m_dm.reset();
    prompts().systemMessage(Prompts::Icon::Critical, u"错误"_s, u"无法连接数据库！"_s, Prompts::Buttons::Ok);
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
