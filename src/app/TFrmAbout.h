#pragma once

#include <QDialog>

class AppContext;

// About the program: a picture, the title block, the publisher's contacts and
// the rights notice. Unlike the feature windows it keeps a plain border.
class TFrmAbout final : public QDialog
{
    Q_OBJECT

public:
    explicit TFrmAbout(AppContext& ctx, QWidget* parent = nullptr);
};
