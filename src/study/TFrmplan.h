#pragma once

#include "ui/FramelessDialog.h"

#include <QDate>

#include <optional>

class AppContext;
class QButtonGroup;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The study plan: the examination date with its countdown and the daily plan,
// by answers or by minutes, kept in the settings record.
class TFrmplan : public FramelessDialog
{
    Q_OBJECT

public:
    explicit TFrmplan(AppContext& ctx, QWidget* parent = nullptr);

    bool isEditing() const { return m_editing; }
    // Days from today to the examination; none when the date is not a date.
    static std::optional<qint64> daysLeft(const QDate& today, const QDate& examDate);
    // The date of a stored or entered date text (YYYY-MM-DD, a time of day ignored).
    static QDate parseDate(const QString& text);

public Q_SLOTS:
    void SeSkinRadioGroup1Click(int index);
    void SpeedButton1Click();

private:
    void buildControls();
    void placePlanBoxes();
    void FormShow();
    void showCountdown(std::optional<qint64> days);
    void setDateBox(const QDate& date);
    QDate enteredDate() const;
    void enterViewMode();
    void enableChosenBox();
    int chosenItem() const;
    void savePlan(const QDate& examDate);

    AppContext& m_ctx;
    bool m_editing = false;
    int m_storedPlanMark = 0;
    QLabel* m_countdownCaption = nullptr;
    QLabel* m_dayCount = nullptr;
    QLabel* m_dayUnit = nullptr;
    QDateEdit* m_dateBox = nullptr;
    QGroupBox* m_planGroup = nullptr;
    QButtonGroup* m_planChoice = nullptr;
    QRadioButton* m_planItems[2] = {nullptr, nullptr};
    QLineEdit* m_amountBox = nullptr;
    QLineEdit* m_minutesBox = nullptr;
    QPushButton* m_modeButton = nullptr;
    QPushButton* m_closeButton = nullptr;
};
