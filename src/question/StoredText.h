#pragma once

#include <QString>

class QTextEdit;

// Stems, explanations and point texts are stored as Qt HTML, as plain text or
// not at all; a pane shows each form as it was meant.
namespace StoredText {

void show(QTextEdit& pane, const QString& stored);

} // namespace StoredText
