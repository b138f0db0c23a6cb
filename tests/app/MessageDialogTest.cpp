#include "FakeModalRunner.h"
#include "FakeServices.h"

#include "app/AppPrompts.h"
#include "app/TFrmDlg.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const FakeScreen Screen;

struct Controls
{
    explicit Controls(TFrmDlg& dialog)
        : title(dialog.findChild<QLabel*>(u"Label1"_s)), text(dialog.findChild<QLabel*>(u"fcLabel1"_s)),
          pictures(dialog.findChild<QStackedWidget*>(u"epNoteBook1"_s)),
          button{dialog.findChild<QPushButton*>(u"fcShapeBtn1"_s),
                 dialog.findChild<QPushButton*>(u"fcShapeBtn2"_s),
                 dialog.findChild<QPushButton*>(u"fcShapeBtn3"_s)}
    {}
    QLabel* title;
    QLabel* text;
    QStackedWidget* pictures;
    QPushButton* button[3];

    std::array<bool, 3> shown() const
    {
        return {!button[0]->isHidden(), !button[1]->isHidden(), !button[2]->isHidden()};
    }
    QStringList captions() const { return {button[0]->text(), button[1]->text(), button[2]->text()}; }
};

TEST(MessageDialog, StartsAsDesigned)
{
    TFrmDlg dialog(Screen, QString{});
    Controls c(dialog);
    ASSERT_TRUE(c.title && c.text && c.pictures && c.button[0] && c.button[1] && c.button[2]);
    EXPECT_EQ(dialog.windowTitle(), u"提示框"_s);
    EXPECT_EQ(dialog.size(), QSize(785, 110));
    EXPECT_EQ(dialog.designedWidth(), 785);
    EXPECT_EQ(c.pictures->count(), 3);
    EXPECT_EQ(c.pictures->currentIndex(), 1);
    EXPECT_EQ(c.button[0]->pos(), QPoint(64, 80));
    EXPECT_EQ(c.button[2]->pos(), QPoint(160, 80));
    EXPECT_EQ(c.button[1]->pos(), QPoint(256, 80));
    EXPECT_EQ(c.button[0]->size(), QSize(73, 25));
    EXPECT_EQ(dialog.windowFlags() & Qt::FramelessWindowHint, Qt::FramelessWindowHint);
}

using ButtonSet = Prompts::ButtonSet;
using Picture = Prompts::Picture;
using Variant = Prompts::Variant;

struct ButtonSetCase
{
    ButtonSet buttonSet;
    std::array<bool, 3> shown;
    int width;
};

void PrintTo(const ButtonSetCase& c, std::ostream* out)
{
    *out << "set " << int(c.buttonSet);
}

class ButtonSets : public ::testing::TestWithParam<ButtonSetCase>
{
};

TEST_P(ButtonSets, ShowTheirButtonsAtTheirWidth)
{
    TFrmDlg dialog(Screen, QString{});
    Controls c(dialog);
    dialog.prepare(u"提示"_s, u"文本"_s, GetParam().buttonSet, Picture::Information);
    EXPECT_EQ(c.shown(), GetParam().shown);
    EXPECT_EQ(dialog.width(), GetParam().width);
}

INSTANTIATE_TEST_SUITE_P(Sets, ButtonSets,
                         ::testing::Values(ButtonSetCase{ButtonSet::OkCancel, {true, true, false}, 785},
                                           ButtonSetCase{ButtonSet::Ok, {false, false, true}, 785},
                                           ButtonSetCase{ButtonSet::ThreeWay, {true, true, true}, 785},
                                           ButtonSetCase{ButtonSet::NarrowOk, {true, false, false}, 200}));

TEST(MessageDialog, TheNarrowNoticeIsFollowedByTheDesignedWidth)
{
    TFrmDlg dialog(Screen, QString{});
    dialog.prepare(u"提示"_s, u"请选择具体章节!"_s, Prompts::ButtonSet::NarrowOk, Prompts::Picture::Warning);
    EXPECT_EQ(dialog.width(), 200);
    dialog.prepare(u"提示"_s, u"没发现声卡！"_s, Prompts::ButtonSet::Ok, Prompts::Picture::Warning);
    EXPECT_EQ(dialog.width(), 785);
}

TEST(MessageDialog, CaptionsSwitchOnlyForTheExamVariant)
{
    const QStringList ordinary{u"确定"_s, u"取消"_s, u"确定"_s};
    const QStringList exam{u"确定"_s, u"作废"_s, u"取消"_s};
    const std::pair<Variant, QStringList> cases[] = {
        {Variant::Exam, exam}, {Variant::Plain, ordinary}, {Variant::Exam, exam}};
    TFrmDlg dialog(Screen, QString{});
    Controls c(dialog);
    for (const auto& [variant, captions] : cases) {
        dialog.prepare(u"提示"_s, u"确定要交卷吗？"_s, ButtonSet::ThreeWay, Picture::Information, variant);
        EXPECT_EQ(c.captions(), captions) << int(variant);
    }
}

TEST(MessageDialog, ShowsTitleTextAndPicture)
{
    TFrmDlg dialog(Screen, QString{});
    Controls c(dialog);
    for (Picture page : {Picture::Information, Picture::Warning, Picture::Error}) {
        dialog.prepare(u"错误"_s, u"无法打开试题！"_s, ButtonSet::Ok, page);
        EXPECT_EQ(c.pictures->currentIndex(), int(page));
    }
    EXPECT_EQ(dialog.windowTitle(), u"错误"_s);
    EXPECT_EQ(c.title->text(), u"错误"_s);
    EXPECT_EQ(c.text->text(), u"无法打开试题！"_s);
}

TEST(MessageDialog, ALongTextMakesTheDialogTallerNotClipped)
{
    TFrmDlg dialog(Screen, QString{});
    Controls c(dialog);
    QString text;
    for (int i = 0; i < 12; ++i)
        text += u"题库文件可能已经损坏，请从备份中恢复后再试。"_s;
    for (ButtonSet buttonSet : {ButtonSet::Ok, ButtonSet::NarrowOk}) {
        dialog.prepare(u"错误"_s, text, buttonSet, Picture::Error);
        EXPECT_EQ(dialog.width(), buttonSet == ButtonSet::NarrowOk ? 200 : 785);
        EXPECT_GT(dialog.height(), 110);
        const QRect textArea = c.text->geometry();
        EXPECT_GE(textArea.height(), c.text->heightForWidth(textArea.width()));
        EXPECT_LE(textArea.right(), dialog.width());
        for (QPushButton* button : c.button) {
            EXPECT_GT(button->y(), textArea.bottom());
            EXPECT_LE(button->geometry().bottom(), dialog.height());
        }
    }
    dialog.prepare(u"提示"_s, u"短"_s, Prompts::ButtonSet::Ok, Prompts::Picture::Warning);
    EXPECT_EQ(dialog.height(), 110);
}

struct PressCase
{
    ButtonSet buttonSet;
    Variant variant;
    int pressed; // 1..3: fcShapeBtn<n>; 0: Escape
    int result;
};

void PrintTo(const PressCase& c, std::ostream* out)
{
    *out << "set " << int(c.buttonSet) << " variant " << int(c.variant) << " "
         << (c.pressed == 0 ? std::string("Escape") : "button " + std::to_string(c.pressed));
}

class Results : public ::testing::TestWithParam<PressCase>
{
};

TEST_P(Results, AreThoseOfThePressedButton)
{
    const PressCase& p = GetParam();
    TFrmDlg dialog(Screen, QString{});
    FakeModalRunner runner;
    runner.on(u"TFrmDlg"_s, [&](QDialog& shown) {
        if (p.pressed == 0)
            QTest::keyClick(&shown, Qt::Key_Escape);
        else
            QTest::mouseClick(shown.findChild<QPushButton*>(u"fcShapeBtn%1"_s.arg(p.pressed)),
                              Qt::LeftButton);
    });
    EXPECT_EQ(
        dialog.MessageDialog(runner, u"提示"_s, u"文本"_s, p.buttonSet, Picture::Information, p.variant),
        p.result);
    EXPECT_FALSE(dialog.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Buttons, Results,
                         ::testing::Values(PressCase{ButtonSet::Ok, Variant::Plain, 3, 3},
                                           PressCase{ButtonSet::OkCancel, Variant::Plain, 1, 1},
                                           PressCase{ButtonSet::OkCancel, Variant::Plain, 2, 2},
                                           PressCase{ButtonSet::ThreeWay, Variant::Exam, 1, 1},
                                           PressCase{ButtonSet::ThreeWay, Variant::Exam, 2, 2},
                                           PressCase{ButtonSet::ThreeWay, Variant::Exam, 3, 3},
                                           PressCase{ButtonSet::NarrowOk, Variant::Plain, 1, 1},
                                           PressCase{ButtonSet::Ok, Variant::Plain, 0, 3},
                                           PressCase{ButtonSet::OkCancel, Variant::Plain, 0, 2},
                                           PressCase{ButtonSet::ThreeWay, Variant::Exam, 0, 3},
                                           PressCase{ButtonSet::NarrowOk, Variant::Plain, 0, 1}));

TEST(MessageDialog, IsReusedAcrossMessages)
{
    TFrmDlg dialog(Screen, QString{});
    FakeModalRunner runner;
    runner.on(u"TFrmDlg"_s, [](QDialog& shown) { shown.findChild<QPushButton*>(u"fcShapeBtn3"_s)->click(); });
    EXPECT_EQ(
        dialog.MessageDialog(runner, u"提示"_s, u"一"_s, Prompts::ButtonSet::Ok, Prompts::Picture::Warning),
        3);
    EXPECT_EQ(dialog.MessageDialog(runner, u"提示"_s, u"二"_s, Prompts::ButtonSet::Ok,
                                   Prompts::Picture::Information),
              3);
    EXPECT_EQ(runner.shown.size(), 2);
}

// The real Prompts

TEST(AppPrompts, ShowTheProgramsMessagesThroughTheSharedDialog)
{
    FakeModalRunner runner;
    AppPrompts prompts(runner);
    TFrmDlg dialog(Screen, QString{});
    prompts.setDialog(&dialog);
    runner.on(u"TFrmDlg"_s, [](QDialog& shown) { shown.findChild<QPushButton*>(u"fcShapeBtn2"_s)->click(); });
    EXPECT_EQ(prompts.MessageDialog(u"提示"_s, u"确定要交卷吗？"_s, Prompts::ButtonSet::ThreeWay,
                                    Prompts::Picture::Information, Prompts::Variant::Exam),
              2);
    EXPECT_EQ(dialog.findChild<QLabel*>(u"fcLabel1"_s)->text(), u"确定要交卷吗？"_s);
}

TEST(AppPrompts, ShowTheSystemBoxWithItsCaptionTextAndButtons)
{
    for (const bool pressOk : {true, false}) {
        FakeModalRunner runner;
        AppPrompts prompts(runner);
        QString caption;
        QString text;
        QStringList buttons;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        runner.on(u"QMessageBox"_s, [&](QDialog& shown) {
            auto& box = static_cast<QMessageBox&>(shown);
            caption = box.windowTitle();
            text = box.text();
            icon = box.icon();
            for (QAbstractButton* button : box.buttons())
                buttons.append(button->text());
            for (QAbstractButton* button : box.buttons()) {
                if (button->text() == (pressOk ? u"确定"_s : u"取消"_s))
                    button->click();
            }
        });
        EXPECT_EQ(prompts.systemMessage(Prompts::Icon::Question, u"提示"_s,
                                        u"还未完成今日学习计划，要退出吗？"_s, Prompts::Buttons::OkCancel),
                  pressOk);
        EXPECT_EQ(caption, u"提示"_s);
        EXPECT_EQ(text, u"还未完成今日学习计划，要退出吗？"_s);
        EXPECT_EQ(icon, QMessageBox::Question);
        buttons.sort();
        EXPECT_EQ(buttons, (QStringList{u"取消"_s, u"确定"_s}));
    }
}

} // namespace
