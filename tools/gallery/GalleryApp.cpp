// The application shell's windows: the main menu in three screen sizes, the
// message dialog in its variants, the progress window and the About window.
#include "Gallery.h"

#include "app/TFrmAbout.h"
#include "app/TFrmDlg.h"
#include "app/TFrmProgress.h"
#include "app/TFrmStart.h"
#include "store/TDM1.h"
#include "ui/AppContext.h"

#include <QApplication>

using namespace Qt::Literals::StringLiterals;

namespace {

void renderMainWindow(GalleryContext& g)
{
    TFrmStart main(g.ctx);
    main.show(); // runs the show step: screen size, music, answer times, menu
    QApplication::setActiveWindow(&main);
    g.save(main, u"TFrmStart"_s);
    for (const QSize size : {QSize(800, 600), QSize(1920, 1080)}) {
        main.setGeometry(QRect(QPoint(0, 0), size));
        g.save(main, u"TFrmStart-%1x%2"_s.arg(size.width()).arg(size.height()));
    }
    main.hide();
}

void renderMessageDialog(GalleryContext& g)
{
    TFrmDlg dialog(g.ctx.services.screen, g.ctx.dm.ProgramFolder() + u"pic/"_s);
    dialog.prepare(u"提示"_s, u"恭喜你，习题已做完！"_s, Prompts::ButtonSet::Ok,
                   Prompts::Picture::Information);
    g.save(dialog, u"TFrmDlg"_s);
    dialog.prepare(u"提示"_s, u"确定要交卷吗？交卷后将自动判卷，选择“作废”则放弃这份试卷。"_s,
                   Prompts::ButtonSet::ThreeWay, Prompts::Picture::Information, Prompts::Variant::Exam);
    g.save(dialog, u"TFrmDlg-exam"_s);
    dialog.prepare(u"提示"_s, u"还未完成今日学习计划，要退出吗？"_s, Prompts::ButtonSet::OkCancel,
                   Prompts::Picture::Warning);
    g.save(dialog, u"TFrmDlg-okcancel"_s);
    dialog.prepare(u"提示"_s, u"请选择具体章节!"_s, Prompts::ButtonSet::NarrowOk, Prompts::Picture::Warning);
    g.save(dialog, u"TFrmDlg-narrow"_s);
    dialog.prepare(u"错误"_s,
                   u"数据库操作失败：database disk image is malformed。题库文件可能已经损坏，"
                   u"请从备份中恢复题库文件 data/KX50418.mdb，或重新安装程序后再试。"
                   u"您的做题记录保存在同一个文件中，恢复前请先复制一份。"_s,
                   Prompts::ButtonSet::Ok, Prompts::Picture::Error);
    g.save(dialog, u"TFrmDlg-error"_s);
}

void renderProgressWindow(GalleryContext& g)
{
    TFrmProgress progress(g.ctx.services.screen, g.ctx.dm.ProgramFolder() + u"pic/"_s);
    progress.begin(u"正在导出试卷，请等待..."_s);
    g.save(progress, u"TFrmProgress"_s);
    progress.end();
}

} // namespace

void renderAppWindows(GalleryContext& g)
{
    renderMainWindow(g);
    renderMessageDialog(g);
    renderProgressWindow(g);
    TFrmAbout about(g.ctx);
    g.save(about, u"TFrmAbout"_s);
}
