#pragma once

#include "store/QuestionSearch.h"

#include "ui/FramelessDialog.h"

class AppContext;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// "查找题目": the questions of the whole bank whose stem, options, shared stem
// or explanation hold a phrase, best first, each with its chapter and the start
// of its stem; "练习" practises the hits as one set.
class TFrmSearch : public FramelessDialog
{
    Q_OBJECT

public:
    TFrmSearch(AppContext& ctx, const QString& text, QWidget* parent = nullptr);

    // Searches for the text in the box and lists the hits.
    void find();
    // Practises the hits in the practice window, in the order listed.
    void practiseHits();

    const QVector<QuestionSearch::Hit>& hits() const { return m_hits; }
    QTreeWidget* hitList() const { return m_list; }
    QLabel* summary() const { return m_summary; }

private:
    AppContext& m_ctx;
    QuestionSearch m_search;
    QVector<QuestionSearch::Hit> m_hits;
    QString m_found; // the text the hits were found for
    QLineEdit* m_text = nullptr;
    QLabel* m_summary = nullptr;
    QTreeWidget* m_list = nullptr;
    QPushButton* m_practice = nullptr;
};
