#include "PlainText.h"

#include <QHash>
#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace PlainText {

namespace {

QString decodeEntities(const QString& text)
{
    static const QRegularExpression entity(u"&(#[0-9]{1,7}|#[xX][0-9a-fA-F]{1,6}|[a-zA-Z]{2,6});"_s);
    QString out;
    qsizetype last = 0;
    for (auto it = entity.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        out += QStringView(text).mid(last, match.capturedStart() - last);
        const QString name = match.captured(1);
        QString decoded = match.captured(0);
        if (name.startsWith(u'#')) {
            bool ok = false;
            const bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
            const uint code = name.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
            if (ok && code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF)) {
                const char32_t c = code;
                decoded = QString::fromUcs4(&c, 1);
            }
        } else {
            static const QHash<QString, QString> named{{u"amp"_s, u"&"_s},  {u"lt"_s, u"<"_s},
                                                       {u"gt"_s, u">"_s},   {u"quot"_s, u"\""_s},
                                                       {u"apos"_s, u"'"_s}, {u"nbsp"_s, u" "_s}};
            decoded = named.value(name, decoded);
        }
        out += decoded;
        last = match.capturedEnd();
    }
    out += QStringView(text).mid(last);
    return out;
}

bool looksLikeHtml(const QString& text)
{
    static const QRegularExpression tag(u"<\\s*/?\\s*[a-zA-Z!][^>]*>"_s);
    return text.contains(tag);
}

} // namespace

QString of(const QString& stored)
{
    QString text = stored;
    if (looksLikeHtml(text)) {
        static const QRegularExpression hidden(u"<(head|style|script)\\b.*?</\\1\\s*>|<!--.*?-->"_s,
                                               QRegularExpression::CaseInsensitiveOption |
                                                   QRegularExpression::DotMatchesEverythingOption);
        static const QRegularExpression block(
            u"<\\s*(br|/?p|/?div|/?li|/?tr|/?td|/?th|/?h[1-6]|/?table|/?ul|/?ol)\\b[^>]*>"_s,
            QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression tag(u"<[^>]*>"_s);
        text.remove(hidden);
        text.replace(block, u" "_s);
        text.remove(tag);
        text = decodeEntities(text);
    }
    return text.simplified();
}

} // namespace PlainText
