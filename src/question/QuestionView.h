#pragma once

#include <QString>
#include <QWidget>

#include <optional>

class AnswerPad;
class Prompts;
class QAbstractButton;
class QKeyEvent;
class QSplitter;
class QTextEdit;
class TDM1;
class VerdictPanel;

// The presentation of one question, shared by the practice, knowledge-point
// practice and exam windows: the stem panes (a shared stem above the question's
// own one, with a draggable splitter), the answer pad and the sliding answer panel.
class QuestionView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int SharedStemPaneHeight = 150;
    static constexpr int SplitterHandleHeight = 6;

    explicit QuestionView(QWidget* parent = nullptr);

    AnswerPad* pad() const { return m_pad; }
    QTextEdit* upperStem() const { return m_upper; }
    QTextEdit* lowerStem() const { return m_lower; }
    QSplitter* splitter() const { return m_splitter; }
    QWidget* stemArea() const { return m_stemArea; }
    VerdictPanel* verdictPanel() const { return m_verdict; }

    void setCompact(bool compact);

    // ShowStem: a key with "-" shows the shared stem (tab_title, the key's first 16
    // characters) above the question's own stem; otherwise only the own stem.
    // A database failure shows "无法打开试题！" and leaves the panes empty.
    void ShowStem(TDM1& dm, Prompts& prompts, const QString& key);
    // The panes for an own stem and, when there is one, a shared stem.
    void showStems(const QString& ownStem, const std::optional<QString>& sharedStem);
    void collapseLowerPane();
    bool lowerPaneCollapsed() const;
    int lowerPaneHeight() const;
    int splitterHandleHeight() const;

    // The answer panel: the verdict texts, sliding open over the stem area and closed again.
    void setVerdict(const QString& heading, const QString& mine, const QString& correct);
    // "恭喜你，做对了！" when mine equals correct exactly, else "很遗憾，做错了，请继续努力！".
    static QString verdictHeading(const QString& mine, const QString& correct);
    // The window's "答案" button, which reads "返回" while the panel is open.
    void setAnswerButton(QAbstractButton* button);
    // "答案": opens the verdict on the pad's answer against correct, or closes it when open.
    void toggleVerdict(const QString& correct);
    void slideVerdict(bool open);
    void closeVerdictAtOnce();
    bool verdictOpen() const { return m_verdictOpen; }
    int verdictWidth() const;

    // The keyboard of the answer area, active on "单选" and "多选" while no text pane
    // or field holds the focus: Backspace and Enter press previous / next when they
    // are enabled, A..F choose options unless Ctrl or Alt is held or the pad is
    // disabled. True when the key was used.
    bool handleKey(const QKeyEvent& event, QAbstractButton* previous, QAbstractButton* next);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void expandLowerPane();
    void setVerdictWidth(int width);

    QWidget* m_stemArea = nullptr;
    QSplitter* m_splitter = nullptr;
    QTextEdit* m_upper = nullptr;
    QTextEdit* m_lower = nullptr;
    QWidget* m_verdictClip = nullptr;
    VerdictPanel* m_verdict = nullptr;
    AnswerPad* m_pad = nullptr;
    QAbstractButton* m_answerButton = nullptr;
    bool m_verdictOpen = false;
};
