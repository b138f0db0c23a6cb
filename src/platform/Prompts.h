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

    virtual ~Prompts() = default;

    // The program's own message dialog; returns 1, 2 or 3 (the pressed button).
    virtual int MessageDialog(const QString& title, const QString& text, int buttonSet, int page,
                              const QString& variant) = 0;

    // The system's standard message box; true when OK was pressed.
    virtual bool systemMessage(Icon icon, const QString& caption, const QString& text, Buttons buttons) = 0;
};
