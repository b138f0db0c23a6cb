#pragma once

#include "FileDialogs.h"

// QFileDialog's save and open dialogs.
class QtFileDialogs final : public FileDialogs
{
public:
    Choice saveFileName(QWidget* parent, const Request& request) override;
    Choice openFileName(QWidget* parent, const Request& request) override;
};
