#pragma once

#include "ExamClock.h"

#include "store/QuestionRecord.h"
#include "ui/FramelessDialog.h"

#include <QTimer>
#include <QVector>

class AppContext;
class FaceButton;
class NumberBoard;
class PausePanel;
class QLabel;
class QPushButton;
class QStackedWidget;
class QuestionView;

// The exam window: one paper answered against the clock ("new") or a marked
// paper inspected ("old"). The same window goes from "new" to "old" when its
// paper is marked.
class TFrmExam : public FramelessDialog
{
    Q_OBJECT

public:
    static constexpr int QuestionButtons = 100;
    static constexpr int SaveElapsedEverySeconds = 30;

    // Throws MissingPicture when one of the seven faces cannot be read.
    explicit TFrmExam(AppContext& ctx, QWidget* parent = nullptr);

    void PreparePaper(const QString& table, const QString& title, const QString& mode, double score,
                      const QString& timeUsed);
    // A resumed paper's clock starts where it was left.
    void setResumedSeconds(qint64 seconds) { m_resumedSeconds = seconds; }
    // Reads the paper's rows; throws a StoreError "无法打开试卷！" when it has none.
    bool OpenPaper();

    const QString& ExamMode() const { return m_mode; }
    double PaperScore() const { return m_score; }
    const QString& TimeUsed() const { return m_timeUsed; }
    bool BelowLeastMark() const { return m_belowLeastMark; }
    int currentQuestion() const { return m_current; }
    const QVector<QuestionRecord>& rows() const { return m_rows; }
    QuestionView* questionView() const { return m_view; }
    FaceButton* questionButton(int index) const;
    QPixmap face(const QString& file) const;
    qint64 elapsedSeconds() const { return m_clock.elapsedSeconds(); }
    bool paused() const;
    PausePanel* pausePanel() const { return m_pause; }

    // The one-second tick, callable directly.
    void clockTick();
    // "交卷" and "关闭".
    void handIn();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* makeButton(const QString& caption, const QString& name);
    void buildWindow();
    QWidget* buildHintBoard();
    QWidget* buildButtonRow();

    void showMode();
    void FillQuestionButtons();
    void questionPressed(int index);
    void showStatus(const QuestionRecord& row);
    void RestoreExamAnswer(const QuestionRecord& row);
    bool RecordExamAnswer(int question, bool keepFace);
    void ShowExamStem(const QString& key);
    QuestionRecord* currentRow();

    void pauseClicked();
    void explanationClicked();
    void noteClicked();
    void answerClicked();
    void pointsClicked();
    void settingsClicked();
    void discardClicked();

    void timeOut();
    void MarkPaper(const QString& elapsed);
    void backUpAfterRun();
    void dropAndClose();
    void continueExam();
    void saveElapsed();
    template <class Work> bool guarded(Work&& work);

    AppContext& m_ctx;
    QString m_table;
    QString m_title;
    QString m_mode;
    double m_score = 0;
    QString m_timeUsed;
    bool m_belowLeastMark = false;
    qint64 m_resumedSeconds = 0;
    QVector<QuestionRecord> m_rows;
    int m_current = 0;     // question shown, 1-based; 0 before the first
    bool m_ending = false; // hand-in question or time-out in progress
    bool m_wasPrevious = false;
    bool m_wasNext = false;
    ExamClock m_clock;
    QTimer m_tick;
    qint64 m_lastSaved = 0;

    QLabel* m_titleLine = nullptr;
    QLabel* m_questionLine = nullptr;
    QLabel* m_typeLabel = nullptr;
    QLabel* m_status = nullptr;
    QuestionView* m_view = nullptr;
    PausePanel* m_pause = nullptr;
    NumberBoard* m_board = nullptr;
    QStackedWidget* m_timePages = nullptr;
    QLabel* m_clockLabel = nullptr;
    QLabel* m_timeUsedLabel = nullptr;
    QLabel* m_scoreLabel = nullptr;
    QPushButton* m_previous = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_handIn = nullptr;
    QPushButton* m_close = nullptr;
    QPushButton* m_explanation = nullptr;
    QPushButton* m_note = nullptr;
    QPushButton* m_answer = nullptr;
    QPushButton* m_points = nullptr;
    QPushButton* m_discard = nullptr;
    QPushButton* m_export = nullptr;
    QPushButton* m_settings = nullptr;
    QPushButton* m_desktop = nullptr;
    QPushButton* m_pauseButton = nullptr;
};
