// velmarin-picgen OUTDIR: paints every picture of the program into OUTDIR.
#include "PictureSet.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmarin-picgen OUTDIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "velmarin-picgen: cannot create %s\n", argv[1]);
        return 1;
    }
    QVector<Picture> all = appPictures();
    all += practicePictures();
    all += studyPictures();
    for (const Picture& picture : all) {
        const QString path = out.filePath(picture.fileName);
        out.mkpath(QFileInfo(path).absolutePath());
        if (!picture.paint().save(path)) {
            std::fprintf(stderr, "velmarin-picgen: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
