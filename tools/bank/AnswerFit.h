#pragma once

#include "store/AnswerPage.h"

#include <QString>
#include <QStringList>

// Whether a source answer fits the page its type is answered on and the
// question's options, and how many options the question record declares.
class AnswerFit
{
public:
    AnswerFit(AnswerPage page, const QStringList& options, bool hasOptions);

    // Empty when the answer fits, else what is wrong with it.
    QString problem(const QString& answer) const;
    // A2_1: the options of a choice question, 2 for true/false, 1 otherwise.
    int optionCount() const;

    static constexpr int MinOptions = 2;
    static constexpr int MaxOptions = 6;

private:
    bool takesOptions() const;
    QString optionsProblem() const;
    QString lettersProblem(const QString& answer, int minimum) const;

    AnswerPage m_page;
    QStringList m_options;
    bool m_hasOptions;
};
