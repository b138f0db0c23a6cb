#pragma once

#include "platform/Prompts.h"

// The gallery shows no messages: every question is answered with the first button.
class GalleryPrompts final : public Prompts
{
public:
    int MessageDialog(const QString&, const QString&, ButtonSet buttonSet, Picture, Variant) override
    {
        return buttonSet == ButtonSet::Ok ? 3 : 1;
    }
    bool systemMessage(Icon, const QString&, const QString&, Buttons) override { return true; }
};
