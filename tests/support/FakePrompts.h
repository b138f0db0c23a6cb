#pragma once

#include "platform/Prompts.h"

#include <QList>
#include <QString>

#include <deque>

// Records every message and answers with scripted buttons (1 for a message
// dialog and OK for a system box when nothing is scripted).
class FakePrompts final : public Prompts
{
public:
    struct Message
    {
        bool system = false;
        QString title;
        QString text;
        ButtonSet buttonSet = ButtonSet::Ok;
        Picture page = Picture::Warning;
        Variant variant = Variant::Plain;
        Icon icon = Icon::Information;
        Buttons buttons = Buttons::Ok;
    };

    int MessageDialog(const QString& title, const QString& text, ButtonSet buttonSet, Picture page,
                      Variant variant) override
    {
        messages.append({false, title, text, buttonSet, page, variant});
        return next(buttonSet == ButtonSet::Ok ? 3 : 1);
    }

    bool systemMessage(Icon icon, const QString& caption, const QString& text, Buttons buttons) override
    {
        messages.append(
            {true, caption, text, ButtonSet::Ok, Picture::Warning, Variant::Plain, icon, buttons});
        return next(1) == 1;
    }

    // The next answers: a button number for a dialog, 1 (OK) or 0 (Cancel) for a system box.
    void answer(int button) { m_answers.push_back(button); }
    QStringList texts() const
    {
        QStringList all;
        for (const Message& m : messages)
            all.append(m.text);
        return all;
    }
    const Message& last() const { return messages.last(); }

    QList<Message> messages;

private:
    int next(int fallback)
    {
        if (m_answers.empty())
            return fallback;
        const int button = m_answers.front();
        m_answers.pop_front();
        return button;
    }
    std::deque<int> m_answers;
};
