#pragma once

#include "ui/FramelessDialog.h"

#include <memory>

class AppContext;
class BarChartCanvas;
class ChartCanvas;
class FileDialogs;
class PieChartCanvas;
class Printers;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QStackedWidget;
class StudyCurveCanvas;

// The statistics chart: the chapters' question distribution, answer frequency
// and progress, and the study curve of the last days, one chart at a time, to
// look at, print or save as a picture. It only reads.
class Tfrmchart : public FramelessDialog
{
    Q_OBJECT

public:
    // The items of "统计图类型", in their order.
    enum ChartType
    {
        Distribution = 0,
        Frequency = 1,
        Progress = 2,
        Curve = 3
    };

    Tfrmchart(AppContext& ctx, std::unique_ptr<Printers> printers, std::unique_ptr<FileDialogs> files,
              QWidget* parent = nullptr);
    ~Tfrmchart() override;

    ChartCanvas* shownChart() const;
    ChartCanvas* chart(ChartType type) const;
    bool isCompact() const { return m_compact; }

    // Trunc(done / questions x 100): the progress of a chapter with questions.
    static int progressOf(qint64 done, qint64 questions);

public Q_SLOTS:
    void RadioGroup1Click(int item);
    void RadioGroup2Click(int item);
    void CheckBox1Click();
    void CheckBox2Click();
    void CheckBox3Click();
    void SettingsButtonClick();
    void PrintButtonClick();
    void SaveButtonClick();

private:
    void buildControls();
    QGroupBox* radioGroup(const QString& title, const QString& name, const QStringList& items,
                          QButtonGroup** group);
    QCheckBox* styleBox(QGroupBox* box, const QString& text, const QString& name);
    void FormShow();
    void loadChapters();
    void loadCurve();
    void showTotal();
    void placeControls();
    void placeTotal(int top);
    int totalTop() const;

    AppContext& m_ctx;
    std::unique_ptr<Printers> m_printers;
    std::unique_ptr<FileDialogs> m_files;
    bool m_compact = false;

    QLabel* m_title = nullptr;
    QStackedWidget* m_pages = nullptr;
    PieChartCanvas* m_distribution = nullptr;
    BarChartCanvas* m_frequency = nullptr;
    BarChartCanvas* m_progress = nullptr;
    StudyCurveCanvas* m_curve = nullptr;
    QLabel* m_totalCaption = nullptr;
    QLabel* m_totalValue = nullptr;
    QGroupBox* m_typeBox = nullptr;
    QGroupBox* m_legendBox = nullptr;
    QGroupBox* m_styleBox = nullptr;
    QButtonGroup* m_types = nullptr;
    QButtonGroup* m_legendSides = nullptr;
    QCheckBox* m_threeD = nullptr;
    QCheckBox* m_showLegend = nullptr;
    QCheckBox* m_showMarks = nullptr;
    QPushButton* m_settingsButton = nullptr;
    QPushButton* m_printButton = nullptr;
    QPushButton* m_saveButton = nullptr;
    QPushButton* m_closeButton = nullptr;
};
