#pragma once

#include "question/ButtonFaces.h"
#include "store/PracticeSet.h"

#include "store/AnswerRecorder.h"
#include "ui/FramelessDialog.h"

#include <QDateTime>
#include <QTimer>

#include <array>

class AppContext;
class FaceButton;
class PulseStrip;
class QButtonGroup;
class QGridLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QuestionView;

// The practice window "练习新题": one run over the set the chapter browser chose.
// The set can be narrowed to one question type, is paged in groups of 20
// number buttons, and every answer left behind is recorded and counted.
class TFrmLxxt : public FramelessDialog
{
    Q_OBJECT

public:
    static constexpr int GroupSize = 20;
    static constexpr int GaugeSteps = 100;

    enum class RecordMode
    {
        Move,   // leaving a question: its number button shows right / wrong / not answered
        Check,  // "完成": the verdict on the pressed button, "答案" and "考点" follow
        Silent, // a type change or closing: nothing shown
    };
    enum class GroupKind
    {
        First,
        Previous,
        Next
    };

    explicit TFrmLxxt(AppContext& ctx, QWidget* parent = nullptr);

    // Clears every run answer, reads PracticeQuery and lays out the type buttons.
    // False when the set is empty, or when a picture is missing (fatalError(); the
    // program is then ending). A database failure is thrown as StoreError.
    bool LoadPracticeSet();
    bool fatalError() const { return m_fatal; }

    void setHintBoardText(const QString& text);
    PracticeSet& practiceSet() { return m_set; }
    QuestionView* questionView() const { return m_view; }
    int CurrentRecNo() const { return m_currentRecNo; }
    int GroupStart() const { return m_groupStart; }
    int GroupCount() const { return m_groupCount; }
    int groupShown() const { return m_groupShown; }
    int groupTotal() const { return m_groups; }
    // The record number each number button carries (0 for a spare button).
    int recordOfButton(int index) const { return m_buttonRecord[size_t(index)]; }
    FaceButton* numberButton(int index) const { return m_numbers[size_t(index)]; }
    // The face a picture file gives, to compare with a button's.
    QPixmap face(const QString& file) const { return m_faces.face(file); }

    bool RecordAnswer(int recNo, RecordMode mode);
    void RestoreAnswerControls();

    // Timer ticks, callable directly.
    void timeLimitTick();
    void clockTick();
    int timeLimitInterval() const { return m_timeLimit.interval(); }
    bool timeLimitRunning() const { return m_timeLimit.isActive(); }
    int gaugeValue() const;
    QString elapsedText() const;

    void done(int result) override;

protected:
    // The knowledge-point practice window is this window with a few differences.
    struct Variant
    {
        QString discardCaption = QStringLiteral("题目作废");
        bool editButton = true; // "修改本题" and "本题被您修改过"
        bool subjectiveLabelFollowsType = true;
        bool hintFromChapter = true; // the hint board shows CurrentChapterCaption
    };
    TFrmLxxt(AppContext& ctx, const Variant& variant, QWidget* parent);

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildWindow();
    QWidget* buildTopBar();
    QWidget* buildBoards();
    QWidget* buildTimerCard(QWidget* parent);
    QWidget* buildButtonRow();
    QPushButton* makeButton(const QString& caption, const QString& name);
    void addTypeButton(int type, const QString& caption, bool enabled, const QPixmap& up,
                       const QPixmap& down);

    void openRun();
    void finishRun();
    void typePressed(FaceButton* button);
    void FillNumberButtons(GroupKind kind, int total);
    void numberPressed(int index);
    void ShowQuestion(int from, int to);
    void showStatus(const QuestionRecord& row);
    void previousQuestion();
    void nextQuestion();
    void previousGroup();
    void nextGroup();
    void startTimeLimit(int type);

    void finishClicked();
    void answerClicked();
    void noteClicked();
    void pointsClicked();
    void discardClicked();
    void settingsClicked();

    bool inGroupShown(int recNo) const;
    int buttonIndexOf(int recNo) const;
    QPixmap releasedFaceOf(const QuestionRecord& row) const;
    QPixmap pressedFaceOf(const QuestionRecord& row) const;
    QuestionRecord* currentRecord();
    template <class Work> void guarded(Work&& work);

    AppContext& m_ctx;
    Variant m_variant;
    PracticeSet m_set;
    AnswerRecorder m_recorder;
    ButtonFaces m_faces;
    bool m_fatal = false;
    bool m_opened = false;
    bool m_finished = false;

    int m_currentRecNo = 0;
    int m_groupStart = 1;
    int m_groupCount = 0;
    int m_groupShown = 1;
    int m_groups = 0;
    std::array<int, GroupSize> m_buttonRecord{};

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
    QButtonGroup* m_numberGroup = nullptr;
    std::array<FaceButton*, GroupSize> m_numbers{};
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
    QDateTime m_runStart;
};
