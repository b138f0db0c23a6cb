#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Everything a bank source holds, read from its JSON files but not yet written.
struct BankContent
{
    // Where an entry came from, so a refusal can name it.
    struct Place
    {
        QString file;
        QString list;
        int index = -1;
        QString key;

        // "file: list[index] "key"", or just the file for file-level problems.
        QString text() const;
    };

    struct Product
    {
        QString cpbs;
        QString sjbs;
        Place place;
    };

    struct Plan
    {
        int planMark = 0;
        int planAmount = 0;
        int planTime = 0;
        QString examDate;
        int leastMark = 0;
        int examTime = 0;
        Place place;
    };

    struct QuestionType
    {
        int subject = 0;
        int code = 0;
        QString name;
        int b2 = 0;
        double b3 = 0;
        double time = 1.0;
        Place place;
    };

    struct Chapter
    {
        QString code;
        QString name;
        QString caption;
        QString c7;
        QString bh;
        QString jx; // null when the source has none
        Place place;
    };

    struct Node
    {
        QString id;
        QString name;
        QString bh;
        Place place;
    };

    struct Point
    {
        QString ftid;
        QString title;
        QString text;
        Place place;
    };

    struct Stem
    {
        QString key;
        QString text;
        Place place;
    };

    struct Question
    {
        QString key;
        QString chapter;
        int type = 0;
        double xx = 0;
        QString stem;
        QStringList options;
        bool hasOptions = false;
        QString answer;
        QStringList points;
        QString jx; // null when the source has none
        Place place;
    };

    // The folder or file the content was read from.
    QString source;
    bool hasProduct = false;
    Product product;
    bool hasPlan = false;
    Plan plan;
    QVector<QuestionType> types;
    QVector<Chapter> chapters;
    QVector<Node> catalogue;
    QVector<Point> points;
    QVector<Stem> stems;
    QVector<Question> questions;
};
