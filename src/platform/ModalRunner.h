#pragma once

class QDialog;

// Every feature window is shown modally through here, so a test can drive a
// window that another window opens.
class ModalRunner
{
public:
    virtual ~ModalRunner() = default;
    virtual int run(QDialog& dialog) = 0;
};
