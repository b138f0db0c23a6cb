#include "TFrmInPut.h"

#include "AuthoringParts.h"
#include "PointListWidget.h"
#include "RichTextEditor.h"
#include "SubjectiveTypes.h"
#include "TFrmSelectFG.h"

#include "platform/ModalRunner.h"
#include "platform/Prompts.h"
#include "store/CodeSchemes.h"
#include "store/TDM1.h"
#include "ui/AppActions.h"
#include "ui/AppContext.h"
#include "ui/BusyCursor.h"
#include "ui/ErrorPrompt.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

TFrmInPut::TFrmInPut(AppContext& ctx, const QString& chapterCode, QWidget* parent)
    : FramelessDialog(ctx.services.screen, parent), m_ctx(ctx), m_chapterCode(chapterCode), m_entry(ctx.dm)
{
    BusyCursor busy;
    setObjectName(u"TFrmInPut"_s);
    setWindowTitle(u"试题录入"_s);
    buildWindow();
    loadTypes();
}

void TFrmInPut::buildWindow()
{
    const bool compact = m_ctx.isCompactLayout();
    const QString folder = m_ctx.dm.ProgramFolder();
    m_caption = AuthoringParts::title(u"试题录入"_s, this);
    m_caption->setObjectName(u"captionLabel"_s);
    m_stem = new RichTextEditor(folder, u"stemEditor"_s, u"试题内容"_s, this);
    m_explanation = new RichTextEditor(folder, u"explanationEditor"_s, u"试题解析"_s, this);
    m_optionCount = new QSpinBox(this);
    m_optionCount->setObjectName(u"optionCount"_s);
    m_optionCount->setAccessibleName(u"待选答案个数"_s);
    m_optionCount->setRange(1, 7);
    m_optionCount->setMaximumWidth(90);
    m_optionCount->setValue(5);
    m_answer = AuthoringParts::answerBox(this);
    m_typeList = new QComboBox(this);
    m_typeList->setObjectName(u"typeList"_s);
    m_typeList->setAccessibleName(u"题型"_s);
    m_typeList->setEditable(false);
    m_points = new PointListWidget(this);
    connect(m_typeList, &QComboBox::currentIndexChanged, this, &TFrmInPut::typeChanged);

    auto* addPoint = AuthoringParts::button(u"添加考点"_s, u"btnAddPoint"_s, this);
    auto* saveButton = AuthoringParts::button(u"保存"_s, u"btnSave"_s, this);
    auto* clearButton = AuthoringParts::button(u"清除"_s, u"btnClear"_s, this);
    auto* settings = AuthoringParts::button(u"设置"_s, u"btnSettings"_s, this);
    auto* instructions = AuthoringParts::button(u"使用说明"_s, u"btnInstructions"_s, this);
    auto* close = AuthoringParts::button(u"关闭"_s, u"btnClose"_s, this);
    connect(addPoint, &QPushButton::clicked, this, &TFrmInPut::addPoints);
    connect(saveButton, &QPushButton::clicked, this, &TFrmInPut::save);
    connect(clearButton, &QPushButton::clicked, this, &TFrmInPut::clearForm);
    connect(settings, &QPushButton::clicked, this, &TFrmInPut::openSettings);
    connect(instructions, &QPushButton::clicked, this, &TFrmInPut::showInstructions);
    connect(close, &QPushButton::clicked, this, &TFrmInPut::closeWindow);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(4);
    texts->addWidget(AuthoringParts::label(u"试题内容："_s, m_stem, this));
    texts->addWidget(m_stem, 3);
    texts->addSpacing(4);
    texts->addWidget(AuthoringParts::label(u"试题解析："_s, m_explanation, this));
    texts->addWidget(m_explanation, 2);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(6);
    fields->setVerticalSpacing(8);
    fields->addWidget(AuthoringParts::label(u"待选答案个数："_s, m_optionCount, this), 0, 0);
    fields->addWidget(m_optionCount, 0, 1);
    fields->addWidget(AuthoringParts::label(u"试题答案："_s, m_answer, this), 1, 0);
    fields->addWidget(m_answer, 1, 1);
    fields->addWidget(AuthoringParts::label(u"题    型："_s, m_typeList, this), 2, 0);
    fields->addWidget(m_typeList, 2, 1);
    fields->setColumnStretch(1, 1);

    auto* side = new QVBoxLayout;
    side->setSpacing(6);
    side->addLayout(fields);
    side->addSpacing(4);
    auto* pointsHeader = new QHBoxLayout;
    pointsHeader->addWidget(AuthoringParts::label(u"对应考点："_s, m_points, this));
    pointsHeader->addStretch(1);
    pointsHeader->addWidget(addPoint);
    side->addLayout(pointsHeader);
    side->addWidget(m_points, 1);
    side->addWidget(AuthoringParts::hint(this));

    auto* body = new QHBoxLayout;
    body->setSpacing(14);
    body->addLayout(texts, 3);
    body->addLayout(side, 2);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addStretch(1);
    for (QPushButton* b : {saveButton, clearButton, settings, instructions, close})
        buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->setSpacing(8);
    layout->addWidget(m_caption);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);
    setFixedSize(compact ? QSize(759, 478) : QSize(931, 611));
}

void TFrmInPut::setCaptionText(const QString& caption)
{
    m_caption->setText(caption);
}

void TFrmInPut::loadTypes()
{
    m_ctx.dm.bindTypeTable(m_ctx.currentSubjectInUse());
    m_types = m_entry.types();
    m_selectingType = true;
    m_typeList->clear();
    for (const QuestionEntry::Type& type : std::as_const(m_types))
        m_typeList->addItem(type.B1);
    m_selectingType = false;
    selectFirstType();
}

// Selecting by the program never runs the type rule: a subjective first type is not locked.
void TFrmInPut::selectFirstType()
{
    m_selectingType = true;
    m_typeList->setCurrentIndex(m_typeList->count() > 0 ? 0 : -1);
    m_selectingType = false;
}

void TFrmInPut::typeChanged(int index)
{
    if (m_selectingType || index < 0)
        return;
    if (SubjectiveTypes::contains(m_typeList->itemText(index))) {
        m_optionCount->setValue(1);
        m_answer->setText(u"1"_s);
        setAnswerFieldsEnabled(false);
    } else {
        setAnswerFieldsEnabled(true);
        m_answer->clear();
    }
}

void TFrmInPut::setAnswerFieldsEnabled(bool enabled)
{
    m_optionCount->setEnabled(enabled);
    m_answer->setEnabled(enabled);
}

void TFrmInPut::clearForm()
{
    m_stem->setStoredText(QString());
    m_explanation->setStoredText(QString());
    m_answer->clear();
    m_points->clear();
    selectFirstType();
}

void TFrmInPut::tell(const QString& text, QWidget* focus)
{
    m_ctx.services.prompts.systemMessage(Prompts::Icon::Information, u"提示"_s, text, Prompts::Buttons::Ok);
    if (focus)
        focus->setFocus();
}

bool TFrmInPut::validate()
{
    if (m_stem->isBlank()) {
        tell(u"请填写试题内容！"_s, m_stem);
        return false;
    }
    if (m_answer->text().trimmed().isEmpty()) {
        tell(u"请填写试题答案！"_s, m_answer);
        return false;
    }
    if (m_typeList->currentIndex() < 0 || m_typeList->currentIndex() >= m_types.size()) {
        tell(u"请选择题型！"_s, m_typeList);
        return false;
    }
    return true;
}

void TFrmInPut::save()
{
    setAnswerFieldsEnabled(true);
    if (!validate())
        return;
    Prompts& prompts = m_ctx.services.prompts;
    try {
        if (m_entry.nextRunningNumber() > CodeSchemes::MaxUserRunningNumber) {
            prompts.systemMessage(Prompts::Icon::Warning, u"提示"_s, u"最多只能录入9999道题！"_s,
                                  Prompts::Buttons::Ok);
            return;
        }
        QuestionEntry::Question question;
        question.chapter = m_chapterCode;
        question.optionText = m_optionCount->text().trimmed();
        question.type = m_types[m_typeList->currentIndex()].A1;
        question.answer = m_answer->text().trimmed();
        question.points = m_points->codes();
        question.stem = m_stem->storedText();
        if (!m_explanation->isBlank())
            question.explanation = m_explanation->storedText();
        m_entry.save(question);
    } catch (const std::exception& e) {
        // Nothing was written; what the user typed stays for another try.
        prompts.systemMessage(Prompts::Icon::Warning, u"提示"_s, AuthoringParts::saveFailure(e),
                              Prompts::Buttons::Ok);
        return;
    }
    clearForm();
    ++m_savedCount;
}

void TFrmInPut::addPoints()
{
    if (m_points->count() >= 10) {
        m_ctx.services.prompts.systemMessage(
            Prompts::Icon::Information, u"提示"_s,
            u"试题对应考点最多为10条！\n如果要去掉考点，请选中要\n去掉的考点，"
            u"再按键盘上的\n[Delete]键！"_s,
            Prompts::Buttons::Ok);
        return;
    }
    try {
        AuthoringParts::pickPoints(m_ctx, this, 1, *m_points);
    } catch (const std::exception& e) {
        ErrorPrompt::show(m_ctx.services.prompts, e);
    }
}

void TFrmInPut::showInstructions()
{
    AuthoringParts::showInstructions(m_ctx, this);
}

void TFrmInPut::openSettings()
{
    m_ctx.SettingsMode = 0;
    if (m_ctx.actions)
        m_ctx.actions->openSystemSettings(this);
}

void TFrmInPut::closeWindow()
{
    setAnswerFieldsEnabled(true);
    reject();
}
