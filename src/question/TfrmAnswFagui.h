#pragma once

#include "store/KnowledgePoints.h"
#include "ui/FramelessDialog.h"

#include <QStringList>
#include <QVector>

class AppContext;
class QLabel;
class QListWidget;
class QTextEdit;

// The related knowledge points "相关考点" of one question: the points its
// K3..K12 cite, listed on the left, the selected point's text on the right and
// its catalogue node in the title line.
class TfrmAnswFagui : public FramelessDialog
{
    Q_OBJECT

public:
    explicit TfrmAnswFagui(AppContext& ctx, QWidget* parent = nullptr);

    // Reads the question's point codes (empty columns skipped, gaps included);
    // true when it cites at least one. A database failure is reported and answers false.
    bool Load(const QString& questionKey);
    const QStringList& pointCodes() const { return m_codes; }

    QLabel* titleLine() const { return m_title; }
    QListWidget* pointList() const { return m_list; }
    QTextEdit* pointText() const { return m_text; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fill();
    void showPoint(int row);

    AppContext& m_ctx;
    QLabel* m_title = nullptr;
    QListWidget* m_list = nullptr;
    QTextEdit* m_text = nullptr;
    QStringList m_codes;
    QVector<KnowledgePoints::Point> m_points;
    bool m_filled = false;
};
