#pragma once

#include "ui/FramelessDialog.h"

class AppContext;
class QLabel;
class QPushButton;
class QStandardItemModel;
class QTableView;

// The study log: one row per day with activity, newest first, and the totals
// over all days. It only reads the log.
class TFrmRz : public FramelessDialog
{
    Q_OBJECT

public:
    explicit TFrmRz(AppContext& ctx, QWidget* parent = nullptr);

    // The small window on a screen 800 wide, and on any screen too small for the large one.
    static bool usesCompactLayout(const QSize& screen);
    bool isCompact() const { return m_compact; }

public Q_SLOTS:
    void SettingsButtonClick();

private:
    void buildControls();
    void FormCreate();
    void FormShow();
    void placeTotals(int left, int width, const int captionTops[3], const int valueTops[3]);
    void fillGrid();
    void showTotals();

    AppContext& m_ctx;
    bool m_compact = false;
    QLabel* m_title = nullptr;
    QTableView* m_grid = nullptr;
    QStandardItemModel* m_model = nullptr;
    QLabel* m_totalCaptions[3] = {nullptr, nullptr, nullptr};
    QLabel* m_totalValues[3] = {nullptr, nullptr, nullptr};
    QPushButton* m_settingsButton = nullptr;
    QPushButton* m_closeButton = nullptr;
};
