#pragma once

#include "BankContent.h"

#include <QByteArray>
#include <QString>

class QJsonObject;

// Reads a bank source: every *.json of a folder in file-name order (or one
// .json file), the lists of all files joined. Each entry is checked field by
// field; how entries refer to each other is BankChecker's part.
class BankSource
{
public:
    static BankContent read(const QString& sourcePath);
    // One file's text; name is the file named in refusals.
    void readText(const QByteArray& json, const QString& name);
    const BankContent& content() const { return m_content; }

private:
    void readProduct(const QJsonObject& top, const QString& file);
    void readPlan(const QJsonObject& top, const QString& file);
    void readTypes(const QJsonObject& top, const QString& file);
    void readChapters(const QJsonObject& top, const QString& file);
    void readCatalogue(const QJsonObject& top, const QString& file);
    void readPoints(const QJsonObject& top, const QString& file);
    void readStems(const QJsonObject& top, const QString& file);
    void readQuestions(const QJsonObject& top, const QString& file);

    BankContent m_content;
};
