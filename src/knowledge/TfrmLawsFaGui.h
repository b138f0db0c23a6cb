#pragma once

#include "store/CatalogueTable.h"

#include "ui/FramelessDialog.h"

#include <QStringList>
#include <QVector>

class AppContext;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QVBoxLayout;
class TfrmLawDetail;

// The knowledge-point catalogue "考点目录": every catalogue node with its
// question counters, found by name; an opened node shows its points in the
// point pane, narrowed to its key points on request, and one point's questions
// are practised in the knowledge-point practice window.
class TfrmLawsFaGui : public FramelessDialog
{
    Q_OBJECT

public:
    static constexpr int CounterWidth = 9;

    explicit TfrmLawsFaGui(AppContext& ctx, QWidget* parent = nullptr);

    // A counter as the grid shows it: right-aligned in nine characters.
    static QString paddedCounter(int value);
    // A list entry up to its first "(", the whole entry without one.
    static QString headingOf(const QString& entry);

    // Reads every node again; the grid stays as it is when there are none. Thrown as StoreError.
    void loadCatalogue();
    // "检索(&F)": the first node, from the top, whose name holds the box's text.
    void search();
    // "选定(&S)": opens the node of the current row.
    void openNode();
    // "重点(&M)" / "全部(&A)".
    void toggleKeyPoints();
    // "练习(&P)": practises the selected point.
    void practisePoint();
    // "返回(&B)": back to the catalogue, with the counters read again.
    void goBack();

    QTableWidget* grid() const { return m_grid; }
    TfrmLawDetail* pane() const { return m_pane; }
    QLabel* titleLine() const { return m_title; }
    const QStringList& nodeCodes() const { return m_codes; }
    int keyPointThreshold() const { return m_threshold; }
    int keyPointState() const { return m_keyState; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* makeButton(const QString& caption, const QString& name);
    QWidget* buildButtonRow();
    void applyGridLayout();
    void showCatalogueView(bool catalogue);
    void applyKeyPointState(int state);
    QVector<CatalogueTable::Point> shownPoints() const;
    // False when the program is ending and the catalogue has closed.
    bool runPractice(const QString& pointCode, const QString& heading);
    void reloadPoints();
    template <class Work> void guarded(Work&& work);

    AppContext& m_ctx;
    CatalogueTable m_catalogue;
    QLabel* m_title = nullptr;
    QVBoxLayout* m_frame = nullptr;
    QTableWidget* m_grid = nullptr;
    TfrmLawDetail* m_pane = nullptr;
    QLineEdit* m_searchBox = nullptr;
    QPushButton* m_search = nullptr;
    QPushButton* m_select = nullptr;
    QPushButton* m_keyPoints = nullptr;
    QPushButton* m_practice = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_exit = nullptr;

    QStringList m_codes;
    QString m_nodeCode;
    QVector<CatalogueTable::Point> m_allPoints;
    int m_threshold = 1;
    int m_keyState = 0;
    bool m_layoutApplied = false;
};
