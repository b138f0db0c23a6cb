// velmarin-gallery OUTDIR: renders every window of the program offscreen to OUTDIR/<window>.png,
// on a copy of the sample bank with some progress in it.
#include "Gallery.h"
#include "GalleryBank.h"
#include "GalleryModalRunner.h"
#include "GalleryPrompts.h"
#include "GalleryScreen.h"

#include "app/TFrmStart.h"
#include "platform/DesktopShell.h"
#include "platform/FluidSynthSound.h"
#include "platform/SystemClock.h"
#include "platform/SystemRandomSource.h"
#include "store/TDM1.h"
#include "ui/AppContext.h"
#include "ui/Theme.h"

#include <QApplication>
#include <QDir>
#include <QLayout>
#include <QTemporaryDir>

#include <cstdio>
#include <exception>

void GalleryContext::save(QWidget& window, const QString& name)
{
    const bool wasVisible = window.isVisible();
    window.ensurePolished();
    if (QLayout* layout = window.layout())
        layout->activate();
    window.show();
    QCoreApplication::processEvents();
    const QString path = QDir(m_outDir).filePath(name + QStringLiteral(".png"));
    if (!window.grab().save(path))
        std::fprintf(stderr, "velmarin-gallery: cannot write %s\n", qPrintable(path));
    if (!wasVisible)
        window.hide();
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Theme::apply(app);
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmarin-gallery OUTDIR\n");
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(outDir);

    QTemporaryDir folder;
    QString error;
    if (!folder.isValid() || !GalleryBank::prepareFolder(folder.path(), &error)) {
        std::fprintf(stderr, "velmarin-gallery: %s\n", qPrintable(error));
        return 1;
    }

    SystemClock clock;
    SystemRandomSource random;
    GalleryPrompts prompts;
    FluidSynthSound sound;
    DesktopShell shell;
    GalleryScreen screen;
    GalleryModalRunner windows;
    TDM1 dm(TDM1::programFolderOf(QDir(folder.path()).filePath(QStringLiteral("velmarin"))), clock);
    if (dm.successFlag() == 0) {
        std::fprintf(stderr, "velmarin-gallery: %s\n", qPrintable(dm.openError()));
        return 1;
    }
    AppContext ctx(dm, Services{clock, random, prompts, sound, shell, screen, windows});
    try {
        GalleryBank::recordProgress(dm);
        // The main window answers the feature windows' calls for music and settings.
        TFrmStart actions(ctx);
        GalleryContext gallery(ctx, outDir);
        renderAppWindows(gallery);
        renderPracticeWindows(gallery);
        renderKnowledgeWindows(gallery);
        renderStudyWindows(gallery);
        renderExamWindows(gallery);
        renderAuthoringWindows(gallery);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "velmarin-gallery: %s\n", e.what());
        return 1;
    }
    return 0;
}
