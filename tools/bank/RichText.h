#pragma once

#include <QRegularExpression>
#include <QString>
#include <QStringList>

// Source text (plain, or simple HTML) turned into the Qt HTML the bank stores.
class RichText
{
public:
    // Text holding a tag is read as HTML, anything else as plain text.
    static bool looksLikeHtml(const QString& text);
    // In HTML sources a "<" that opens no tag ("0.65 < 1.5<br>") is text, not the start of a tag
    // that would swallow what follows.
    static QString escapeStrayAngles(const QString& html);
    static QString toQtHtml(const QString& text);
    // A question's stem followed by its options as lines "A．…", "B．…".
    static QString stemWithOptions(const QString& stem, const QStringList& options);
    // The first picture source that is neither under pic/ nor a data: image (the program shows
    // no other); a null QString when there is none.
    static QString foreignPicture(const QString& text);
    // A null QString for an absent or blank text, so the column stays NULL.
    static QString toQtHtmlOrNull(const QString& text);

private:
    static const QRegularExpression& tagPattern();
};
