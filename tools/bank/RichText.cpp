#include "RichText.h"

#include <QFont>
#include <QRegularExpression>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

using namespace Qt::Literals::StringLiterals;

namespace {

// A fixed default font keeps a built bank the same wherever it is built.
void prepare(QTextDocument& document)
{
    QFont font(u"Noto Sans CJK SC"_s);
    font.setPointSize(10);
    document.setDefaultFont(font);
}

// The document's font is left out of the stored HTML: the pane that shows a
// text chooses its font and size (stems are shown large).
QString withoutDocumentFont(QString html)
{
    static const QRegularExpression bodyStyle(u"<body style=\"[^\"]*\">"_s);
    return html.replace(bodyStyle, u"<body>"_s);
}

void fill(QTextDocument& document, const QString& text)
{
    if (RichText::looksLikeHtml(text))
        document.setHtml(RichText::escapeStrayAngles(text));
    else
        document.setPlainText(text);
}

void insertFragment(QTextCursor& cursor, const QString& text)
{
    if (RichText::looksLikeHtml(text))
        cursor.insertHtml(RichText::escapeStrayAngles(text));
    else
        cursor.insertText(text);
}

} // namespace

const QRegularExpression& RichText::tagPattern()
{
    // Tags of the simple HTML sources use; attributes, when given, carry a value.
    static const QRegularExpression tag(
        u"<(?:!--.*?--|![A-Za-z][^<>]*|/"
        u"?(?:a|b|big|blockquote|body|br|center|cite|code|dd|div|dl|dt|em|font|h[1-6]|"
        u"head|hr|html|i|img|li|meta|nobr|ol|p|pre|q|s|small|span|strong|style|sub|sup|table|tbody|td|th|"
        u"thead|"
        u"title|tr|tt|u|ul)(?:\\s+[^<>]*=[^<>]*)?\\s*/?)>"_s,
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    return tag;
}

bool RichText::looksLikeHtml(const QString& text)
{
    return tagPattern().match(text).hasMatch();
}

QString RichText::escapeStrayAngles(const QString& html)
{
    QString escaped;
    qsizetype copied = 0;
    auto copyText = [&](qsizetype end) {
        escaped += html.mid(copied, end - copied).replace(u"<"_s, u"&lt;"_s);
    };
    QRegularExpressionMatchIterator tags = tagPattern().globalMatch(html);
    while (tags.hasNext()) {
        const QRegularExpressionMatch tag = tags.next();
        copyText(tag.capturedStart());
        escaped += tag.captured();
        copied = tag.capturedEnd();
    }
    copyText(html.size());
    return escaped;
}

QString RichText::toQtHtml(const QString& text)
{
    QTextDocument document;
    prepare(document);
    fill(document, text);
    return withoutDocumentFont(document.toHtml());
}

QString RichText::foreignPicture(const QString& text)
{
    static const QRegularExpression source(
        u"<img\\b[^>]*?\\bsrc\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))"_s,
        QRegularExpression::CaseInsensitiveOption);
    QRegularExpressionMatchIterator found = source.globalMatch(text);
    while (found.hasNext()) {
        const QRegularExpressionMatch match = found.next();
        const QString src = match.captured(1) + match.captured(2) + match.captured(3);
        const bool dataImage = src.startsWith(u"data:image/"_s, Qt::CaseInsensitive);
        const bool shipped = src.startsWith(u"pic/"_s) && !src.contains(u".."_s) && !src.contains(u'\\') &&
                             !src.contains(u':');
        if (!dataImage && !shipped)
            return src.isNull() ? u""_s : src;
    }
    return {};
}

QString RichText::toQtHtmlOrNull(const QString& text)
{
    return text.trimmed().isEmpty() ? QString() : toQtHtml(text);
}

QString RichText::stemWithOptions(const QString& stem, const QStringList& options)
{
    QTextDocument document;
    prepare(document);
    fill(document, stem);
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    for (qsizetype i = 0; i < options.size(); ++i) {
        // A fresh block, so an option does not inherit the stem's last paragraph style.
        cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        cursor.insertText(QChar(static_cast<char16_t>(u'A' + i)) + u"．"_s);
        insertFragment(cursor, options[i]);
    }
    return withoutDocumentFont(document.toHtml());
}
