#include "AnswerFit.h"

using namespace Qt::Literals::StringLiterals;

AnswerFit::AnswerFit(AnswerPage page, const QStringList& options, bool hasOptions)
    : m_page(page), m_options(options), m_hasOptions(hasOptions)
{}

bool AnswerFit::takesOptions() const
{
    return m_page == AnswerPage::Single || m_page == AnswerPage::Multiple || m_page == AnswerPage::Matching;
}

int AnswerFit::optionCount() const
{
    if (takesOptions())
        return static_cast<int>(m_options.size());
    return m_page == AnswerPage::TrueFalse ? 2 : 1;
}

QString AnswerFit::optionsProblem() const
{
    if (!takesOptions())
        return m_hasOptions ? u"此题型不带选项 \"options\""_s : QString();
    if (m_options.size() < MinOptions || m_options.size() > MaxOptions)
        return u"选项 \"options\" 应有 %1 到 %2 项，实有 %3 项"_s.arg(MinOptions)
            .arg(MaxOptions)
            .arg(m_options.size());
    for (const QString& option : m_options) {
        if (option.trimmed().isEmpty())
            return u"选项不能为空"_s;
    }
    return {};
}

QString AnswerFit::lettersProblem(const QString& answer, int minimum) const
{
    const QChar last(static_cast<char16_t>(u'A' + m_options.size() - 1));
    QChar previous;
    for (const QChar letter : answer) {
        if (letter < u'A' || letter > last)
            return u"答案 \"%1\" 含有选项 A 到 %2 以外的字母"_s.arg(answer, last);
        if (!previous.isNull() && letter <= previous)
            return u"答案 \"%1\" 的字母应按 A 到 F 的顺序且不重复"_s.arg(answer);
        previous = letter;
    }
    if (answer.size() < minimum)
        return u"答案 \"%1\" 至少应有 %2 个字母"_s.arg(answer).arg(minimum);
    return {};
}

QString AnswerFit::problem(const QString& answer) const
{
    const QString options = optionsProblem();
    if (!options.isEmpty())
        return options;
    switch (m_page) {
    case AnswerPage::Single:
        if (answer.size() != 1)
            return u"单选题的答案应为一个字母，而不是 \"%1\""_s.arg(answer);
        return lettersProblem(answer, 1);
    case AnswerPage::Multiple:
        return lettersProblem(answer, 2);
    case AnswerPage::Matching:
        return lettersProblem(answer, 1);
    case AnswerPage::TrueFalse:
        return answer == u"A"_s || answer == u"B"_s ? QString() : u"判断题的答案应为 \"A\" 或 \"B\""_s;
    case AnswerPage::Subjective:
        return answer == u"1"_s ? QString() : u"主观题的答案应为 \"1\""_s;
    case AnswerPage::FillIn:
        return answer == answer.trimmed() ? QString() : u"填空题的答案不能以空白开头或结尾"_s;
    }
    return {};
}
