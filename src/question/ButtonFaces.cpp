#include "ButtonFaces.h"

#include "MissingPicture.h"

#include "platform/Prompts.h"

#include <QCoreApplication>
#include <QDir>

using namespace Qt::Literals::StringLiterals;

QStringList ButtonFaces::numberFaceFiles()
{
    return {u"voskup.bmp"_s, u"voskdw.bmp"_s,   u"voskyes.bmp"_s,
            u"voskno.bmp"_s, u"voskdw_r.bmp"_s, u"voskdw_w.bmp"_s};
}

QStringList ButtonFaces::examFaceFiles()
{
    return numberFaceFiles() << u"voskover.bmp"_s;
}

QStringList ButtonFaces::typeFaceFiles()
{
    return {u"vosktxup.bmp"_s, u"vosktxdw.bmp"_s};
}

void ButtonFaces::load(const QString& programFolder, const QStringList& files)
{
    const QDir pic(QDir(programFolder).filePath(u"pic"_s));
    for (const QString& file : files) {
        QPixmap picture(pic.filePath(file));
        if (picture.isNull())
            throw MissingPicture(file);
        m_faces.insert(file, picture);
    }
}

void ButtonFaces::reportMissingAndQuit(Prompts& prompts)
{
    prompts.MessageDialog(u"错误"_s, u"无法提取资源文件！"_s, Prompts::ButtonSet::Ok,
                          Prompts::Picture::Error);
    QCoreApplication::exit(1);
}
