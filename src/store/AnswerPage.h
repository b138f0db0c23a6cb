#pragma once

// The six answer pages of a question and the answer text each one produces.
enum class AnswerPage
{
    Single = 0,     // 单选: one letter
    Multiple = 1,   // 多选: letters in order A..F
    FillIn = 2,     // 填空: typed text, trimmed
    TrueFalse = 3,  // 判断: "A" 对, "B" 错
    Subjective = 4, // 主观: "0" 不会, "1" 会
    Matching = 5,   // 配伍: letters in order A..F
};

namespace AnswerPages {

// The page a question type is answered on; false when the type selects no
// page (the answer area then keeps the page it shows).
bool pageOfType(int type, AnswerPage* page);

// AnswerPageOfType: the page index, or 99 for a type that selects no page.
int AnswerPageOfType(int type);

// Types whose answer cannot be shown (the "答案" button stays disabled).
bool isNoAnswerType(int type);

} // namespace AnswerPages
