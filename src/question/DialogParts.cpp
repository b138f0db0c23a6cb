#include "DialogParts.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>

using namespace Qt::Literals::StringLiterals;

namespace DialogParts {

QTextBrowser* readingPane(QWidget* parent, const QString& objectName, const QString& accessibleName,
                          bool compact)
{
    auto* pane = new QTextBrowser(parent);
    pane->setOpenLinks(false);
    pane->setObjectName(objectName);
    pane->setAccessibleName(accessibleName);
    pane->setReadOnly(true);
    QFont textFont = pane->font();
    textFont.setPointSize(compact ? 11 : 12);
    pane->setFont(textFont);
    return pane;
}

QHBoxLayout* closeButtonRow(QDialog* dialog, const QString& caption)
{
    auto* close = new QPushButton(caption, dialog);
    close->setObjectName(u"btnClose"_s);
    close->setAutoDefault(false);
    close->setMinimumWidth(96);
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(close);
    return row;
}

} // namespace DialogParts
