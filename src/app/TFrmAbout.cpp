#include "TFrmAbout.h"

#include "store/TDM1.h"
#include "ui/AppContext.h"
#include "ui/Theme.h"

#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

QLabel* textBlock(const QString& objectName, const QString& html, QWidget* parent)
{
    auto* label = new QLabel(html, parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::RichText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QFrame* separator(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

TFrmAbout::TFrmAbout(AppContext& ctx, QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(u"TFrmAbout"_s);
    setWindowTitle(u"关于"_s);

    auto* picture = new QLabel(this);
    picture->setObjectName(u"Image1"_s);
    picture->setPixmap(QPixmap(QDir(ctx.dm.ProgramFolder()).filePath(u"pic/about.png"_s)));
    picture->setFixedSize(150, 210);
    picture->setScaledContents(true);
    picture->setAccessibleName(u"Velmarin 标志"_s);

    auto* title = textBlock(
        u"TitleBlock"_s,
        u"<div style='font-size:19pt; font-weight:600; color:%1'>Velmarin 考试学习系统</div>"
        u"<div style='margin-top:4px'>版本 %2 · 单机版</div>"
        u"<div style='margin-top:2px; color:%3'>章节练习 · 模拟考试 · 知识点 · 学习计划</div>"_s.arg(
            Theme::Accent.name(),
            QCoreApplication::applicationVersion().isEmpty() ? u"0.1"_s
                                                             : QCoreApplication::applicationVersion(),
            Theme::Muted.darker(130).name()),
        this);
    auto* contacts = textBlock(u"ContactBlock"_s,
                               u"<b>出版发行</b>　示例教育出版社（演示）<br>"
                               u"地址　示例市示例区学府路 1 号（示例地址）<br>"
                               u"电话　000-0000-0000（示例号码）<br>"
                               u"网址　www.example.com<br>"
                               u"技术支持　support@example.com"_s,
                               this);
    auto* rights = textBlock(
        u"RightsBlock"_s,
        u"<span style='color:%1'>本软件附带的题库、资料与联系方式均为演示内容，"
        u"不代表任何真实考试或机构。<br>版权所有 © 2026 Velmarin 开发组。保留所有权利。</span>"_s.arg(
            Theme::Muted.darker(140).name()),
        this);

    auto* close = new QPushButton(u"关 闭"_s, this);
    close->setObjectName(u"BitBtn1"_s);
    close->setDefault(true);
    close->setMinimumWidth(96);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->setSpacing(10);
    text->addWidget(title);
    text->addWidget(separator(this));
    text->addWidget(contacts);
    text->addWidget(separator(this));
    text->addWidget(rights);
    text->addStretch();

    auto* body = new QHBoxLayout;
    body->setSpacing(20);
    body->addWidget(picture, 0, Qt::AlignTop);
    body->addLayout(text, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->setSpacing(14);
    layout->addLayout(body);
    layout->addLayout(buttons);
    setFixedWidth(560);
    setFixedHeight(heightForWidth(560) > 0 ? heightForWidth(560) : sizeHint().height());
    close->setFocus();
}
