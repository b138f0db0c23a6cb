#pragma once

#include "StartUpServices.h"
#include "store/BankLocation.h"

#include <QString>

#include <functional>
#include <memory>

class AppContext;
class AppPrompts;
class Prompts;
class TDM1;
class TFrmDlg;
class TFrmProgress;
class TFrmStart;

// The program's start in its fixed order: the title, the single-instance rule,
// the menu player check, where the bank lives and whether it is damaged (a
// backup may take its place), the data module, the main window with its screen
// checks, the progress window and the message dialog; then the event loop.
// Any failed check shows its one message and start-up ends.
class StartUp
{
public:
    static inline const QString Title = QStringLiteral("Velmarin");

    enum ExitCode : int
    {
        Finished = 0,    // the program ran and closed, or an earlier copy was asked to come forward
        CheckFailed = 1, // a start-up check failed and its message was shown
    };

    // Opens the data module on the chosen bank.
    using DataModuleFactory =
        std::function<std::unique_ptr<TDM1>(const QString& bankPath, const Clock& clock)>;

    StartUp(const StartUpServices& services, const BankLocation& location,
            DataModuleFactory createDataModule);
    ~StartUp();
    StartUp(const StartUp&) = delete;
    StartUp& operator=(const StartUp&) = delete;

    // Every step up to the event loop; false when start-up ends early (see exitCode()).
    bool prepare();
    // Shows the main window and runs the event loop until it closes.
    int exec();
    int run() { return prepare() ? exec() : exitCode(); }

    int exitCode() const { return m_exitCode; }
    Prompts& prompts();
    AppContext* context() const { return m_ctx.get(); }
    TFrmStart* mainWindow() const { return m_main.get(); }
    TFrmProgress* progressWindow() const { return m_progress.get(); }
    TFrmDlg* messageDialog() const { return m_dialog.get(); }

private:
    bool end(int code);
    bool openDataModule();
    // False when the bank is damaged and no backup took its place.
    bool checkBank(const QString& bankPath);
    bool refuseBank(const QString& message);
    bool createWindows();

    StartUpServices m_services;
    BankLocation m_location;
    DataModuleFactory m_createDataModule;
    std::unique_ptr<AppPrompts> m_ownPrompts;
    std::unique_ptr<TDM1> m_dm;
    std::unique_ptr<AppContext> m_ctx;
    std::unique_ptr<TFrmStart> m_main;
    std::unique_ptr<TFrmProgress> m_progress;
    std::unique_ptr<TFrmDlg> m_dialog;
    int m_exitCode = Finished;
};
