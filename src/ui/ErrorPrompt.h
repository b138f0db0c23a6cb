#pragma once

#include <exception>

class Prompts;

// A failure caught at an event handler: its message in the error dialog
// (title "错误", one button, the error picture), and the window goes on.
namespace ErrorPrompt {

void show(Prompts& prompts, const std::exception& error);

} // namespace ErrorPrompt
