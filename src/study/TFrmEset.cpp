#include "TFrmEset.h"

#include "StudyBackgrounds.h"
#include "StudyWidgets.h"

#include "platform/Prompts.h"
#include "store/SettingsRecord.h"
#include "store/StoreError.h"
#include "store/TDM1.h"
#include "ui/AppContext.h"
#include "ui/GuardedSlot.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString DefaultMinutes = u"120"_s;

QLineEdit* numberBox(QWidget* parent, const QString& objectName, const QString& accessibleName,
                     const QString& hint)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(objectName);
    box->setAccessibleName(accessibleName);
    box->setToolTip(hint);
    box->setMaxLength(3);
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(u"[0-9]{0,3}"_s), box));
    box->setAlignment(Qt::AlignCenter);
    return box;
}

QCheckBox* checkBox(QWidget* parent, const QString& text, const QString& objectName)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(objectName);
    box->setAccessibleName(text);
    return box;
}

} // namespace

TFrmEset::TFrmEset(AppContext& ctx, QWidget* parent)
    : FramelessDialog(ctx.services.screen, parent), m_ctx(ctx)
{
    setObjectName(u"TFrmEset"_s);
    setFixedSize(360, 159);
    setBackgroundFile(StudyWidgets::picturePath(ctx, StudyBackgrounds::examSettings()));
    buildControls();
    FormShow();
}

void TFrmEset::buildControls()
{
    m_scoreCheck = checkBox(this, u"保留试卷最低分数"_s, u"suiCheckBox1"_s);
    m_scoreCheck->setGeometry(40, 28, 180, 28);
    m_scoreBox = numberBox(this, u"suiNumberEdit1"_s, u"保留试卷最低分数"_s, u"与试卷总分数相关"_s);
    m_scoreBox->setGeometry(236, 28, 80, 28);

    m_minutesCheck = checkBox(this, u"模拟考试答题时间"_s, u"suiCheckBox2"_s);
    m_minutesCheck->setGeometry(40, 68, 180, 28);
    m_minutesBox = numberBox(this, u"suiNumberEdit2"_s, u"模拟考试答题时间"_s, u"（单位：分钟）"_s);
    m_minutesBox->setGeometry(236, 68, 80, 28);

    m_defaultButton = StudyWidgets::button(this, u"默认"_s, u"suiButton1"_s);
    m_defaultButton->setToolTip(u"先选择要恢复默认值的项"_s);
    m_defaultButton->setGeometry(136, 114, 84, 30);
    m_closeButton = StudyWidgets::button(this, u"关闭"_s, u"suiButton2"_s);
    m_closeButton->setToolTip(u"保存后退出本界面"_s);
    m_closeButton->setGeometry(232, 114, 84, 30);

    connect(m_scoreCheck, &QCheckBox::clicked, this, &TFrmEset::suiCheckBox1Click);
    connect(m_minutesCheck, &QCheckBox::clicked, this, &TFrmEset::suiCheckBox1Click);
    connect(m_defaultButton, &QPushButton::clicked, this, &TFrmEset::suiButton1Click);
    connect(m_closeButton, &QPushButton::clicked, this, &TFrmEset::suiButton2Click);
    connect(m_scoreBox, &QLineEdit::textChanged, this, &TFrmEset::suiNumberEdit1Change);
}

void TFrmEset::FormShow()
{
    SettingsRecord::Values values;
    GuardedSlot::run(m_ctx.services.prompts, [&] { values = SettingsRecord(m_ctx.dm).read(); });
    // Filling the score box runs its check, so a stored score above the paper total is corrected here.
    m_scoreBox->setText(QString::number(values.LeastMark));
    m_minutesBox->setText(QString::number(values.ExamTime / 60));
}

int TFrmEset::totalPaperScore()
{
    return m_ctx.dm.TotalPaperScore();
}

void TFrmEset::suiCheckBox1Click()
{
    m_defaultButton->setEnabled(m_scoreCheck->isChecked() || m_minutesCheck->isChecked());
}

void TFrmEset::suiButton1Click()
{
    GuardedSlot::run(m_ctx.services.prompts, [&] {
        if (m_scoreCheck->isChecked())
            m_scoreBox->setText(QString::number(totalPaperScore() / 2));
        if (m_minutesCheck->isChecked())
            m_minutesBox->setText(DefaultMinutes);
    });
}

void TFrmEset::suiNumberEdit1Change()
{
    // Correcting the box changes it again; that change needs no second check.
    if (m_checkingScore)
        return;
    m_checkingScore = true;
    GuardedSlot::run(m_ctx.services.prompts, [&] {
        if (m_scoreBox->text().isEmpty())
            m_scoreBox->setText(u"0"_s);
        const int total = totalPaperScore();
        if (m_scoreBox->text().toInt() > total) {
            m_ctx.services.prompts.systemMessage(Prompts::Icon::Information, u"提示"_s,
                                                 u"最低分数不能超过总分数！"_s, Prompts::Buttons::Ok);
            m_scoreBox->setText(QString::number(total));
            m_scoreBox->setFocus();
        }
    });
    m_checkingScore = false;
}

void TFrmEset::suiButton2Click()
{
    close();
}

// Every way of closing (关闭, Escape, the window's close) saves as 关闭 does.
void TFrmEset::done(int result)
{
    if (isVisible())
        save();
    FramelessDialog::done(result);
}

void TFrmEset::save()
{
    try {
        bool minutesRead = false;
        const int minutes = m_minutesBox->text().toInt(&minutesRead);
        if (!minutesRead)
            throw StoreError(u"模拟考试答题时间不是数字。"_s);
        SettingsRecord(m_ctx.dm).saveExamSettings(m_scoreBox->text().toInt(), minutes * 60);
    } catch (const std::exception&) {
        m_ctx.services.prompts.systemMessage(Prompts::Icon::Critical, u"警告"_s, u"保存设置失败！"_s,
                                             Prompts::Buttons::Ok);
    }
}
