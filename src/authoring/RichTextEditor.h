#pragma once

#include <QString>
#include <QTextEdit>

class QTextDocument;

// A rich-text editor for stems and explanations. It hands back what the bank
// stores: the text it was given when nothing was edited, otherwise Qt HTML
// without the document's font and with pictures only from pic/ or data: URIs.
// It never loads any other resource.
class RichTextEditor : public QTextEdit
{
    Q_OBJECT

public:
    RichTextEditor(const QString& programFolder, const QString& objectName, const QString& accessibleName,
                   QWidget* parent = nullptr);

    // Shows a stored text (Qt HTML, plain text or nothing) as unedited.
    void setStoredText(const QString& stored);
    QString storedText() const;
    // True when the text, trimmed, is empty.
    bool isBlank() const;

    static bool isAllowedPicture(const QString& name);
    static QString storedHtml(const QTextDocument& document);

    QVariant loadResource(int type, const QUrl& name) override;

protected:
    void insertFromMimeData(const QMimeData* source) override;

private:
    QString m_programFolder;
    QString m_stored;
};
