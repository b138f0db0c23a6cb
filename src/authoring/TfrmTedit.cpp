#include "TfrmTedit.h"

#include "AuthoringParts.h"
#include "PointListWidget.h"
#include "RichTextEditor.h"
#include "SubjectiveTypes.h"

#include "platform/Prompts.h"
#include "store/CodeSchemes.h"
#include "store/PointPicker.h"
#include "store/QuestionContent.h"
#include "store/QuestionEditor.h"
#include "store/QuestionEntry.h"
#include "store/QuestionRecord.h"
#include "store/TDM1.h"
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

TfrmTedit::TfrmTedit(AppContext& ctx, QuestionRecord& question, QWidget* parent)
    : FramelessDialog(ctx.services.screen, parent), m_ctx(ctx), m_question(question)
{
    BusyCursor busy;
    setObjectName(u"TfrmTedit"_s);
    setWindowTitle(u"试题修改"_s);
    buildWindow();
    loadQuestion();
    loadTypes();
}

void TfrmTedit::buildWindow()
{
    const bool compact = m_ctx.isCompactLayout();
    const QString folder = m_ctx.dm.ProgramFolder();
    m_sharedStem = new RichTextEditor(folder, u"sharedStemEditor"_s, u"共用题干"_s, this);
    m_stem = new RichTextEditor(folder, u"stemEditor"_s, u"试题内容"_s, this);
    m_explanation = new RichTextEditor(folder, u"explanationEditor"_s, u"试题解析"_s, this);
    m_optionCount = new QSpinBox(this);
    m_optionCount->setObjectName(u"optionCount"_s);
    m_optionCount->setAccessibleName(u"备选个数"_s);
    m_optionCount->setRange(1, 7);
    m_optionCount->setMaximumWidth(90);
    m_answer = AuthoringParts::answerBox(this);
    m_answer->setAccessibleName(u"答案"_s);
    m_typeList = new QComboBox(this);
    m_typeList->setObjectName(u"typeList"_s);
    m_typeList->setAccessibleName(u"题型"_s);
    m_points = new PointListWidget(this);

    auto* addPoint = AuthoringParts::button(u"添加考点"_s, u"btnAddPoint"_s, this);
    auto* saveButton = AuthoringParts::button(u"保存"_s, u"btnSave"_s, this);
    auto* cancel = AuthoringParts::button(u"取消"_s, u"btnCancel"_s, this);
    auto* instructions = AuthoringParts::button(u"使用说明"_s, u"btnInstructions"_s, this);
    connect(addPoint, &QPushButton::clicked, this, &TfrmTedit::addPoints);
    connect(saveButton, &QPushButton::clicked, this, &TfrmTedit::save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(instructions, &QPushButton::clicked, this,
            [this] { AuthoringParts::showInstructions(m_ctx, this); });

    auto* texts = new QVBoxLayout;
    texts->setSpacing(4);
    m_sharedStemCaption = AuthoringParts::label(u"共用题干："_s, m_sharedStem, this);
    texts->addWidget(m_sharedStemCaption);
    texts->addWidget(m_sharedStem, 2);
    texts->addWidget(AuthoringParts::label(u"试题内容："_s, m_stem, this));
    texts->addWidget(m_stem, 3);
    texts->addSpacing(4);
    texts->addWidget(AuthoringParts::label(u"试题解析："_s, m_explanation, this));
    texts->addWidget(m_explanation, 2);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(6);
    fields->setVerticalSpacing(8);
    fields->addWidget(AuthoringParts::label(u"备选个数："_s, m_optionCount, this), 0, 0);
    fields->addWidget(m_optionCount, 0, 1);
    fields->addWidget(AuthoringParts::label(u"答\u3000\u3000案："_s, m_answer, this), 1, 0);
    fields->addWidget(m_answer, 1, 1);
    fields->addWidget(AuthoringParts::label(u"题\u3000\u3000型："_s, m_typeList, this), 2, 0);
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
    for (QPushButton* b : {saveButton, cancel, instructions})
        buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->setSpacing(8);
    layout->addWidget(AuthoringParts::title(u"试 题 修 改"_s, this));
    layout->addLayout(body, 1);
    layout->addLayout(buttons);
    setFixedSize(compact ? QSize(780, 490) : QSize(944, 623));
}

void TfrmTedit::loadQuestion()
{
    QuestionContent content(m_ctx.dm);
    m_stem->setStoredText(content.stem(m_question.A1).value_or(QString()));
    m_explanation->setStoredText(content.explanation(m_question.A1));
    const QString stemKey = CodeSchemes::stemKeyOf(m_question.A1);
    // Without a shared stem the question's own stem takes that space as well.
    m_sharedStem->setVisible(!stemKey.isEmpty());
    m_sharedStemCaption->setVisible(!stemKey.isEmpty());
    if (!stemKey.isEmpty())
        m_sharedStem->setStoredText(content.sharedStem(stemKey).value_or(QString()));
    m_optionCount->setValue(m_question.A2_1);
    m_answer->setText(m_question.A2);
    PointPicker picker(m_ctx.dm);
    for (const QString& code : m_question.K) {
        if (!code.isEmpty())
            m_points->append(code, picker.attachedLabel(code));
    }
}

void TfrmTedit::loadTypes()
{
    m_ctx.dm.bindTypeTable(m_ctx.currentSubjectInUse());
    m_types.clear();
    m_typeList->clear();
    int shown = -1;
    for (const QuestionEntry::Type& type : QuestionEntry(m_ctx.dm).types()) {
        m_types.append({type.A1, type.B1});
        m_typeList->addItem(type.B1);
        if (type.A1 == m_question.A13 && shown < 0)
            shown = int(m_types.size()) - 1;
    }
    // A type the table does not list shows nothing, and saving keeps it.
    m_typeList->setCurrentIndex(shown);
    applyTypeRule();
    connect(m_typeList, &QComboBox::currentIndexChanged, this, &TfrmTedit::applyTypeRule);
}

// Subjective: one option and the answer "1", both locked. Otherwise both open, the answer as it is.
void TfrmTedit::applyTypeRule()
{
    const bool subjective = SubjectiveTypes::contains(m_typeList->currentText());
    if (subjective) {
        m_optionCount->setValue(1);
        m_answer->setText(u"1"_s);
    }
    m_optionCount->setEnabled(!subjective);
    m_answer->setEnabled(!subjective);
}

void TfrmTedit::addPoints()
{
    if (m_points->count() >= 10) {
        m_ctx.services.prompts.systemMessage(
            Prompts::Icon::Information, u"提示"_s,
            u"试题对应知识点最多为10条！\n如果要去掉知识点，请选中要\n去掉的知识"
            u"点，再按键盘上的\n[Delete]键！"_s,
            Prompts::Buttons::Ok);
        return;
    }
    try {
        AuthoringParts::pickPoints(m_ctx, this, 2, *m_points);
    } catch (const std::exception& e) {
        ErrorPrompt::show(m_ctx.services.prompts, e);
    }
}

void TfrmTedit::save()
{
    QuestionEditor::Changes changes;
    changes.stem = m_stem->storedText();
    const bool explanationCleared = m_explanation->document()->isModified() && m_explanation->isBlank();
    changes.explanation = explanationCleared ? QString() : m_explanation->storedText();
    if (!m_sharedStem->isHidden())
        changes.sharedStem = m_sharedStem->storedText();
    changes.options = m_optionCount->value();
    changes.answer = m_answer->text();
    const int index = m_typeList->currentIndex();
    changes.type = index >= 0 && index < m_types.size() ? m_types[index].A1 : m_question.A13;
    changes.points = m_points->codes();
    try {
        QuestionEditor(m_ctx.dm).save(m_question, changes);
    } catch (const std::exception& e) {
        m_ctx.services.prompts.systemMessage(Prompts::Icon::Warning, u"提示"_s,
                                             AuthoringParts::saveFailure(e), Prompts::Buttons::Ok);
        return;
    }
    accept();
}
