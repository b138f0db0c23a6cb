#pragma once

#include <QAbstractButton>

// One entry of the menu player: a painted button that carries its command
// word, takes keyboard focus and is named by its caption.
class MenuEntry final : public QAbstractButton
{
    Q_OBJECT

public:
    enum class Kind
    {
        Group,
        Footer
    };

    MenuEntry(const QString& caption, const QString& command, Kind kind, QWidget* parent = nullptr);

    const QString& command() const { return m_command; }
    Kind kind() const { return m_kind; }
    // Position in the menu's grid: column = group (-1 for the footer), row = place in it.
    void setGridPosition(int column, int row)
    {
        m_column = column;
        m_row = row;
    }
    int column() const { return m_column; }
    int row() const { return m_row; }

    QSize sizeHint() const override;

Q_SIGNALS:
    // An arrow key: move the focus by columns (dx) or rows (dy).
    void navigate(int dx, int dy);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString m_command;
    Kind m_kind;
    int m_column = 0;
    int m_row = 0;
};
