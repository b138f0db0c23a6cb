#pragma once

#include <QString>

// Every message the program shows goes through here, so tests can answer them.
class Prompts
{
public:
    enum class Icon
    {
        Information,
        Warning,
        Critical,
        Question
    };
    enum class Buttons
    {
        Ok,
        OkCancel
    };

    // Which of the message dialog's buttons show; each returns its own result.
    enum class ButtonSet
    {
        OkCancel = 0, // results 1 and 2
        Ok = 1,       // result 3
        ThreeWay = 2, // results 1, 2 and 3
        NarrowOk = 3  // result 1, in a narrow dialog
    };
    // The picture that marks the kind of message.
    enum class Picture
    {
        Information = 0, // good news, referrals, questions
        Warning = 1,     // notices
        Error = 2
    };
    // The button captions: the exam's wording offers "作废" (2) and "取消" (3).
    enum class Variant
    {
        Plain,
        Exam
    };

    virtual ~Prompts() = default;

    // The program's own message dialog; returns 1, 2 or 3 (the pressed button).
    virtual int MessageDialog(const QString& title, const QString& text, ButtonSet buttonSet, Picture page,
                              Variant variant = Variant::Plain) = 0;

    // The system's standard message box; true when OK was pressed.
    virtual bool systemMessage(Icon icon, const QString& caption, const QString& text, Buttons buttons) = 0;
};
