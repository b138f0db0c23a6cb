#pragma once

#include "BankContent.h"

#include <QSet>
#include <QString>

class BaseBank;

// Checks how the entries of a bank source refer to each other (and, for an
// upgrade, to the bank it will be merged into) before anything is written.
// The first fault found is thrown as a StoreError naming the file and entry.
class BankChecker
{
public:
    enum class Target
    {
        Bank,
        Upgrade
    };

    BankChecker(const BankContent& content, Target target, const BaseBank* base = nullptr);
    void check();

private:
    void checkHeader() const;
    void checkTypes();
    void checkChapters();
    void checkCatalogue();
    void checkPoints();
    void checkStems();
    void checkQuestions();
    void checkQuestionKey(const BankContent::Question& question);
    void checkQuestionChapter(const BankContent::Question& question) const;
    void checkQuestionType(const BankContent::Question& question) const;
    void checkQuestionPoints(const BankContent::Question& question) const;

    bool inBase(const QSet<QString>& (BaseBank::*codes)() const, const QString& code) const;
    // Adds a code to the codes seen so far; refuses one seen before in the source or the base bank.
    void claim(QSet<QString>& seen, const QSet<QString>& (BaseBank::*codes)() const, const QString& code,
               const BankContent::Place& place, const QString& what);

    const BankContent& m_content;
    Target m_target;
    const BaseBank* m_base;
    QSet<QString> m_chapters;
    QSet<QString> m_nodes;
    QSet<QString> m_points;
    QSet<QString> m_stems;
    QSet<QString> m_questions;
    QSet<int> m_types;
};
