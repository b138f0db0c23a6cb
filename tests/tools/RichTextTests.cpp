// Source text becomes Qt HTML without losing a character: plain text stays as
// written, HTML keeps its formatting, and a "<" that opens no tag stays text.
#include "RichText.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Conversion
{
    QString source;
    bool html;
    QString plainText;
    QString boldText; // the text set in bold, if any
};

QString boldTextOf(const QTextDocument& document)
{
    QString bold;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().fontWeight() >= QFont::Bold)
                bold += it.fragment().text();
        }
    }
    return bold;
}

TEST(RichText, ConvertsSourceTextWithoutLoss)
{
    const Conversion conversions[] = {
        {u"一件商品降价 25%"_s, false, u"一件商品降价 25%"_s, {}},
        {u"第一行\n第二行"_s, false, u"第一行\n第二行"_s, {}},
        {u"当 a < b 且 b > c"_s, false, u"当 a < b 且 b > c"_s, {}},
        {u"a<b and c>d"_s, false, u"a<b and c>d"_s, {}},
        {u"<b>粗体</b>与正文"_s, true, u"粗体与正文"_s, u"粗体"_s},
        {u"200 × 0.15 = 30<br>故选 B"_s, true, u"200 × 0.15 = 30\n故选 B"_s, {}},
        {u"<p align=\"center\">居中</p>"_s, true, u"居中"_s, {}},
        {u"从小到大为 0.65 < 112.5% < 1.5<br><b>故选 C</b>"_s, true,
         u"从小到大为 0.65 < 112.5% < 1.5\n故选 C"_s, u"故选 C"_s},
        {u"x<sup>2</sup> < 10 &amp; y<sub>1</sub>"_s, true, u"x2 < 10 & y1"_s, {}},
    };
    for (const Conversion& c : conversions) {
        SCOPED_TRACE(c.source.toStdString());
        EXPECT_EQ(RichText::looksLikeHtml(c.source), c.html);
        const QString stored = RichText::toQtHtml(c.source);
        EXPECT_TRUE(stored.contains(u"qrichtext"_s));
        QTextDocument document;
        document.setHtml(stored);
        EXPECT_EQ(document.toPlainText(), c.plainText);
        EXPECT_EQ(boldTextOf(document), c.boldText);
    }
}

TEST(RichText, OptionsFollowTheStemAsLetteredLines)
{
    QTextDocument document;
    document.setHtml(
        RichText::stemWithOptions(u"<p><b>题干</b></p>"_s, {u"甲"_s, u"x<sup>2</sup>"_s, u"1 < 2"_s}));
    EXPECT_EQ(document.toPlainText(), u"题干\nA．甲\nB．x2\nC．1 < 2"_s);
    // The options do not inherit the stem's bold.
    EXPECT_EQ(boldTextOf(document), u"题干"_s);
}

TEST(RichText, BlankTextStaysNull)
{
    EXPECT_TRUE(RichText::toQtHtmlOrNull({}).isNull());
    EXPECT_TRUE(RichText::toQtHtmlOrNull(u" \n"_s).isNull());
    EXPECT_FALSE(RichText::toQtHtmlOrNull(u"解析"_s).isNull());
}

} // namespace

TEST(RichTextFont, theReaderChoosesTheFontOfAStoredText)
{
    QTextDocument document;
    QFont large(u"Noto Sans CJK SC"_s);
    large.setPointSize(18);
    document.setDefaultFont(large);
    document.setHtml(RichText::stemWithOptions(u"题干"_s, {u"甲"_s, u"乙"_s}));
    const QTextCharFormat format = document.begin().begin().fragment().charFormat();
    EXPECT_EQ(format.font().pointSize(), 18);
}
