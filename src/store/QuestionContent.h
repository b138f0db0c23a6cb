#pragma once

#include <QString>

#include <optional>

class TDM1;

// The texts shown with a question: its stem and explanation (tab_exer) and the
// shared stem of a case (tab_title). Stored texts are Qt HTML, plain text or nothing.
class QuestionContent
{
public:
    explicit QuestionContent(TDM1& dm);

    // The question's own stem A15; nothing when the question has no content row.
    std::optional<QString> stem(const QString& key);
    // The shared stem A15 of tab_title; nothing when there is no such row.
    std::optional<QString> sharedStem(const QString& stemKey);
    // The explanation jx of a question in tab_exer or a paper table; empty when there is none.
    QString explanation(const QString& key, const QString& table = QStringLiteral("tab_exer"));

private:
    std::optional<QString> firstText(const QString& sql, const QString& key);

    TDM1& m_dm;
};
