#pragma once

#include "store/PracticeQueries.h"

#include "ui/FramelessDialog.h"

class AppContext;
class ChapterTableModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

// The chapter browser "科目名称": every chapter with its counters, the totals
// board, and the three ways to start a practice run on the selected chapter.
class TFrmkmmc : public FramelessDialog
{
    Q_OBJECT

public:
    explicit TFrmkmmc(AppContext& ctx, QWidget* parent = nullptr);

    // Reads the chapters and totals again and re-selects the chapter last practised.
    void refresh();
    // Starts a run on the selected chapter, as the three buttons and the double-click do.
    void startPractice(PracticeMode mode, bool fromDoubleClick = false);

    QTableView* grid() const { return m_grid; }
    ChapterTableModel* chapters() const { return m_model; }
    const QString& BrowserChapterCode() const { return m_browserChapterCode; }
    // The chapter code of the selected row; empty when none is selected.
    QString selectedCode() const;
    // The search field's text found in the whole bank, listed in TFrmSearch.
    void findQuestions();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildBoard();
    QPushButton* makeButton(const QString& caption, const QString& name);
    QLabel* makeNumberPanel(const QString& name);
    void applyColumnWidths();
    void selectRow(int row);
    void rowChanged();
    // False when the program is ending and the browser has closed.
    bool runPractice(PracticeMode mode, bool fromDoubleClick);
    void showEmptySetMessage(PracticeMode mode, bool fromDoubleClick);
    // "试题录入" for the selected leaf chapter.
    void questionEntry();

    AppContext& m_ctx;
    ChapterTableModel* m_model = nullptr;
    QTableView* m_grid = nullptr;
    QLabel* m_totalQuestions = nullptr;
    QLabel* m_answers = nullptr;
    QLabel* m_wrong = nullptr;
    QLabel* m_score = nullptr;
    QLabel* m_selectedChapter = nullptr;
    QString m_browserChapterCode;
    QLineEdit* m_questionSearch = nullptr;
};
