#pragma once

#include "store/CatalogueTable.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class QSplitter;
class QTextEdit;

// The point pane the catalogue puts in place of its grid when a node is opened:
// the node's points on the left, the selected point's text on the right over a
// note bar with its question counters. Entry i of the list belongs to point i of
// the rows the catalogue gave it. The pane enables the catalogue's "练习(&P)".
class TfrmLawDetail : public QWidget
{
    Q_OBJECT

public:
    using Point = CatalogueTable::Point;

    TfrmLawDetail(QPushButton* practiceButton, bool compact, QWidget* parent = nullptr);

    // "sn" without trailing blanks, then "(q)" when the point has questions.
    static QString entryText(const Point& point);
    static QString counterLine(const CatalogueTable::Counters& counters);
    static QString noQuestionNote();

    // Fills the list from rows and selects entry row (the first when out of range).
    void setPoints(const QVector<Point>& rows, int row = 0);
    const QVector<Point>& points() const { return m_rows; }
    // The point of the selected entry; nullptr when none is selected.
    const Point* selectedPoint() const;
    int selectedRow() const;
    QString selectedEntry() const;

    // The selection step: the selected point's text, the note bar and "练习(&P)".
    void selectionStep();

    QListWidget* list() const { return m_list; }
    QTextEdit* text() const { return m_text; }
    QLabel* note() const { return m_note; }
    QSplitter* divider() const { return m_divider; }

private:
    QPushButton* m_practice;
    QVector<Point> m_rows;
    QListWidget* m_list = nullptr;
    QTextEdit* m_text = nullptr;
    QLabel* m_note = nullptr;
    QSplitter* m_divider = nullptr;
};
