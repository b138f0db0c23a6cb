#include "BankSource.h"

#include "JsonEntry.h"

#include "store/StoreError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

QStringList sourceFiles(const QString& sourcePath)
{
    const QFileInfo info(sourcePath);
    if (info.isFile())
        return {sourcePath};
    if (!info.isDir())
        throw StoreError(u"%1: 题库源不存在"_s.arg(sourcePath));
    QStringList names = QDir(sourcePath).entryList({u"*.json"_s}, QDir::Files);
    std::sort(names.begin(), names.end());
    if (names.isEmpty())
        throw StoreError(u"%1: 文件夹中没有 .json 文件"_s.arg(sourcePath));
    QStringList files;
    for (const QString& name : names)
        files.append(QDir(sourcePath).filePath(name));
    return files;
}

// Line and column of a byte offset, for a parser message a person can find.
QString positionOf(const QByteArray& json, int offset)
{
    int line = 1;
    int column = 1;
    for (int i = 0; i < offset && i < json.size(); ++i) {
        if (json[i] == '\n') {
            ++line;
            column = 1;
        } else if ((json[i] & 0xC0) != 0x80) {
            ++column;
        }
    }
    return u"偏移 %1，第 %2 行第 %3 列"_s.arg(offset).arg(line).arg(column);
}

// The entries of one list of a file; an absent list is an empty one.
QJsonArray listOf(const QJsonObject& top, const QString& list, const QString& file)
{
    const QJsonValue value = top.value(list);
    if (value.isUndefined() || value.isNull())
        return {};
    if (!value.isArray())
        throw StoreError(u"%1: \"%2\" 应为列表"_s.arg(file, list));
    return value.toArray();
}

BankContent::Place placeOf(const QString& file, const QString& list, int index = -1)
{
    return BankContent::Place{file, list, index, {}};
}

} // namespace

BankContent BankSource::read(const QString& sourcePath)
{
    BankSource source;
    source.m_content.source = sourcePath;
    for (const QString& path : sourceFiles(sourcePath)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw StoreError(u"%1: 无法读取（%2）"_s.arg(path, file.errorString()));
        source.readText(file.readAll(), path);
    }
    return source.m_content;
}

void BankSource::readText(const QByteArray& json, const QString& name)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        throw StoreError(
            u"%1: JSON 格式错误（%2）：%3"_s.arg(name, positionOf(json, error.offset), error.errorString()));
    if (!document.isObject())
        throw StoreError(u"%1: 文件内容应为一个 JSON 对象"_s.arg(name));
    const QJsonObject top = document.object();
    JsonEntry(top, placeOf(name, {}))
        .allowOnly({u"product"_s, u"plan"_s, u"types"_s, u"chapters"_s, u"catalogue"_s, u"points"_s,
                    u"stems"_s, u"questions"_s});
    readProduct(top, name);
    readPlan(top, name);
    readTypes(top, name);
    readChapters(top, name);
    readCatalogue(top, name);
    readPoints(top, name);
    readStems(top, name);
    readQuestions(top, name);
}

void BankSource::readProduct(const QJsonObject& top, const QString& file)
{
    if (!top.contains(u"product"_s))
        return;
    const JsonEntry entry(top.value(u"product"_s), placeOf(file, u"product"_s));
    if (m_content.hasProduct)
        entry.refuse(u"产品标识重复，已在 %1 给出"_s.arg(m_content.product.place.file));
    m_content.product = {entry.requiredText(u"cpbs"_s), entry.requiredText(u"sjbs"_s), entry.place()};
    m_content.hasProduct = true;
}

void BankSource::readPlan(const QJsonObject& top, const QString& file)
{
    if (!top.contains(u"plan"_s))
        return;
    const JsonEntry entry(top.value(u"plan"_s), placeOf(file, u"plan"_s));
    if (m_content.hasPlan)
        entry.refuse(u"学习计划重复，已在 %1 给出"_s.arg(m_content.plan.place.file));
    BankContent::Plan& plan = m_content.plan;
    plan.planMark = entry.requiredInteger(u"PlanMark"_s);
    plan.planAmount = entry.requiredInteger(u"PlanAmount"_s);
    plan.planTime = entry.requiredInteger(u"PlanTime"_s);
    plan.examDate = entry.requiredText(u"ExamDate"_s);
    plan.leastMark = entry.requiredInteger(u"LeastMark"_s);
    plan.examTime = entry.requiredInteger(u"ExamTime"_s);
    plan.place = entry.place();
    m_content.hasPlan = true;
}

void BankSource::readTypes(const QJsonObject& top, const QString& file)
{
    if (!top.contains(u"types"_s))
        return;
    const JsonEntry subjects(top.value(u"types"_s), placeOf(file, u"types"_s));
    subjects.allowOnly({u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s});
    const QJsonObject bySubject = top.value(u"types"_s).toObject();
    for (auto it = bySubject.begin(); it != bySubject.end(); ++it) {
        const QString list = u"types.%1"_s.arg(it.key());
        const QJsonArray rows = listOf(bySubject, it.key(), file + u": types"_s);
        for (int i = 0; i < rows.size(); ++i) {
            JsonEntry entry(rows[i], placeOf(file, list, i));
            BankContent::QuestionType type;
            type.subject = it.key().toInt();
            type.code = entry.requiredInteger(u"A1"_s);
            entry.setKey(QString::number(type.code));
            entry.allowOnly({u"A1"_s, u"B1"_s, u"B2"_s, u"B3"_s, u"time"_s});
            type.name = entry.requiredText(u"B1"_s);
            type.b2 = entry.optionalInteger(u"B2"_s, 0);
            type.b3 = entry.optionalNumber(u"B3"_s, 0);
            type.time = entry.optionalNumber(u"time"_s, 1.0);
            type.place = entry.place();
            m_content.types.append(type);
        }
    }
}

void BankSource::readChapters(const QJsonObject& top, const QString& file)
{
    const QJsonArray rows = listOf(top, u"chapters"_s, file);
    for (int i = 0; i < rows.size(); ++i) {
        JsonEntry entry(rows[i], placeOf(file, u"chapters"_s, i));
        BankContent::Chapter chapter;
        chapter.code = entry.requiredText(u"C1"_s);
        entry.setKey(chapter.code);
        entry.allowOnly({u"C1"_s, u"C2"_s, u"C1_1"_s, u"C7"_s, u"bh"_s, u"jx"_s});
        chapter.name = entry.requiredText(u"C2"_s);
        chapter.caption = entry.optionalText(u"C1_1"_s);
        if (chapter.caption.isNull())
            chapter.caption = chapter.name;
        chapter.c7 = entry.optionalText(u"C7"_s);
        chapter.bh = entry.optionalText(u"bh"_s);
        if (chapter.bh.isNull())
            chapter.bh = chapter.code;
        chapter.jx = entry.optionalText(u"jx"_s);
        chapter.place = entry.place();
        m_content.chapters.append(chapter);
    }
}

void BankSource::readCatalogue(const QJsonObject& top, const QString& file)
{
    const QJsonArray rows = listOf(top, u"catalogue"_s, file);
    for (int i = 0; i < rows.size(); ++i) {
        JsonEntry entry(rows[i], placeOf(file, u"catalogue"_s, i));
        BankContent::Node node;
        node.id = entry.requiredText(u"id"_s);
        entry.setKey(node.id);
        entry.allowOnly({u"id"_s, u"n"_s, u"bh"_s});
        node.name = entry.requiredText(u"n"_s);
        node.bh = entry.optionalText(u"bh"_s);
        if (node.bh.isNull())
            node.bh = node.id;
        node.place = entry.place();
        m_content.catalogue.append(node);
    }
}

void BankSource::readPoints(const QJsonObject& top, const QString& file)
{
    const QJsonArray rows = listOf(top, u"points"_s, file);
    for (int i = 0; i < rows.size(); ++i) {
        JsonEntry entry(rows[i], placeOf(file, u"points"_s, i));
        BankContent::Point point;
        point.ftid = entry.requiredText(u"ftid"_s);
        entry.setKey(point.ftid);
        entry.allowOnly({u"ftid"_s, u"sn"_s, u"n"_s});
        point.title = entry.requiredText(u"sn"_s);
        point.text = entry.optionalText(u"n"_s);
        point.place = entry.place();
        m_content.points.append(point);
    }
}

void BankSource::readStems(const QJsonObject& top, const QString& file)
{
    const QJsonArray rows = listOf(top, u"stems"_s, file);
    for (int i = 0; i < rows.size(); ++i) {
        JsonEntry entry(rows[i], placeOf(file, u"stems"_s, i));
        BankContent::Stem stem;
        stem.key = entry.requiredText(u"A1"_s);
        entry.setKey(stem.key);
        entry.allowOnly({u"A1"_s, u"A15"_s});
        stem.text = entry.requiredText(u"A15"_s);
        stem.place = entry.place();
        m_content.stems.append(stem);
    }
}

void BankSource::readQuestions(const QJsonObject& top, const QString& file)
{
    const QJsonArray rows = listOf(top, u"questions"_s, file);
    for (int i = 0; i < rows.size(); ++i) {
        JsonEntry entry(rows[i], placeOf(file, u"questions"_s, i));
        BankContent::Question question;
        question.key = entry.requiredText(u"A1"_s);
        entry.setKey(question.key);
        entry.allowOnly(
            {u"A1"_s, u"A10"_s, u"A13"_s, u"xx"_s, u"stem"_s, u"options"_s, u"A2"_s, u"K"_s, u"jx"_s});
        question.chapter = entry.requiredText(u"A10"_s);
        question.type = entry.requiredInteger(u"A13"_s);
        // Without its own order a question keeps its place in the source.
        question.xx = entry.optionalNumber(u"xx"_s, m_content.questions.size() + 1);
        question.stem = entry.requiredText(u"stem"_s);
        question.options = entry.optionalTextList(u"options"_s, &question.hasOptions);
        question.answer = entry.requiredText(u"A2"_s);
        question.points = entry.optionalTextList(u"K"_s);
        question.jx = entry.optionalText(u"jx"_s);
        question.place = entry.place();
        m_content.questions.append(question);
    }
}
