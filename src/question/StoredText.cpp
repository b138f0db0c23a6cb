#include "StoredText.h"

#include <QTextDocument>
#include <QTextEdit>

namespace StoredText {

void show(QTextEdit& pane, const QString& stored)
{
    if (Qt::mightBeRichText(stored))
        pane.setHtml(stored);
    else
        pane.setPlainText(stored);
}

} // namespace StoredText
