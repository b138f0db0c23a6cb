#pragma once

#include "store/QuestionEntry.h"

#include "ui/FramelessDialog.h"

#include <QVector>

class AppContext;
class PointListWidget;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class RichTextEditor;

// Question entry "试题录入": the user's own questions for one leaf chapter, one
// after another. Each save is one transaction; the window then empties for the next.
class TFrmInPut : public FramelessDialog
{
    Q_OBJECT

public:
    // Reads the type table of CurrentSubject; a database failure is thrown as StoreError.
    TFrmInPut(AppContext& ctx, const QString& chapterCode, QWidget* parent = nullptr);

    void setCaptionText(const QString& caption);
    // The questions saved since the window opened.
    int savedCount() const { return m_savedCount; }

    // "保存", "清除", "添加考点".
    void save();
    void clearForm();
    void addPoints();

    RichTextEditor* stemEditor() const { return m_stem; }
    RichTextEditor* explanationEditor() const { return m_explanation; }
    PointListWidget* points() const { return m_points; }

private:
    void buildWindow();
    void loadTypes();
    void selectFirstType();
    void typeChanged(int index);
    void setAnswerFieldsEnabled(bool enabled);
    void showInstructions();
    void openSettings();
    void closeWindow();
    bool validate();
    void tell(const QString& text, QWidget* focus);

    AppContext& m_ctx;
    QString m_chapterCode;
    QuestionEntry m_entry;
    QVector<QuestionEntry::Type> m_types;
    int m_savedCount = 0;
    bool m_selectingType = false;

    QLabel* m_caption = nullptr;
    RichTextEditor* m_stem = nullptr;
    RichTextEditor* m_explanation = nullptr;
    QSpinBox* m_optionCount = nullptr;
    QLineEdit* m_answer = nullptr;
    QComboBox* m_typeList = nullptr;
    PointListWidget* m_points = nullptr;
};
