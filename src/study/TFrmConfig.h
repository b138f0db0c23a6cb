#pragma once

#include "ui/FramelessDialog.h"

#include <QVector>

class AppContext;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QScrollArea;
class ToggleSwitch;

// The system settings. Music mode (SettingsMode 0) switches the background
// music and picks the tune; answer-time mode (SettingsMode 1) edits the
// practice answer time of every question type of the current subject.
class TFrmConfig : public FramelessDialog
{
    Q_OBJECT

public:
    explicit TFrmConfig(AppContext& ctx, QWidget* parent = nullptr);

    // The settings window in music mode, owned by owner, shown modally.
    static void openMusicSettings(AppContext& ctx, QWidget* owner);

    // Only the answer-time list and the close button: the face of "sztime".
    void applyAnswerTimeLayout();

    bool isAnswerTimeMode() const { return m_answerTimeMode; }
    // Designed sizes are scaled by this so that the window font fits.
    static int scaled(int designed);

public Q_SLOTS:
    void RxSwitch1On();
    void RxSwitch1Off();
    void FlatComboBox1Change(int index);
    void epFocusButton3Click();
    void restoreBackupClick();
    void done(int result) override;

protected:
    void escapePressed() override { epFocusButton3Click(); }

private:
    void buildMusicPart();
    void buildAnswerTimePart();
    void placeMusicLayout();
    void FormShow();
    void buildAnswerTimeList();
    void saveAnswerTimes();
    void playTune(bool on);

    AppContext& m_ctx;
    bool m_answerTimeMode = false;
    bool m_closed = false;
    bool m_typesRead = false;
    int m_typeCount = 0;
    QLabel* m_musicCaption = nullptr;
    ToggleSwitch* m_musicSwitch = nullptr;
    QLabel* m_tuneCaption = nullptr;
    QComboBox* m_tuneList = nullptr;
    QLabel* m_answerTimeCaption = nullptr;
    QScrollArea* m_answerTimeList = nullptr;
    QVector<QDoubleSpinBox*> m_timeBoxes;
    QPushButton* m_closeButton = nullptr;
    QPushButton* m_restoreButton = nullptr;
};
