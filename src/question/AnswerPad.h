#pragma once

#include "store/AnswerPage.h"

#include <QString>
#include <QWidget>

#include <array>

class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

// The answer area of a question: six pages, one visible at a time, and the
// answer text each one reads and shows ("单选" one letter, "多选" and "配伍"
// letters in order A..F, "填空" trimmed text, "判断" "A"/"B", "主观" "0"/"1").
class AnswerPad : public QWidget
{
    Q_OBJECT

public:
    // Page indices, in the order of the bank's answer pages.
    static constexpr int Single = int(AnswerPage::Single);
    static constexpr int Multiple = int(AnswerPage::Multiple);
    static constexpr int FillIn = int(AnswerPage::FillIn);
    static constexpr int TrueFalse = int(AnswerPage::TrueFalse);
    static constexpr int Subjective = int(AnswerPage::Subjective);
    static constexpr int Matching = int(AnswerPage::Matching);
    static constexpr int PageCount = 6;
    static constexpr int OptionCount = 6;

    explicit AnswerPad(QWidget* parent = nullptr);

    // A value that is not a page index leaves the page shown.
    void setPage(int page);
    int page() const;
    static bool isPage(int page) { return page >= 0 && page < PageCount; }

    // The answer read from a page's controls; empty for a value that is not a page index.
    QString answer(int page) const;
    QString answer() const { return answer(page()); }
    // Sets a page's controls from an answer; options beyond optionCount are hidden and released.
    void setAnswer(int page, const QString& answer, int optionCount);
    // The answer as the verdict panel shows it: "对"/"错" on "判断", "会"/"不会" on "主观".
    static QString shownAnswer(int page, const QString& answer);

    // The vertical label of the "主观" page (the first two characters of a type name).
    void setSubjectiveLabel(const QString& label);
    QString subjectiveLabel() const;
    // The hint of a page, shown while the mouse is over the answer area.
    static QString hintOfPage(int page);

    // Keys A..F: "单选" presses the option, "多选" toggles it; false when the key did
    // nothing, as on a disabled pad.
    bool pressLetter(int key);

    QAbstractButton* option(int page, int index) const;
    QAbstractButton* trueButton() const;
    QAbstractButton* falseButton() const;
    QLineEdit* fillInField() const { return m_fillIn; }
    QComboBox* subjectiveChoice() const { return m_subjective; }

    // The compact layout uses smaller option buttons.
    void setCompact(bool compact);

private:
    using Options = std::array<QPushButton*, OptionCount>;

    QWidget* makeOptionPage(int page, const QString& verticalLabel, bool exclusive);
    QWidget* makeFillInPage();
    QWidget* makeTrueFalsePage();
    QWidget* makeSubjectivePage();
    QWidget* framePage(int page, const QString& verticalLabel, QWidget* controls);
    const Options* optionsOf(int page) const;
    static QString letters(const Options& options);
    static QString vertical(const QString& text);

    QStackedWidget* m_pages = nullptr;
    std::array<Options, PageCount> m_options{};
    QLineEdit* m_fillIn = nullptr;
    QPushButton* m_true = nullptr;
    QPushButton* m_false = nullptr;
    QComboBox* m_subjective = nullptr;
    QLabel* m_subjectiveLabel = nullptr;
};
