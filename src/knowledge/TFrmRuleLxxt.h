#pragma once

#include "practice/TFrmLxxt.h"

// The knowledge-point practice window: the practice window over every question
// citing one point, with its hint board set by the catalogue, no edit button,
// the discard button reading "本题作废" and a fixed "主观" label.
class TFrmRuleLxxt : public TFrmLxxt
{
    Q_OBJECT

public:
    // Throws MissingPicture when a number-button picture cannot be read.
    explicit TFrmRuleLxxt(AppContext& ctx, QWidget* parent = nullptr);

    static Variant pointVariant();
};
