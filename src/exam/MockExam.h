#pragma once

class AppContext;
class QWidget;

// The menu's mock exam: draws a paper of a subject, or resumes the unfinished
// one, and runs the exam window on it until it closes.
namespace MockExam {

void mnks(AppContext& ctx, QWidget* owner, int subject);

} // namespace MockExam
