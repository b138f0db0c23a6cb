#pragma once

#include "platform/Prompts.h"

class ModalRunner;
class TFrmDlg;

// The program's messages: its own dialog TFrmDlg and the system's message box.
class AppPrompts final : public Prompts
{
public:
    explicit AppPrompts(ModalRunner& windows);

    // The shared message dialog, once start-up has created it.
    void setDialog(TFrmDlg* dialog) { m_dialog = dialog; }

    int MessageDialog(const QString& title, const QString& text, ButtonSet buttonSet, Picture page,
                      Variant variant) override;
    bool systemMessage(Icon icon, const QString& caption, const QString& text, Buttons buttons) override;

private:
    ModalRunner& m_windows;
    TFrmDlg* m_dialog = nullptr;
};
