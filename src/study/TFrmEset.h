#pragma once

#include "ui/FramelessDialog.h"

class AppContext;
class QCheckBox;
class QLineEdit;
class QPushButton;

// The mock-exam settings: the lowest score at which a marked paper is kept and
// the exam time limit, kept in the settings record.
class TFrmEset : public FramelessDialog
{
    Q_OBJECT

public:
    explicit TFrmEset(AppContext& ctx, QWidget* parent = nullptr);

public Q_SLOTS:
    void suiCheckBox1Click();
    void suiButton1Click();
    void suiNumberEdit1Change();
    void suiButton2Click();
    void done(int result) override;

protected:
    void escapePressed() override { suiButton2Click(); }

private:
    void save();
    void buildControls();
    void FormShow();
    int totalPaperScore();

    AppContext& m_ctx;
    bool m_checkingScore = false;
    QLineEdit* m_scoreBox = nullptr;
    QLineEdit* m_minutesBox = nullptr;
    QCheckBox* m_scoreCheck = nullptr;
    QCheckBox* m_minutesCheck = nullptr;
    QPushButton* m_defaultButton = nullptr;
    QPushButton* m_closeButton = nullptr;
};
