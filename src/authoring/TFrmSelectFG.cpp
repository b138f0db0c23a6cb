#include "TFrmSelectFG.h"

#include "platform/Prompts.h"
#include "store/TDM1.h"
#include "ui/AppContext.h"
#include "ui/ErrorPrompt.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int MaxPoints = 7;

QLabel* pageTitle(const QString& text, QWidget* parent)
{
    auto* title = new QLabel(text, parent);
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(u"QLabel { background: #2f6f8f; color: white; font-size: 14pt; font-weight: bold;"
                         u" border-radius: 3px; padding: 4px; }"_s);
    return title;
}

QPushButton* makeButton(const QString& caption, const QString& name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setMinimumSize(88, 30);
    return button;
}

} // namespace

TFrmSelectFG::TFrmSelectFG(AppContext& ctx, QWidget* parent)
    : FramelessDialog(ctx.services.screen, parent), m_ctx(ctx), m_picker(ctx.dm)
{
    setObjectName(u"TFrmSelectFG"_s);
    setWindowTitle(u"欢迎"_s);
    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(u"pages"_s);
    m_pages->addWidget(buildPicker());
    m_pages->addWidget(buildInstructions());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->addWidget(m_pages);
    setFixedSize(560, 470);
}

QWidget* TFrmSelectFG::buildPicker()
{
    auto* page = new QWidget(this);
    m_nodes = new QComboBox(page);
    m_nodes->setObjectName(u"nodeList"_s);
    m_nodes->setAccessibleName(u"考点"_s);
    m_points = new QListWidget(page);
    m_points->setObjectName(u"pointCheckList"_s);
    m_points->setAccessibleName(u"条文"_s);
    auto* ok = makeButton(u"确定"_s, u"btnOk"_s, page);
    auto* close = makeButton(u"关闭"_s, u"btnClose"_s, page);
    connect(m_nodes, &QComboBox::currentIndexChanged, this, &TFrmSelectFG::nodeChanged);
    connect(m_points, &QListWidget::itemChanged, this, &TFrmSelectFG::pointTicked);
    connect(ok, &QPushButton::clicked, this, &TFrmSelectFG::confirm);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(pageTitle(u"考 点 选 择"_s, page));
    layout->addSpacing(4);
    layout->addWidget(new QLabel(u"考点："_s, page));
    layout->addWidget(m_nodes);
    layout->addWidget(new QLabel(u"条文："_s, page));
    layout->addWidget(m_points, 1);
    layout->addLayout(buttons);
    return page;
}

QWidget* TFrmSelectFG::buildInstructions()
{
    auto* page = new QWidget(this);
    auto* text = new QPlainTextEdit(instructionsText(), page);
    text->setObjectName(u"instructions"_s);
    text->setAccessibleName(u"使用说明"_s);
    text->setReadOnly(true);
    auto* close = makeButton(u"关闭"_s, u"btnCloseInstructions"_s, page);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(pageTitle(u"使 用 说 明"_s, page));
    layout->addWidget(text, 1);
    layout->addLayout(buttons);
    return page;
}

QString TFrmSelectFG::instructionsText()
{
    return QStringList{
        u"使用方法如下："_s,
        QString(),
        u"   首先将试题的内容填写在试题内容框内，这是必须填写项，如果试题有对应的"_s,
        u"讲解，请把内容填写进解析框内。"_s,
        QString(),
        u"   然后选择或录入待选答案的个数，主要是选择题，例如试题："_s,
        QString(),
        u"   7月有几天？"_s,
        u"   A. 30"_s,
        u"   B. 28"_s,
        u"   C. 31"_s,
        u"   "_s,
        u"   这里的待选答案是A B C，共为3个，也就是我们这里的待选答案个数为3。"_s,
        u"   "_s,
        u"   接下来填入答案："_s,
        u"   如果是单选，例如上面的试题，就填写C；"_s,
        u"   如果是多选把答案直接填入框内。例如答案是ABD那么答案框内就写ABD；"_s,
        u"   如果是判断题则答案正确填写A，答案错误填写B；"_s,
        u"   如果试题是主观题，则把实际答案同解析内容一起填入解析栏中。答案框中自"_s,
        u"动填写1；"_s,
        QString(),
    }
        .join(u'\n');
}

void TFrmSelectFG::setPage(int page)
{
    m_pages->setCurrentIndex(page == InstructionsPage ? InstructionsPage : PickerPage);
    if (page != PickerPage)
        return;
    m_nodeRows = m_picker.nodes();
    m_filling = true;
    m_nodes->clear();
    for (const PointPicker::Node& node : std::as_const(m_nodeRows))
        m_nodes->addItem(node.n);
    m_filling = false;
    // The first node's points are never pre-ticked.
    if (!m_nodeRows.isEmpty()) {
        m_nodes->setCurrentIndex(0);
        fillPoints(m_nodeRows.first().id, false);
    }
}

void TFrmSelectFG::setPickerMode(int mode, const QStringList& attachedCodes)
{
    m_mode = mode;
    m_attached = attachedCodes;
}

void TFrmSelectFG::nodeChanged(int index)
{
    if (m_filling || index < 0 || index >= m_nodeRows.size())
        return;
    try {
        fillPoints(m_nodeRows[index].id, m_mode == 1 || m_mode == 2);
    } catch (const std::exception& e) {
        ErrorPrompt::show(m_ctx.services.prompts, e);
    }
}

// Pre-ticked points get their visible tick only: they count towards the limit but are not taken.
void TFrmSelectFG::fillPoints(const QString& nodeId, bool preTick)
{
    m_pointRows = m_picker.points(nodeId);
    m_filling = true;
    m_points->clear();
    m_hiddenTicks = QVector<bool>(m_pointRows.size(), false);
    for (const PointPicker::Point& point : std::as_const(m_pointRows)) {
        auto* item = new QListWidgetItem(point.sn, m_points);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        const bool attached = preTick && m_attached.contains(point.ftid);
        item->setCheckState(attached ? Qt::Checked : Qt::Unchecked);
    }
    m_filling = false;
    if (m_points->count() > 0)
        m_points->setCurrentRow(0);
}

void TFrmSelectFG::pointTicked(QListWidgetItem* item)
{
    if (m_filling)
        return;
    const int row = m_points->row(item);
    if (row >= 0 && row < m_hiddenTicks.size())
        m_hiddenTicks[row] = item->checkState() == Qt::Checked;
}

int TFrmSelectFG::visibleTicks() const
{
    int ticked = 0;
    for (int i = 0; i < m_points->count(); ++i)
        ticked += m_points->item(i)->checkState() == Qt::Checked ? 1 : 0;
    return ticked;
}

void TFrmSelectFG::confirm()
{
    const int ticked = visibleTicks();
    Prompts& prompts = m_ctx.services.prompts;
    if (ticked == 0) {
        prompts.systemMessage(Prompts::Icon::Information, u"提示"_s, u"请选择对应考点，退出请按关闭按钮！"_s,
                              Prompts::Buttons::Ok);
        return;
    }
    if (m_ctx.AttachedPointCount + ticked <= MaxPoints) {
        accept();
        return;
    }
    prompts.systemMessage(Prompts::Icon::Information, u"提示"_s,
                          u"对应考点最多不能超过7条，已有考点"_s + QString::number(m_ctx.AttachedPointCount) +
                              u"条！"_s,
                          Prompts::Buttons::Ok);
}

QVector<TFrmSelectFG::Taken> TFrmSelectFG::takenPoints() const
{
    QVector<Taken> taken;
    const QString node = m_nodes->currentText();
    for (qsizetype i = 0; i < m_pointRows.size() && i < m_hiddenTicks.size(); ++i) {
        if (m_hiddenTicks[i])
            taken.append({m_pointRows[i].ftid, node + u"["_s + m_pointRows[i].sn + u"]"_s});
    }
    return taken;
}
