#pragma once

#include <QString>
#include <QTextCursor>
#include <QTextDocument>

class PaperDocumentData;

// An inspected paper as a document: the questions under their type headings,
// then after a page break the answers, explanations and cited points. Stored
// rich text keeps its formatting; pictures come only from pic/ or data: URIs.
class PaperDocument : public QTextDocument
{
public:
    PaperDocument(const QString& programFolder, QObject* parent = nullptr);

    // Writes the whole paper; a StoreError from the bank ends it.
    void build(PaperDocumentData& data, const QString& title);

    // "一、" … "五、" for headings 1 to 5, "--" for any other.
    static QString ChineseOrdinal(int k);

protected:
    QVariant loadResource(int type, const QUrl& name) override;

private:
    void writeQuestions(PaperDocumentData& data);
    void writeAnswers(PaperDocumentData& data);
    QString typeHeading(PaperDocumentData& data, int type, int k) const;
    void write(const QString& text);
    void paragraph();
    // The stored text at the cursor: Qt HTML with its formatting, or plain text.
    void paste(const QString& stored);

    QString m_programFolder;
    QTextCursor m_cursor;
};
