#pragma once

#include <QString>

class AppContext;
class PaperDocument;

// "生成文档": writes an inspected paper as an OpenDocument text file into the
// user's documents folder, named after the paper title and never over an
// existing file, and opens it in the desktop's default application. Every
// failure is reported here; a failed export leaves no file behind.
class PaperExport
{
public:
    // folder empty: the user's documents folder.
    explicit PaperExport(AppContext& ctx, const QString& folder = {});

    // The path written, or an empty text after a failure (already reported).
    QString run(const QString& paperTable, const QString& paperTitle);

    // The file name a title gives: characters a file name cannot hold become "_".
    static QString fileNameOf(const QString& paperTitle);

private:
    QString write(const PaperDocument& document, const QString& paperTitle);
    QString folder() const;
    void reportOpenFailure(const QString& path);

    AppContext& m_ctx;
    QString m_folder;
};
