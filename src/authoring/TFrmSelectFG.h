#pragma once

#include "store/PointPicker.h"

#include "ui/FramelessDialog.h"

#include <QStringList>
#include <QVector>

class AppContext;
class QComboBox;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QStackedWidget;

// The knowledge-point picker "欢迎": page 0 chooses a catalogue node and ticks
// points of it; page 1 is the instructions for entering a question.
class TFrmSelectFG : public FramelessDialog
{
    Q_OBJECT

public:
    enum Page
    {
        PickerPage = 0,
        InstructionsPage = 1
    };
    struct Taken
    {
        QString code;
        QString label; // node name + "[" + heading + "]"
    };

    explicit TFrmSelectFG(AppContext& ctx, QWidget* parent = nullptr);

    // Page 0 fills its lists from the catalogue.
    void setPage(int page);
    // 1 from question entry, 2 from editing: the caller's attached codes are
    // ticked when the user changes to a node holding them. Another mode ticks nothing.
    void setPickerMode(int mode, const QStringList& attachedCodes);

    // The points whose hidden tick is set, in list order.
    QVector<Taken> takenPoints() const;
    static QString instructionsText();

    QComboBox* nodeList() const { return m_nodes; }
    QListWidget* pointList() const { return m_points; }
    int visibleTicks() const;
    // "确定": the choice is checked against AttachedPointCount.
    void confirm();

private:
    QWidget* buildPicker();
    QWidget* buildInstructions();
    void fillPoints(const QString& nodeId, bool preTick);
    void nodeChanged(int index);
    void pointTicked(QListWidgetItem* item);

    AppContext& m_ctx;
    PointPicker m_picker;
    QStackedWidget* m_pages = nullptr;
    QComboBox* m_nodes = nullptr;
    QListWidget* m_points = nullptr;
    QVector<PointPicker::Node> m_nodeRows;
    QVector<PointPicker::Point> m_pointRows;
    QVector<bool> m_hiddenTicks;
    int m_mode = 0;
    QStringList m_attached;
    bool m_filling = false;
};
