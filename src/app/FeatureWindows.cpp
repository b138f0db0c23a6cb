#include "FeatureWindows.h"

#include "TFrmAbout.h"

#include "authoring/TFrmInPut.h"
#include "authoring/TfrmTedit.h"
#include "exam/TFrmCheck.h"
#include "exam/Tfrmchart.h"
#include "knowledge/TfrmLawsFaGui.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtPrinters.h"
#include "practice/TFrmkmmc.h"
#include "study/TFrmConfig.h"
#include "study/TFrmEset.h"
#include "study/TFrmRz.h"
#include "study/TFrmplan.h"
#include "ui/AppContext.h"

namespace FeatureWindows {

std::unique_ptr<QDialog> chapterBrowser(AppContext& ctx, QWidget* owner)
{
    return std::make_unique<TFrmkmmc>(ctx, owner);
}

std::unique_ptr<QDialog> catalogue(AppContext& ctx, QWidget* owner)
{
    return std::make_unique<TfrmLawsFaGui>(ctx, owner);
}

std::unique_ptr<QDialog> studyPlan(AppContext& ctx, QWidget* owner)
{
    return std::make_unique<TFrmplan>(ctx, owner);
}

std::unique_ptr<QDialog> examSettings(AppContext& ctx, QWidget* owner)
{
    return std::make_unique<TFrmEset>(ctx, owner);
}

std::unique_ptr<QDialog> studyLog(AppContext& ctx, QWidget* owner)
{
    return std::make_unique<TFrmRz>(ctx, owner);
}

std::unique_ptr<QDialog> systemSettings(AppContext& ctx, QWidget* owner)
{
    auto window = std::make_unique<TFrmConfig>(ctx, owner);
    if (ctx.SettingsMode == 1)
        window->applyAnswerTimeLayout();
    return window;
}

std::unique_ptr<QDialog> chart(AppContext& ctx, QWidget* owner)
{
    return std::make_unique<Tfrmchart>(ctx, std::make_unique<QtPrinters>(), std::make_unique<QtFileDialogs>(),
                                       owner);
}

std::unique_ptr<QDialog> paperList(AppContext& ctx, QWidget* owner)
{
    return std::make_unique<TFrmCheck>(ctx, owner);
}

std::unique_ptr<QDialog> about(AppContext& ctx, QWidget* owner)
{
    return std::make_unique<TFrmAbout>(ctx, owner);
}

std::unique_ptr<TFrmInPut> questionEntry(AppContext& ctx, QWidget* owner, const QString& caption,
                                         const QString& chapterCode)
{
    auto window = std::make_unique<TFrmInPut>(ctx, chapterCode, owner);
    window->setCaptionText(caption);
    return window;
}

std::unique_ptr<TfrmTedit> questionEditing(AppContext& ctx, QWidget* owner, QuestionRecord& question)
{
    return std::make_unique<TfrmTedit>(ctx, question, owner);
}

} // namespace FeatureWindows
