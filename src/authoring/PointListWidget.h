#pragma once

#include <QListWidget>
#include <QStringList>

// The points attached to a question: the texts shown and, at the same index,
// the point codes. The Delete key removes the selected entry and its code.
class PointListWidget : public QListWidget
{
    Q_OBJECT

public:
    explicit PointListWidget(QWidget* parent = nullptr);

    QStringList codes() const;
    QStringList labels() const;
    bool holds(const QString& code) const;
    void append(const QString& code, const QString& label);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
