#include "PaperExport.h"

#include "PaperDocument.h"

#include "platform/ProgressScope.h"
#include "platform/Prompts.h"
#include "platform/Shell.h"
#include "store/PaperDocumentData.h"
#include "store/TDM1.h"
#include "ui/AppContext.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTextDocumentWriter>

#include <optional>
#include <stdexcept>

using namespace Qt::Literals::StringLiterals;

namespace {

class ExportError : public std::runtime_error
{
public:
    ExportError() : std::runtime_error("export") {}
};

// The first "title.odt", "title (2).odt", … that does not exist yet.
QString freeName(const QDir& dir, const QString& base, int& attempt)
{
    for (;; ++attempt) {
        const QString name = attempt == 1 ? base + u".odt"_s : u"%1 (%2).odt"_s.arg(base).arg(attempt);
        if (!QFileInfo::exists(dir.filePath(name)))
            return dir.filePath(name);
    }
}

} // namespace

PaperExport::PaperExport(AppContext& ctx, const QString& folder) : m_ctx(ctx), m_folder(folder) {}

QString PaperExport::run(const QString& paperTable, const QString& paperTitle)
{
    QString path;
    try {
        std::optional<ProgressScope> progress;
        if (m_ctx.progress)
            progress.emplace(*m_ctx.progress, u"正在导出试卷，请等待..."_s);
        PaperDocumentData data(m_ctx.dm, paperTable, m_ctx.currentSubjectInUse());
        PaperDocument document(m_ctx.dm.ProgramFolder());
        document.build(data, paperTitle);
        path = write(document, paperTitle);
    } catch (const std::exception&) {
        // A bank failure and a failed write end the same way: nothing under the final name.
        path.clear();
    }
    if (path.isEmpty()) {
        m_ctx.services.prompts.systemMessage(Prompts::Icon::Warning, u"警告"_s,
                                             u"导出试题发生错误，请退出后重试！"_s, Prompts::Buttons::Ok);
        return {};
    }
    if (!m_ctx.services.shell.open(path))
        reportOpenFailure(path);
    return path;
}

QString PaperExport::fileNameOf(const QString& paperTitle)
{
    QString name = paperTitle.trimmed();
    for (QChar& c : name) {
        if (c.category() == QChar::Other_Control || QStringView(u"/\\:*?\"<>|").contains(c))
            c = u'_';
    }
    // A leading dot would hide the file; an empty title still needs a name.
    while (name.startsWith(u'.'))
        name.remove(0, 1);
    return name.isEmpty() ? u"试卷"_s : name.left(120);
}

QString PaperExport::write(const PaperDocument& document, const QString& paperTitle)
{
    const QDir dir(folder());
    if (!QDir().mkpath(dir.path()))
        throw ExportError();
    // Written under a temporary name and renamed, so a failure leaves nothing under the final name.
    QTemporaryFile file(dir.filePath(u".velmarin-export-XXXXXX.odt"_s));
    if (!file.open())
        throw ExportError();
    QTextDocumentWriter writer(&file, "odf");
    if (!writer.write(&document) || !file.flush())
        throw ExportError();
    file.close();
    const QString base = fileNameOf(paperTitle);
    // The rename never replaces a file, so one that appears meanwhile moves the name on.
    for (int attempt = 1; attempt < 1000; ++attempt) {
        const QString path = freeName(dir, base, attempt);
        if (file.rename(path)) {
            file.setAutoRemove(false);
            return path;
        }
        if (!QFileInfo::exists(path))
            throw ExportError();
    }
    throw ExportError();
}

QString PaperExport::folder() const
{
    if (!m_folder.isEmpty())
        return m_folder;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void PaperExport::reportOpenFailure(const QString& path)
{
    m_ctx.services.prompts.MessageDialog(
        u"提示"_s, u"试卷已导出到：\n%1\n但没有找到打开它的程序。"_s.arg(QDir::toNativeSeparators(path)),
        Prompts::ButtonSet::Ok, Prompts::Picture::Information);
}
