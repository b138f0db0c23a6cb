#pragma once

#include "question/NumberBoard.h"
#include "question/PracticeRun.h"
#include "question/QuestionGroups.h"

#include "ui/FramelessDialog.h"

#include <QTimer>

class AppContext;
class FaceButton;
class PulseStrip;
class QButtonGroup;
class QGridLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QKeySequence;
class QuestionView;

// The practice window "练习新题": one run over the set the chapter browser chose.
// The set can be narrowed to one question type, is paged in groups of 20
// number buttons, and every answer left behind is recorded and counted. The
// window wires a PracticeRun, its QuestionGroups, a NumberBoard and a QuestionView.
class TFrmLxxt : public FramelessDialog
{
    Q_OBJECT

public:
    static constexpr int GroupSize = QuestionGroups::PracticeSize;
    static constexpr int GaugeSteps = 100;

    // Throws MissingPicture when a number-button picture cannot be read.
    explicit TFrmLxxt(AppContext& ctx, QWidget* parent = nullptr);

    // Clears every run answer, reads PracticeQuery and lays out the type buttons.
    // False when the set is empty. A missing type-button picture is thrown as
    // MissingPicture, a database failure as StoreError.
    bool LoadPracticeSet();

    void setHintBoardText(const QString& text);
    PracticeSet& practiceSet() { return m_run.set(); }
    QuestionView* questionView() const { return m_view; }
    int CurrentRecNo() const { return m_run.current(); }
    int GroupStart() const { return m_groups.start(); }
    int GroupCount() const { return m_groups.count(); }
    int groupShown() const { return m_groups.shown(); }
    int groupTotal() const { return m_groups.groups(); }
    // The record number each number button carries (0 for a spare button).
    int recordOfButton(int index) const { return m_board->recordOf(index); }
    FaceButton* numberButton(int index) const { return m_board->button(index); }
    // The face a picture file gives, to compare with a button's.
    QPixmap face(const QString& file) const { return m_board->face(file); }

    // False when nothing was recorded; recordFailed() tells a failure from a skip.
    bool RecordAnswer(int recNo, RecordMode mode);
    bool recordFailed() const { return m_recordFailed; }
    void RestoreAnswerControls();

    // Timer ticks, callable directly.
    void timeLimitTick();
    void clockTick();
    int timeLimitInterval() const { return m_timeLimit.interval(); }
    bool timeLimitRunning() const { return m_timeLimit.isActive(); }
    int gaugeValue() const;
    QString elapsedText() const { return m_run.elapsedText(); }

    void done(int result) override;

    // The knowledge-point practice window and a run over search hits are this
    // window with a few differences.
    struct Variant
    {
        QString discardCaption = QStringLiteral("题目作废");
        bool editButton = true; // "修改本题" and "本题被您修改过"
        bool subjectiveLabelFollowsType = true;
        bool hintFromChapter = true; // the hint board shows CurrentChapterCaption
        RecordPolicy policy;
    };
    TFrmLxxt(AppContext& ctx, const Variant& variant, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void escapePressed() override;

private:
    void buildWindow();
    QWidget* buildTopBar();
    QWidget* buildBoards();
    QWidget* buildTimerCard(QWidget* parent);
    QWidget* buildButtonRow();
    QPushButton* makeButton(const QString& caption, const QString& name);
    static void giveShortcut(QPushButton& button, const QKeySequence& keys);
    void addTypeButton(int type, const QString& caption, bool enabled, const QPixmap& up,
                       const QPixmap& down);

    void openRun();
    void finishRun();
    void typePressed(FaceButton* button);
    void FillNumberButtons();
    void numberPressed(int index);
    // False when the answer on from could not be recorded: the window stays on from.
    bool ShowQuestion(int from, int to);
    void showStatus(const QuestionRecord& row);
    void previousQuestion();
    void nextQuestion();
    void previousGroup();
    void nextGroup();
    void step(QuestionGroups::Step step);
    void startTimeLimit(int type);

    void finishClicked();
    void answerClicked();
    void noteClicked();
    void pointsClicked();
    void discardClicked();
    void editClicked();
    void settingsClicked();

    void refreshPressedFace(int recNo);
    QuestionRecord* currentRecord() { return m_run.currentRecord(); }
    template <class Work> void guarded(Work&& work);

    AppContext& m_ctx;
    bool m_recordFailed = false;
    Variant m_variant;
    PracticeRun m_run;
    QuestionGroups m_groups;
    bool m_opened = false;

    QLabel* m_hintBoard = nullptr;
    QLabel* m_questionLine = nullptr;
    QLabel* m_redStatus = nullptr;
    QLabel* m_boldStatus = nullptr;
    QuestionView* m_view = nullptr;
    QProgressBar* m_gauge = nullptr;
    QLabel* m_clockLabel = nullptr;
    PulseStrip* m_pulse = nullptr;
    QWidget* m_typeBoard = nullptr;
    QGridLayout* m_typeGrid = nullptr;
    QButtonGroup* m_typeGroup = nullptr;
    QVector<FaceButton*> m_typeButtons;
    FaceButton* m_pressedType = nullptr;
    NumberBoard* m_board = nullptr;
    QLabel* m_groupInfo = nullptr;
    QLabel* m_groupShownLabel = nullptr;
    QPushButton* m_previousGroup = nullptr;
    QPushButton* m_nextGroup = nullptr;
    QPushButton* m_previous = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_finish = nullptr;
    QPushButton* m_note = nullptr;
    QPushButton* m_answer = nullptr;
    QPushButton* m_points = nullptr;
    QPushButton* m_discard = nullptr;
    QPushButton* m_edit = nullptr;
    QPushButton* m_close = nullptr;
    QPushButton* m_settings = nullptr;
    QPushButton* m_desktop = nullptr;

    QTimer m_timeLimit;
    QTimer m_clock;
};
