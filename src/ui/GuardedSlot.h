#pragma once

#include "ErrorPrompt.h"

#include <QString>

#include <exception>
#include <utility>

class Prompts;

// The boundary of an event handler: whatever the handler throws is shown as an
// error and the window goes on; nothing escapes into Qt's event loop.
namespace GuardedSlot {

// Runs handler; false when it failed (its message has then been shown).
template <typename Handler> bool run(Prompts& prompts, Handler&& handler)
{
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (const std::exception& error) {
        ErrorPrompt::show(prompts, error);
    } catch (...) {
        ErrorPrompt::show(prompts, QStringLiteral("发生错误！"));
    }
    return false;
}

} // namespace GuardedSlot
