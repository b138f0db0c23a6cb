#include "TFrmBj.h"

#include "DialogParts.h"
#include "ui/ErrorPrompt.h"

#include "store/QuestionEdits.h"
#include "store/QuestionRecord.h"
#include "ui/AppContext.h"
#include "ui/WindowPlacement.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

TFrmBj::TFrmBj(AppContext& ctx, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_ctx(ctx)
{
    setWindowTitle(u"笔记"_s);
    m_editor = new QPlainTextEdit(this);
    m_editor->setObjectName(u"noteText"_s);
    m_editor->setAccessibleName(u"笔记"_s);
    m_editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont noteFont = m_editor->font();
    noteFont.setPointSize(11);
    m_editor->setFont(noteFont);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(m_editor, 1);
    layout->addLayout(DialogParts::closeButtonRow(this, u"关  闭"_s));
    const bool compact = ctx.isCompactLayout();
    setFixedSize(compact ? QSize(440, 320) : QSize(540, 400));
}

void TFrmBj::bind(QuestionRecord& row, const QString& table)
{
    m_row = &row;
    m_table = table;
    m_editor->setPlainText(row.A14);
}

void TFrmBj::showEvent(QShowEvent* event)
{
    WindowPlacement::centre(*this, m_ctx.services.screen);
    QDialog::showEvent(event);
}

void TFrmBj::done(int result)
{
    store();
    QDialog::done(result);
}

// Closing is never refused: a failed write is reported and the note keeps its stored text.
void TFrmBj::store()
{
    if (m_stored)
        return;
    m_stored = true;
    QString note = m_editor->toPlainText();
    if (m_row) {
        try {
            QuestionEdits(m_ctx.dm).saveNote(*m_row, note, m_table);
        } catch (const std::exception& e) {
            ErrorPrompt::show(m_ctx.services.prompts, e);
        }
        note = m_row->A14;
    }
    m_ctx.NoteHasContent = note.trimmed().isEmpty() ? 0 : 1;
}
