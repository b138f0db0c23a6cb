#include "Gallery.h"

#include "platform/ScreenInfo.h"
#include "study/TFrmConfig.h"
#include "study/TFrmEset.h"
#include "study/TFrmRz.h"
#include "study/TFrmplan.h"
#include "ui/AppContext.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// The log window chooses its layout from the screen; each layout gets its picture.
class FixedScreen final : public ScreenInfo
{
public:
    explicit FixedScreen(QSize size) : m_size(size) {}
    QSize size() const override { return m_size; }
    int logicalDpiX() const override { return 96; }
    QRect availableGeometry() const override { return QRect(QPoint(0, 0), m_size); }

private:
    QSize m_size;
};

void renderLog(GalleryContext& g, QSize screenSize, const QString& name)
{
    FixedScreen screen(screenSize);
    const Services& s = g.ctx.services;
    AppContext ctx(g.ctx.dm, Services{s.clock, s.random, s.prompts, s.sound, s.shell, screen, s.windows});
    ctx.actions = g.ctx.actions;
    TFrmRz window(ctx);
    g.save(window, name);
}

void renderConfig(GalleryContext& g, int settingsMode, const QString& name)
{
    const int savedMode = g.ctx.SettingsMode;
    g.ctx.SettingsMode = settingsMode;
    TFrmConfig window(g.ctx);
    if (settingsMode == 1)
        window.applyAnswerTimeLayout();
    g.save(window, name);
    g.ctx.SettingsMode = savedMode;
}

} // namespace

void renderStudyWindows(GalleryContext& g)
{
    {
        TFrmplan window(g.ctx);
        g.save(window, u"TFrmplan"_s);
    }
    renderLog(g, {1024, 768}, u"TFrmRz"_s);
    renderLog(g, {800, 600}, u"TFrmRz-800"_s);
    {
        TFrmEset window(g.ctx);
        g.save(window, u"TFrmEset"_s);
    }
    renderConfig(g, 0, u"TFrmConfig"_s);
    renderConfig(g, 1, u"TFrmConfig-time"_s);
}
