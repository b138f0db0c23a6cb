#pragma once

#include <QFrame>

class QLabel;
class QLineEdit;

// The answer panel that slides over the stem area: the verdict, the user's
// answer and the correct one.
class VerdictPanel : public QFrame
{
    Q_OBJECT

public:
    explicit VerdictPanel(QWidget* parent = nullptr);

    void setVerdict(const QString& heading, const QString& mine, const QString& correct);
    QString heading() const;
    QString mine() const;
    QString correct() const;

private:
    QLabel* m_heading = nullptr;
    QLineEdit* m_mine = nullptr;
    QLineEdit* m_correct = nullptr;
};
