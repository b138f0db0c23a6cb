#pragma once

#include <QString>

class AppContext;
class QWidget;

// What a feature's part of the gallery gets: a context on a copy of the sample
// bank with some progress in it, and where to write the pictures.
class GalleryContext
{
public:
    GalleryContext(AppContext& context, const QString& outDir) : ctx(context), m_outDir(outDir) {}

    AppContext& ctx;
    // Lays the window out, renders it offscreen and writes OUTDIR/<name>.png.
    void save(QWidget& window, const QString& name);

private:
    QString m_outDir;
};

// Each feature renders its own windows.
void renderAppWindows(GalleryContext& gallery);
void renderPracticeWindows(GalleryContext& gallery);
void renderKnowledgeWindows(GalleryContext& gallery);
void renderStudyWindows(GalleryContext& gallery);
void renderExamWindows(GalleryContext& gallery);
void renderAuthoringWindows(GalleryContext& gallery);
