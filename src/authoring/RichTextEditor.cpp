#include "RichTextEditor.h"

#include <QDir>
#include <QImage>
#include <QMimeData>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QUrl>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

// Pictures that point anywhere but pic/ or a data: URI are taken out.
void dropForeignPictures(QTextDocument& document)
{
    QVector<std::pair<int, int>> foreign;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (format.isImageFormat() && !RichTextEditor::isAllowedPicture(format.toImageFormat().name()))
                foreign.append({fragment.position(), fragment.length()});
        }
    }
    QTextCursor cursor(&document);
    for (auto it = foreign.crbegin(); it != foreign.crend(); ++it) {
        cursor.setPosition(it->first);
        cursor.setPosition(it->first + it->second, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
}

QImage decodeDataUrl(const QString& url)
{
    const qsizetype comma = url.indexOf(u',');
    if (comma < 0)
        return {};
    const QString header = url.left(comma);
    const QByteArray payload = url.mid(comma + 1).toLatin1();
    return QImage::fromData(header.endsWith(u";base64"_s, Qt::CaseInsensitive)
                                ? QByteArray::fromBase64(payload)
                                : QByteArray::fromPercentEncoding(payload));
}

} // namespace

RichTextEditor::RichTextEditor(const QString& programFolder, const QString& objectName,
                               const QString& accessibleName, QWidget* parent)
    : QTextEdit(parent), m_programFolder(programFolder)
{
    setObjectName(objectName);
    setAccessibleName(accessibleName);
    setAcceptRichText(true);
    setTabChangesFocus(true);
}

void RichTextEditor::setStoredText(const QString& stored)
{
    m_stored = stored;
    if (Qt::mightBeRichText(stored))
        setHtml(stored);
    else
        setPlainText(stored);
    document()->setModified(false);
}

QString RichTextEditor::storedText() const
{
    if (!document()->isModified())
        return m_stored;
    return storedHtml(*document());
}

bool RichTextEditor::isBlank() const
{
    return toPlainText().trimmed().isEmpty();
}

bool RichTextEditor::isAllowedPicture(const QString& name)
{
    if (name.startsWith(u"data:image/"_s, Qt::CaseInsensitive))
        return true;
    return name.startsWith(u"pic/"_s) && !name.contains(u".."_s) && !name.contains(u'\\') &&
           !name.contains(u':');
}

QString RichTextEditor::storedHtml(const QTextDocument& document)
{
    const std::unique_ptr<QTextDocument> copy(document.clone());
    dropForeignPictures(*copy);
    // The pane that shows a text chooses its font and size, as for the bank's own texts.
    static const QRegularExpression bodyStyle(u"<body style=\"[^\"]*\">"_s);
    return copy->toHtml().replace(bodyStyle, u"<body>"_s);
}

QVariant RichTextEditor::loadResource(int type, const QUrl& name)
{
    const QString text = name.toString();
    QImage picture;
    if (type == QTextDocument::ImageResource && isAllowedPicture(text)) {
        picture = text.startsWith(u"data:"_s, Qt::CaseInsensitive)
                      ? decodeDataUrl(text)
                      : QImage(QDir(m_programFolder).filePath(text));
    }
    // An empty picture, never nothing: nothing would let the document fetch the resource itself.
    return QVariant(picture);
}

void RichTextEditor::insertFromMimeData(const QMimeData* source)
{
    QTextEdit::insertFromMimeData(source);
    dropForeignPictures(*document());
}
