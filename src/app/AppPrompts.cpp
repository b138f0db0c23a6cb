#include "AppPrompts.h"

#include "TFrmDlg.h"
#include "platform/ModalRunner.h"

#include <QMessageBox>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace {

QMessageBox::Icon boxIcon(Prompts::Icon icon)
{
    switch (icon) {
    case Prompts::Icon::Information:
        return QMessageBox::Information;
    case Prompts::Icon::Warning:
        return QMessageBox::Warning;
    case Prompts::Icon::Critical:
        return QMessageBox::Critical;
    case Prompts::Icon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

AppPrompts::AppPrompts(ModalRunner& windows) : m_windows(windows) {}

int AppPrompts::MessageDialog(const QString& title, const QString& text, ButtonSet buttonSet, Picture page,
                              Variant variant)
{
    if (m_dialog)
        return m_dialog->MessageDialog(m_windows, title, text, buttonSet, page, variant);
    // Before start-up has made the dialog only the system's box can speak.
    systemMessage(page == Picture::Error ? Icon::Critical : Icon::Information, title, text, Buttons::Ok);
    return buttonSet == ButtonSet::Ok ? 3 : 1;
}

bool AppPrompts::systemMessage(Icon icon, const QString& caption, const QString& text, Buttons buttons)
{
    QMessageBox box(boxIcon(icon), caption, text, QMessageBox::NoButton);
    QPushButton* ok = box.addButton(u"确定"_s, QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    if (buttons == Buttons::OkCancel)
        box.setEscapeButton(box.addButton(u"取消"_s, QMessageBox::RejectRole));
    else
        box.setEscapeButton(ok);
    m_windows.run(box);
    return box.clickedButton() == ok;
}
