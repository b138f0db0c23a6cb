// velmarin-tunegen OUTDIR: writes the background tunes as Standard MIDI Files into OUTDIR.
#include "Tunes.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <stdexcept>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmarin-tunegen OUTDIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "velmarin-tunegen: cannot create %s\n", argv[1]);
        return 1;
    }
    try {
        for (const Tune& tune : Tunes::all()) {
            const QString path = out.filePath(tune.fileName);
            if (!tune.render().save(path)) {
                std::fprintf(stderr, "velmarin-tunegen: cannot write %s\n", qPrintable(path));
                return 1;
            }
        }
    } catch (const std::invalid_argument& e) {
        std::fprintf(stderr, "velmarin-tunegen: %s\n", e.what());
        return 1;
    }
    return 0;
}
