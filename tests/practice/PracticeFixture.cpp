#include "PracticeFixture.h"

#include "PictureSet.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

PracticeContext::PracticeContext()
{
    const QDir pic(bank.programFolder() + u"pic"_s);
    pic.mkpath(u"."_s);
    for (const Picture& picture : practicePictures())
        picture.paint().save(pic.filePath(picture.fileName));
    bank.type(1, 61, u"单项选择题"_s, 30, 1.0)
        .type(1, 65, u"多项选择题"_s, 10, 2.0)
        .type(1, 66, u"配伍选择题"_s, 10, 1.0)
        .type(1, 62, u"判断题"_s, 0, 1.0);
}

PracticeContext& PracticeContext::chapters(const QString& leaf)
{
    for (const QString& code : {leaf.left(1), leaf.left(2), leaf.left(4), leaf}) {
        if (bank.integer(u"SELECT count(*) FROM tab_kmmc WHERE C1 = ?"_s, {code}) == 0)
            bank.chapter(code);
    }
    return *this;
}

PracticeContext& PracticeContext::singleChoices(int count, const QString& chapter, const QString& prefix)
{
    for (int i = 1; i <= count; ++i)
        bank.question(prefix + u"%1"_s.arg(i, 3, 10, QChar(u'0')), chapter, 61, u"B"_s, 4);
    return *this;
}

void PracticeContext::removePicture(const QString& file)
{
    QFile::remove(bank.programFolder() + u"pic/"_s + file);
}

QAbstractButton* button(QWidget& window, const QString& name)
{
    auto* found = window.findChild<QAbstractButton*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

void click(QWidget& window, const QString& name)
{
    if (QAbstractButton* found = button(window, name))
        QTest::mouseClick(found, Qt::LeftButton);
}

QString textOf(QWidget& window, const QString& labelName)
{
    auto* label = window.findChild<QLabel*>(labelName);
    EXPECT_NE(label, nullptr) << labelName.toStdString();
    return label ? label->text() : QString();
}
