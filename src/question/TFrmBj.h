#pragma once

#include <QDialog>

class AppContext;
class QPlainTextEdit;
struct QuestionRecord;

// The note editor "笔记": a plain window with the note A14 of one question.
// Closing it, by its button or the close box, stores the note as typed and sets
// NoteHasContent (1 when the note is not blank).
class TFrmBj : public QDialog
{
    Q_OBJECT

public:
    explicit TFrmBj(AppContext& ctx, QWidget* parent = nullptr);

    // The question whose note is edited; table is tab_answ or a paper table.
    void bind(QuestionRecord& row, const QString& table = QStringLiteral("tab_answ"));
    QPlainTextEdit* editor() const { return m_editor; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void store();

    AppContext& m_ctx;
    QPlainTextEdit* m_editor = nullptr;
    QuestionRecord* m_row = nullptr;
    QString m_table;
    bool m_stored = false;
};
