#pragma once

#include <QDialog>

class AppContext;
class BusyCursor;
class QTextEdit;

// The explanation viewer "解析": the explanation jx of one question, read-only.
class TFrmJx : public QDialog
{
    Q_OBJECT

public:
    explicit TFrmJx(AppContext& ctx, QWidget* parent = nullptr);

    void setExplanation(const QString& stored);
    // Reads jx of the question from tab_exer or a paper table; a failure leaves the pane empty.
    void bindExplanation(const QString& key, const QString& table = QStringLiteral("tab_exer"));
    // The caller's busy cursor, restored when the viewer shows.
    void restoreOnShow(BusyCursor* busy) { m_busy = busy; }
    QTextEdit* pane() const { return m_pane; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    AppContext& m_ctx;
    QTextEdit* m_pane = nullptr;
    BusyCursor* m_busy = nullptr;
};
