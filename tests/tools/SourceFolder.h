#pragma once

#include <QString>
#include <QTemporaryDir>

// A temporary folder holding a small bank source, one JSON text per file.
class SourceFolder
{
public:
    SourceFolder();

    // The folder the source files are written to.
    QString path() const;
    // A path for an output file next to, not inside, the source folder.
    QString outPath(const QString& name) const;

    SourceFolder& file(const QString& name, const QString& json);
    // A file with product, plan, types (61, 62, 64, 65, 66), chapters 1 > 10 > 1001 > 100101/100102
    // and 2 > 20 > 2001 > 200101, catalogue 01 > 010101/010102 with points, and one shared stem.
    SourceFolder& header(const QString& name = QStringLiteral("00-header.json"));
    // A file holding only the given questions (a JSON array's inner text).
    SourceFolder& questions(const QString& name, const QString& entries);

private:
    QTemporaryDir m_dir;
};
