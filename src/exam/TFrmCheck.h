#pragma once

#include "store/PaperList.h"
#include "ui/FramelessDialog.h"

class AppContext;
class QLabel;
class QPushButton;
class QTableWidget;

// The paper list "查阅试卷": the kept papers newest first with their summary;
// a paper opens for inspection in the exam window.
class TFrmCheck : public FramelessDialog
{
    Q_OBJECT

public:
    explicit TFrmCheck(AppContext& ctx, QWidget* parent = nullptr);

    QTableWidget* grid() const { return m_grid; }
    // The list and its numbers as tab_cj holds them now.
    void refresh();
    void openSelected();
    void deleteSelected();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* numberPanel(const QString& name);
    const PaperList::Row* selectedRow() const;

    AppContext& m_ctx;
    QVector<PaperList::Row> m_papers;
    QTableWidget* m_grid = nullptr;
    QLabel* m_count = nullptr;
    QLabel* m_passed = nullptr;
    QLabel* m_average = nullptr;
    QLabel* m_tip = nullptr;
};
