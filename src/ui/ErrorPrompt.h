#pragma once

#include <QString>

#include <exception>

class Prompts;

// A failure caught at an event handler: its message in the error dialog
// (title "错误", one button, the error picture), and the window goes on.
namespace ErrorPrompt {

// The user-readable message of a failure: a store error's own text, otherwise what() as UTF-8.
QString messageOf(const std::exception& error);

void show(Prompts& prompts, const QString& text);
void show(Prompts& prompts, const std::exception& error);

} // namespace ErrorPrompt
