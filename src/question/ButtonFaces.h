#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>
#include <QStringList>

class Prompts;

// Button pictures read from the program folder's pic/ ("voskup.bmp" ...).
// A missing picture is fatal for the window that needs it: load() throws
// MissingPicture and the window's creator ends the program.
class ButtonFaces
{
public:
    // The number buttons' six faces and the type buttons' two.
    static QStringList numberFaceFiles();
    static QStringList typeFaceFiles();
    // The exam's seven: the number faces and "voskover.bmp" for an answered question.
    static QStringList examFaceFiles();

    // Reads every file; throws MissingPicture, naming the first one that cannot be read.
    void load(const QString& programFolder, const QStringList& files);
    QPixmap face(const QString& file) const { return m_faces.value(file); }
    void release() { m_faces.clear(); }

    // For the creator of a window that threw MissingPicture: "无法提取资源文件！",
    // then every event loop is told to finish with code 1, so the windows unwind
    // and main() returns 1.
    static void reportMissingAndQuit(Prompts& prompts);

private:
    QHash<QString, QPixmap> m_faces;
};
