#include "AnswerPage.h"

#include <array>
#include <utility>

namespace AnswerPages {

namespace {

// 61, 65 and 66 are the bank's fixed choice types; 62 is its true/false type
// and 64 and 70 are subjective types (case analyses, short answers).
constexpr std::array<std::pair<int, AnswerPage>, 6> PageOfType{{
    {61, AnswerPage::Single},
    {65, AnswerPage::Multiple},
    {66, AnswerPage::Matching},
    {62, AnswerPage::TrueFalse},
    {64, AnswerPage::Subjective},
    {70, AnswerPage::Subjective},
}};

} // namespace

bool pageOfType(int type, AnswerPage* page)
{
    for (const auto& [code, mapped] : PageOfType) {
        if (code == type) {
            *page = mapped;
            return true;
        }
    }
    return false;
}

int AnswerPageOfType(int type)
{
    AnswerPage page{};
    return pageOfType(type, &page) ? static_cast<int>(page) : 99;
}

bool isNoAnswerType(int type)
{
    return type >= 71 && type <= 74;
}

} // namespace AnswerPages
