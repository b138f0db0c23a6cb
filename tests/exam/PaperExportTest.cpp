#include "TestContext.h"

#include "exam/PaperExport.h"
#include "store/PaperTable.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// A subject-1 paper of five questions: a true/false type without a type-table
// row, two single choices sharing a stem, one plain single choice and a rich
// multiple choice with a list and a picture.
struct ExportFixture
{
    TestContext t;
    QTemporaryDir documents;

    ExportFixture()
    {
        t.bank.type(1, 61, u"单选题"_s, 30, 1).type(1, 65, u"多选题"_s, 40, 0.5);
        t.bank.point(u"1001010001"_s, u"考点甲"_s, u"内容甲"_s)
            .point(u"1001010002"_s, u"考点乙"_s, u"内容乙"_s);
        t.bank.exec(u"INSERT INTO tab_fgmc (id, n, bh) VALUES ('1001', '第一节', '1001')"_s);
        t.bank.stem(u"G000000000000001"_s, u"<html><body><p><b>共用题干</b></p></body></html>"_s);
        t.bank.exec(PaperTable::createStatement(u"tab_exam1"_s));
        row(u"100101000001"_s, 31, u"A"_s, u"判断解析"_s, {u"1001010001"_s, u""_s, u" 1001010002 "_s});
        row(u"100101000003"_s, 61, u"C"_s, QVariant(), {u""_s});
        row(u"G000000000000001-1"_s, 61, u"B"_s, u""_s, {QVariant(), u"1001010001"_s});
        row(u"G000000000000001-2"_s, 61, u"A"_s, QVariant(), {});
        row(u"100101000004"_s, 65, u"ABD"_s, QVariant(), {});
        stem(u"100101000001"_s, u"判断题干"_s);
        stem(u"100101000003"_s, u"单选题干"_s);
        stem(u"G000000000000001-1"_s, u"共用一"_s);
        stem(u"G000000000000001-2"_s, u"共用二"_s);
        stem(u"100101000004"_s, u"<html><body><p>多选<b>题干</b><img src=\"pic/dot.png\" /></p>"
                                u"<ul><li>甲</li><li>乙</li></ul></body></html>"_s);
        QDir(t.bank.programFolder()).mkpath(u"pic"_s);
        QImage dot(8, 8, QImage::Format_RGB32);
        dot.fill(Qt::red);
        dot.save(t.bank.programFolder() + u"/pic/dot.png"_s);
        t.open();
    }

    void row(const QString& key, int type, const QString& answer, const QVariant& jx, const QVariantList& k)
    {
        QVariantList kk = k;
        while (kk.size() < 3)
            kk.append(QVariant());
        t.bank.exec(u"INSERT INTO tab_exam1 (A1, A2, A13, jx, K3, K4, K5) VALUES (?, ?, ?, ?, ?, ?, ?)"_s,
                    {key, answer, type, jx, kk[0], kk[1], kk[2]});
    }
    void stem(const QString& key, const QString& text)
    {
        t.bank.exec(u"INSERT INTO tab_exer (A1, A15) VALUES (?, ?)"_s, {key, text});
    }

    QString exportPaper(const QString& table = u"tab_exam1"_s, const QString& folder = {})
    {
        return PaperExport(*t.app, folder.isEmpty() ? documents.path() : folder).run(table, u"试卷甲"_s);
    }
};

QByteArray zipEntry(const QString& path, const QString& entry)
{
    QProcess unzip;
    unzip.start(u"unzip"_s, {u"-p"_s, path, entry});
    unzip.waitForFinished();
    return unzip.readAllStandardOutput();
}

// The text of every paragraph and heading of the document, in order.
QStringList paragraphs(const QByteArray& contentXml)
{
    QStringList found;
    QXmlStreamReader xml(contentXml);
    int depth = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        const bool paragraph = xml.name() == u"p"_s || xml.name() == u"h"_s;
        if (xml.isStartElement() && paragraph && depth++ == 0)
            found.append(QString());
        else if (xml.isEndElement() && paragraph)
            --depth;
        else if (depth > 0 && xml.isCharacters() && !xml.isWhitespace())
            found.last() += xml.text();
        else if (depth > 0 && xml.isStartElement() && xml.name() == u"s"_s)
            found.last() += u" "_s.repeated(qMax(1, xml.attributes().value(u"text:c"_s).toInt()));
    }
    return found;
}

} // namespace

TEST(PaperExport, writesQuestionsByTypeThenTheAnswersAfterAPageBreak)
{
    ExportFixture f;
    const QString path = f.exportPaper();
    ASSERT_EQ(path, f.documents.filePath(u"试卷甲.odt"_s));
    const QByteArray content = zipEntry(path, u"content.xml"_s);
    const QStringList expected = {u"试卷甲"_s,
                                  u""_s,
                                  u""_s,
                                  u"一、未知题型[共0题，每题0分，总计0分]"_s,
                                  u"1、判断题干"_s,
                                  u"二、单选题[共30题，每题1分，总计30分]"_s,
                                  u"2、单选题干"_s,
                                  u"共用题干"_s,
                                  u"3、共用一"_s,
                                  u"共用题干"_s,
                                  u"4、共用二"_s,
                                  u"三、多选题[共40题，每题0.5分，总计20分]"_s,
                                  u"5、多选题干"_s,
                                  u"甲"_s,
                                  u"乙"_s,
                                  u""_s,
                                  u"答案："_s,
                                  u""_s,
                                  u""_s,
                                  u"第1题"_s,
                                  u"试题答案：正确"_s,
                                  u"试题解析："_s,
                                  u"判断解析"_s,
                                  u"考点："_s,
                                  u"第一节 考点甲；"_s,
                                  u"内容甲"_s,
                                  u"第一节 考点乙；"_s,
                                  u"内容乙"_s,
                                  u"第2题"_s,
                                  u"试题答案：C"_s,
                                  u"考点："_s,
                                  u"第3题"_s,
                                  u"试题答案：B"_s,
                                  u"试题解析："_s,
                                  u""_s,
                                  u"第4题"_s,
                                  u"试题答案：A"_s,
                                  u"第5题"_s,
                                  u"试题答案：ABD"_s,
                                  u""_s};
    EXPECT_EQ(paragraphs(content), expected);
    EXPECT_TRUE(content.contains("fo:break-before=\"page\"")) << content.constData();
    EXPECT_TRUE(content.contains("fo:font-weight=\"bold\""));
    EXPECT_TRUE(content.contains("<text:list"));
    EXPECT_TRUE(content.contains("draw:image"));
    EXPECT_EQ(f.t.shell.opened, QStringList{path});
    EXPECT_EQ(f.t.progress.statuses, QStringList{u"正在导出试卷，请等待..."_s});
    EXPECT_FALSE(f.t.progress.shown);
    EXPECT_TRUE(f.t.prompts.messages.isEmpty());
}

TEST(PaperExport, neverOverwritesAnEarlierDocument)
{
    ExportFixture f;
    QFile earlier(f.documents.filePath(u"试卷甲.odt"_s));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier");
    earlier.close();
    EXPECT_EQ(f.exportPaper(), f.documents.filePath(u"试卷甲 (2).odt"_s));
    EXPECT_EQ(f.exportPaper(), f.documents.filePath(u"试卷甲 (3).odt"_s));
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), "earlier");
    EXPECT_EQ(QDir(f.documents.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
}

TEST(PaperExport, aFailureIsReportedAndLeavesNoFile)
{
    struct Case
    {
        const char* what;
        QString table;
        bool folderIsAFile;
    };
    const Case cases[] = {{"no such paper table", u"tab_exam9"_s, false},
                          {"not a paper table", u"tab_answ"_s, false},
                          {"folder cannot be written", u"tab_exam1"_s, true}};
    for (const Case& c : cases) {
        ExportFixture f;
        const QString blocker = f.documents.filePath(u"blocker"_s);
        QFile(blocker).open(QIODevice::WriteOnly);
        EXPECT_TRUE(f.exportPaper(c.table, c.folderIsAFile ? blocker + u"/sub"_s : QString()).isEmpty())
            << c.what;
        EXPECT_EQ(QDir(f.documents.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"blocker"_s})
            << c.what;
        ASSERT_EQ(f.t.prompts.messages.size(), 1) << c.what;
        EXPECT_TRUE(f.t.prompts.last().system);
        EXPECT_EQ(f.t.prompts.last().icon, Prompts::Icon::Warning);
        EXPECT_EQ(f.t.prompts.last().title, u"警告"_s);
        EXPECT_EQ(f.t.prompts.last().text, u"导出试题发生错误，请退出后重试！"_s);
        EXPECT_TRUE(f.t.shell.opened.isEmpty());
        EXPECT_FALSE(f.t.progress.shown);
    }
}

TEST(PaperExport, anUnopenedDocumentIsNamedToTheUser)
{
    ExportFixture f;
    f.t.shell.opens = false;
    const QString path = f.exportPaper();
    ASSERT_FALSE(path.isEmpty());
    ASSERT_EQ(f.t.prompts.messages.size(), 1);
    EXPECT_TRUE(f.t.prompts.last().text.contains(QDir::toNativeSeparators(path)));
}

TEST(PaperExport, fileNameOfTitle)
{
    EXPECT_EQ(PaperExport::fileNameOf(u"2026年12月08日Velmaret[1]"_s), u"2026年12月08日Velmaret[1]"_s);
    EXPECT_EQ(PaperExport::fileNameOf(u"a/b:c"_s), u"a_b_c"_s);
    EXPECT_EQ(PaperExport::fileNameOf(u"..hidden"_s), u"hidden"_s);
    EXPECT_EQ(PaperExport::fileNameOf(u"  "_s), u"试卷"_s);
}
