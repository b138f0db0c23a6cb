#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>
#include <QStringList>

class Prompts;

// Button pictures read from the program folder's pic/ ("voskup.bmp" ...).
// A missing picture is fatal for the window that needs it.
class ButtonFaces
{
public:
    // The number buttons' six faces and the type buttons' two.
    static QStringList numberFaceFiles();
    static QStringList typeFaceFiles();

    // Reads every file; false (and the first missing name in missing()) when one cannot be read.
    bool load(const QString& programFolder, const QStringList& files);
    QPixmap face(const QString& file) const { return m_faces.value(file); }
    const QString& missing() const { return m_missing; }
    void release() { m_faces.clear(); }

    // "无法提取资源文件！", then the program ends: every event loop is told to
    // finish with code 1, so the windows unwind and main() returns 1.
    static void reportMissingAndQuit(Prompts& prompts);

private:
    QHash<QString, QPixmap> m_faces;
    QString m_missing;
};
