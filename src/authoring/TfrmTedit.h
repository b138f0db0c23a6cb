#pragma once

#include "ui/FramelessDialog.h"

#include <QVector>

class AppContext;
class PointListWidget;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class RichTextEditor;
struct QuestionRecord;

// Question editing "试题修改": the question shown in practice, its texts,
// answer, type and points. Saving writes everything in one transaction and
// closes; "取消" closes without writing.
class TfrmTedit : public FramelessDialog
{
    Q_OBJECT

public:
    // Reads the question's texts, types and points; a database failure is thrown as StoreError.
    TfrmTedit(AppContext& ctx, QuestionRecord& question, QWidget* parent = nullptr);

    // "保存": accepted when written; on a failure the window stays with the edits in it.
    void save();
    void addPoints();

    RichTextEditor* stemEditor() const { return m_stem; }
    RichTextEditor* sharedStemEditor() const { return m_sharedStem; }
    RichTextEditor* explanationEditor() const { return m_explanation; }
    PointListWidget* points() const { return m_points; }

private:
    struct TypeRow
    {
        int A1 = 0;
        QString B1;
    };

    void buildWindow();
    void loadQuestion();
    void loadTypes();
    void applyTypeRule();

    AppContext& m_ctx;
    QuestionRecord& m_question;
    QVector<TypeRow> m_types;

    QLabel* m_sharedStemCaption = nullptr;
    RichTextEditor* m_sharedStem = nullptr;
    RichTextEditor* m_stem = nullptr;
    RichTextEditor* m_explanation = nullptr;
    QSpinBox* m_optionCount = nullptr;
    QLineEdit* m_answer = nullptr;
    QComboBox* m_typeList = nullptr;
    PointListWidget* m_points = nullptr;
};
