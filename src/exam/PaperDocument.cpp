#include "PaperDocument.h"

#include "store/PaperDocumentData.h"

#include <QDir>
#include <QImage>
#include <QSet>
#include <QTextBlockFormat>
#include <QTextDocumentFragment>
#include <QUrl>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int SharedStemKeyLength = 12;

QString decimal(double value)
{
    return QString::number(value, 'g', 15);
}

bool isAllowedPicture(const QString& name)
{
    if (name.startsWith(u"data:image/"_s, Qt::CaseInsensitive))
        return true;
    return name.startsWith(u"pic/"_s) && !name.contains(u".."_s) && !name.contains(u'\\') &&
           !name.contains(u':');
}

QImage decodeDataUrl(const QString& url)
{
    const qsizetype comma = url.indexOf(u',');
    if (comma < 0)
        return {};
    const QByteArray payload = url.mid(comma + 1).toLatin1();
    return QImage::fromData(url.left(comma).endsWith(u";base64"_s, Qt::CaseInsensitive)
                                ? QByteArray::fromBase64(payload)
                                : QByteArray::fromPercentEncoding(payload));
}

QString answerLine(const PaperDocumentData::Question& q)
{
    if (q.A13 == 31)
        return q.A2 == u"A"_s ? u"正确"_s : q.A2 == u"B"_s ? u"错误"_s : q.A2;
    if (q.A13 >= 61 && q.A13 <= 66)
        return q.A2;
    return {};
}

} // namespace

PaperDocument::PaperDocument(const QString& programFolder, QObject* parent)
    : QTextDocument(parent), m_programFolder(programFolder), m_cursor(this)
{}

QString PaperDocument::ChineseOrdinal(int k)
{
    static const QString ordinals[] = {u"一、"_s, u"二、"_s, u"三、"_s, u"四、"_s, u"五、"_s};
    return k >= 1 && k <= 5 ? ordinals[k - 1] : u"--"_s;
}

void PaperDocument::build(PaperDocumentData& data, const QString& title)
{
    write(title);
    for (int i = 0; i < 3; ++i)
        paragraph();
    writeQuestions(data);
    QTextBlockFormat pageBreak;
    pageBreak.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    m_cursor.insertBlock(pageBreak, QTextCharFormat());
    write(u"答案："_s);
    for (int i = 0; i < 3; ++i)
        paragraph();
    writeAnswers(data);
}

void PaperDocument::writeQuestions(PaperDocumentData& data)
{
    QSet<int> headed;
    int k = 0;
    int n = 0;
    for (const PaperDocumentData::Question& q : data.questions()) {
        ++n;
        // Only types 8 to 103 are remembered; any other is headed before each of its questions.
        if (!headed.contains(q.A13)) {
            write(typeHeading(data, q.A13, ++k));
            paragraph();
            if (q.A13 >= 8 && q.A13 <= 103)
                headed.insert(q.A13);
        }
        if (q.A1.size() != SharedStemKeyLength) {
            paste(data.sharedStem(q.A1));
            paragraph();
        }
        write(QString::number(n) + u"、"_s);
        paste(data.stem(q.A1));
        paragraph();
    }
}

void PaperDocument::writeAnswers(PaperDocumentData& data)
{
    int n = 0;
    for (const PaperDocumentData::Question& q : data.questions()) {
        write(u"第%1题"_s.arg(++n));
        paragraph();
        if (q.A13 == 31 || (q.A13 >= 61 && q.A13 <= 66)) {
            write(u"试题答案："_s + answerLine(q));
            paragraph();
        }
        if (q.jx) {
            write(u"试题解析："_s);
            paragraph();
            paste(*q.jx);
            paragraph();
        }
        if (!q.K[0])
            continue;
        write(u"考点："_s);
        paragraph();
        for (const std::optional<QString>& column : q.K) {
            const QString code = column.value_or(QString()).trimmed();
            if (code.isEmpty())
                continue;
            const std::optional<KnowledgePoints::Point> point = data.point(code);
            const QString heading = point ? point->sn : QString();
            const QString node = data.nodeName(code.left(4));
            write((node.isEmpty() ? heading : node + u" "_s + heading) + u"；"_s);
            paragraph();
            paste(point ? point->n : QString());
            paragraph();
        }
    }
}

QString PaperDocument::typeHeading(PaperDocumentData& data, int type, int k) const
{
    QString name = u"未知题型"_s;
    int count = 0;
    double score = 0;
    for (const TypeScoreTable::Row& row : data.types()) {
        if (row.A1 == type) {
            name = row.B1;
            count = row.B2;
            score = row.B3;
            break;
        }
    }
    return ChineseOrdinal(k) + name +
           u"[共%1题，每题%2分，总计%3分]"_s.arg(count).arg(decimal(score), decimal(count * score));
}

void PaperDocument::write(const QString& text)
{
    m_cursor.insertText(text);
}

void PaperDocument::paragraph()
{
    // Each paragraph starts plain, so neither a page break nor pasted formatting runs on.
    m_cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
}

void PaperDocument::paste(const QString& stored)
{
    if (stored.isEmpty())
        return;
    if (Qt::mightBeRichText(stored))
        m_cursor.insertFragment(QTextDocumentFragment::fromHtml(stored, this));
    else
        m_cursor.insertText(stored);
}

QVariant PaperDocument::loadResource(int type, const QUrl& name)
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
