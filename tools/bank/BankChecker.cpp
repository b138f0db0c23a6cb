#include "BankChecker.h"

#include "AnswerFit.h"

#include "store/AnswerPage.h"
#include "store/BaseBank.h"
#include "store/CodeSchemes.h"
#include "store/StoreError.h"

#include <QDate>

using namespace Qt::Literals::StringLiterals;

namespace {

[[noreturn]] void refuse(const BankContent::Place& place, const QString& problem)
{
    throw StoreError(place.text() + u": "_s + problem);
}

using CodeSchemes::LeafChapterLength;
using CodeSchemes::MaxCitedPoints;
using CodeSchemes::MaxNodeLength;
using CodeSchemes::MaxQuestionKeyLength;
using CodeSchemes::PointCodeLength;
using CodeSchemes::StemKeyLength;

} // namespace

BankChecker::BankChecker(const BankContent& content, Target target, const BaseBank* base)
    : m_content(content), m_target(target), m_base(base)
{}

void BankChecker::check()
{
    checkHeader();
    checkTypes();
    checkChapters();
    checkCatalogue();
    checkPoints();
    checkStems();
    checkQuestions();
}

bool BankChecker::inBase(const QSet<QString>& (BaseBank::*codes)() const, const QString& code) const
{
    return m_base && (m_base->*codes)().contains(code.toCaseFolded());
}

void BankChecker::claim(QSet<QString>& seen, const QSet<QString>& (BaseBank::*codes)() const,
                        const QString& code, const BankContent::Place& place, const QString& what)
{
    const QString folded = code.toCaseFolded();
    if (seen.contains(folded))
        refuse(place, u"%1 \"%2\" 重复"_s.arg(what, code));
    if (inBase(codes, code))
        refuse(place, u"%1 \"%2\" 已在题库 %3 中"_s.arg(what, code, m_base->path()));
    seen.insert(folded);
}

void BankChecker::checkHeader() const
{
    const BankContent::Place source{m_content.source, {}, -1, {}};
    if (!m_content.hasProduct)
        refuse(source, u"缺少产品标识 \"product\""_s);
    if (m_target == Target::Bank) {
        if (!m_content.hasPlan)
            refuse(source, u"缺少学习计划 \"plan\""_s);
        if (!QDate::fromString(m_content.plan.examDate, Qt::ISODate).isValid())
            refuse(m_content.plan.place, u"考试日期 \"%1\" 应为 YYYY-MM-DD"_s.arg(m_content.plan.examDate));
        return;
    }
    // An upgrade file carries only the five merged tables and its identity.
    if (m_content.hasPlan)
        refuse(m_content.plan.place, u"升级文件不带学习计划"_s);
    if (!m_content.stems.isEmpty())
        refuse(m_content.stems.first().place, u"升级文件不带共用题干"_s);
    if (m_base) {
        const BankContent::Product& product = m_content.product;
        if (!m_base->products().contains(product.cpbs.toCaseFolded()))
            refuse(product.place, u"产品标识 \"%1\" 不是题库 %2 的产品"_s.arg(product.cpbs, m_base->path()));
        if (m_base->upgrades().contains(product.sjbs.toCaseFolded()))
            refuse(product.place, u"升级标识 \"%1\" 已在题库 %2 中"_s.arg(product.sjbs, m_base->path()));
    }
}

void BankChecker::checkTypes()
{
    QSet<QString> seen;
    for (const BankContent::QuestionType& type : m_content.types) {
        const QString subjectCode = u"%1/%2"_s.arg(type.subject).arg(type.code);
        if (seen.contains(subjectCode))
            refuse(type.place, u"科目 %1 的题型 %2 重复"_s.arg(type.subject).arg(type.code));
        seen.insert(subjectCode);
        m_types.insert(type.code);
    }
    if (m_base)
        m_types.unite(m_base->types());
}

void BankChecker::checkChapters()
{
    for (const BankContent::Chapter& chapter : m_content.chapters) {
        if (chapter.code.size() > LeafChapterLength)
            refuse(chapter.place, u"章节代码 \"%1\" 超过 6 个字符"_s.arg(chapter.code));
        claim(m_chapters, &BaseBank::chapters, chapter.code, chapter.place, u"章节"_s);
    }
}

void BankChecker::checkCatalogue()
{
    for (const BankContent::Node& node : m_content.catalogue) {
        if (node.id.size() > MaxNodeLength)
            refuse(node.place, u"目录节点 \"%1\" 超过 6 个字符"_s.arg(node.id));
        claim(m_nodes, &BaseBank::nodes, node.id, node.place, u"目录节点"_s);
    }
}

void BankChecker::checkPoints()
{
    for (const BankContent::Point& point : m_content.points) {
        if (point.ftid.size() != PointCodeLength)
            refuse(point.place, u"考点代码 \"%1\" 应有 12 个字符"_s.arg(point.ftid));
        claim(m_points, &BaseBank::points, point.ftid, point.place, u"考点"_s);
        for (const QString& node :
             {CodeSchemes::pointNode6(point.ftid), CodeSchemes::pointNode2(point.ftid)}) {
            if (!m_nodes.contains(node.toCaseFolded()) && !inBase(&BaseBank::nodes, node))
                refuse(point.place, u"考点的目录节点 \"%1\" 不存在"_s.arg(node));
        }
    }
}

void BankChecker::checkStems()
{
    for (const BankContent::Stem& stem : m_content.stems) {
        if (stem.key.size() != StemKeyLength)
            refuse(stem.place, u"共用题干编号 \"%1\" 应有 16 个字符"_s.arg(stem.key));
        claim(m_stems, &BaseBank::stems, stem.key, stem.place, u"共用题干"_s);
    }
}

void BankChecker::checkQuestions()
{
    for (const BankContent::Question& question : m_content.questions) {
        checkQuestionKey(question);
        checkQuestionChapter(question);
        checkQuestionType(question);
        checkQuestionPoints(question);
    }
}

void BankChecker::checkQuestionKey(const BankContent::Question& question)
{
    const QString& key = question.key;
    if (key.size() > MaxQuestionKeyLength)
        refuse(question.place, u"试题编号超过 20 个字符"_s);
    // The program finds the user's own questions by their leading "U", compared without case.
    if (key.startsWith(u'U', Qt::CaseInsensitive))
        refuse(question.place, u"以 \"U\" 开头的编号留给用户录入的试题"_s);
    claim(m_questions, &BaseBank::questions, key, question.place, u"试题编号"_s);
    const QString stem = CodeSchemes::stemKeyOf(key);
    if (!stem.isEmpty() && !m_stems.contains(stem.toCaseFolded()) && !inBase(&BaseBank::stems, stem))
        refuse(question.place, u"共用题干 \"%1\" 不存在"_s.arg(stem));
}

void BankChecker::checkQuestionChapter(const BankContent::Question& question) const
{
    const QString& chapter = question.chapter;
    if (!m_chapters.contains(chapter.toCaseFolded()) && !inBase(&BaseBank::chapters, chapter))
        refuse(question.place, u"章节 \"%1\" 不存在"_s.arg(chapter));
    if (chapter.size() != LeafChapterLength)
        refuse(question.place, u"章节 \"%1\" 不是具体章节（应为 6 位代码）"_s.arg(chapter));
}

void BankChecker::checkQuestionType(const BankContent::Question& question) const
{
    if (!m_types.contains(question.type))
        refuse(question.place, u"题型 %1 不在任何科目的题型表中"_s.arg(question.type));
    AnswerPage page{};
    if (!AnswerPages::pageOfType(question.type, &page))
        refuse(question.place, u"题型 %1 没有答题页"_s.arg(question.type));
    const QString problem = AnswerFit(page, question.options, question.hasOptions).problem(question.answer);
    if (!problem.isEmpty())
        refuse(question.place, problem);
}

void BankChecker::checkQuestionPoints(const BankContent::Question& question) const
{
    if (question.points.size() > MaxCitedPoints)
        refuse(question.place, u"最多引用 10 个考点"_s);
    QSet<QString> cited;
    for (const QString& point : question.points) {
        const QString folded = point.toCaseFolded();
        if (!m_points.contains(folded) && !inBase(&BaseBank::points, point))
            refuse(question.place, u"考点 \"%1\" 不存在"_s.arg(point));
        if (cited.contains(folded))
            refuse(question.place, u"考点 \"%1\" 引用了两次"_s.arg(point));
        cited.insert(folded);
    }
}
