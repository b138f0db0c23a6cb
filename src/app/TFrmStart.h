#pragma once

#include "BackgroundMusic.h"
#include "ui/AppActions.h"

#include <QDialog>
#include <QSize>
#include <QVector>
#include <QWidget>

#include <functional>
#include <memory>

class AppContext;
class MenuPlayer;

// The main window: the menu over the whole screen, the command words it sends,
// and the background music the settings window drives.
class TFrmStart final : public QWidget, public AppActions
{
    Q_OBJECT

public:
    // How a command treats the cursor while its window is created and shown.
    enum class Busy
    {
        No,
        Yes,         // from the creation of its window until the window shows
        UntilCreated // while its window is created
    };
    struct Command
    {
        QString word;
        Busy busy;
        std::function<void(TFrmStart&)> action;
    };

    // Runs the creation step: the screen checks and the layout mode.
    explicit TFrmStart(AppContext& ctx, QWidget* parent = nullptr);
    ~TFrmStart() override;

    // The command words in the order they are tried.
    static const QVector<Command>& commandTable();

    // "800" when the screen is 800 wide or 600 high, otherwise "1024".
    static QString layoutModeFor(const QSize& screen);
    static QSize windowSizeFor(const QString& layoutMode);

    // False when the screen is not at 96 logical pixels per inch; start-up then ends.
    bool screenAccepted() const { return m_screenAccepted; }

    void FormShow();
    void ShockwaveFlash1FSCommand(const QString& command, const QString& args);
    // Comes to the front, restored if minimised, with its open modal window on top.
    void bringToFront();

    MenuPlayer* menu() const { return m_menu; }

    void PlayTune(const QString& path, bool on) override;
    void SetVolumeLevel(int level) override;
    void openSystemSettings(QWidget* owner) override;
    int openQuestionEntry(QWidget* owner, const QString& caption, const QString& chapterCode) override;
    bool openQuestionEditing(QWidget* owner, QuestionRecord& question) override;

Q_SIGNALS:
    // The show step found today's log at 24 hours or more: the program ends once the step is done.
    void terminateRequested();
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    bool IsNormalDpi() const;
    bool studiedADayToday();
    void loadAnswerTimeTable();
    void startMenu();
    void dispatch(const QString& command);

    // Creates a window, shows it modally and destroys it, with the busy cursor of the current command.
    void runWindow(const std::function<std::unique_ptr<QDialog>(AppContext&, QWidget*)>& create);
    void openPage(const QString& relativePath);
    void openChapterBrowser(int subject);
    void openSettings(int mode);
    void quit();
    void mnks(int subject);

    AppContext& m_ctx;
    BackgroundMusic m_music;
    AppActions* m_previousActions = nullptr; // given back when this window goes
    MenuPlayer* m_menu = nullptr;            // ShockwaveFlash1
    bool m_screenAccepted = false;
    bool m_shown = false;
    Busy m_currentBusy = Busy::No; // of the command being carried out
};
