#include "TFrmRuleLxxt.h"

using namespace Qt::Literals::StringLiterals;

TFrmRuleLxxt::TFrmRuleLxxt(AppContext& ctx, QWidget* parent) : TFrmLxxt(ctx, pointVariant(), parent) {}

TFrmLxxt::Variant TFrmRuleLxxt::pointVariant()
{
    Variant variant;
    variant.discardCaption = u"本题作废"_s;
    variant.editButton = false;
    variant.subjectiveLabelFollowsType = false;
    variant.hintFromChapter = false;
    return variant;
}
