#include "TFrmplan.h"

#include "StudyBackgrounds.h"
#include "StudyWidgets.h"

#include "platform/Clock.h"
#include "store/SettingsRecord.h"
#include "store/TDM1.h"
#include "ui/AppContext.h"
#include "ui/GuardedSlot.h"

#include <QButtonGroup>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QStyleOptionButton>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString ItemTexts[2] = {u"按作题数量制定学习计划      每天                   道题"_s,
                              u"按作题时间制定学习计划      每天                   分钟"_s};
// The part of an item text in front of the blank that holds its number box.
const QString TextBeforeBox = u"按作题数量制定学习计划      每天 "_s;
const int BlankSpaces = 19;

// The date box cannot be empty; its lowest date stands for "no date" and shows blank.
const QDate NoDate(1900, 1, 1);

const QColor ManyDaysLeft(100, 203, 37);
const QColor FewDaysLeft(255, 0, 0);

QLineEdit* numberBox(QWidget* parent, const QString& objectName, const QString& accessibleName)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(objectName);
    box->setAccessibleName(accessibleName);
    box->setMaxLength(3);
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(u"[0-9]{0,3}"_s), box));
    box->setAlignment(Qt::AlignCenter);
    return box;
}

void setTextColour(QLabel* label, const QColor& colour)
{
    // The application style sheet sets every text colour, so a palette alone would not show.
    label->setStyleSheet(u"color: %1;"_s.arg(colour.name()));
}

// Keeps the calendar on this month while the box shows no date, instead of on the year 1900.
class CalendarPageKeeper : public QObject
{
public:
    CalendarPageKeeper(QDateEdit* box, const Clock& clock) : QObject(box), m_box(box), m_clock(clock) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && m_box->date() == NoDate) {
            const QDate today = m_clock.today();
            m_box->calendarWidget()->setCurrentPage(today.year(), today.month());
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QDateEdit* m_box;
    const Clock& m_clock;
};

} // namespace

TFrmplan::TFrmplan(AppContext& ctx, QWidget* parent)
    : FramelessDialog(ctx.services.screen, parent), m_ctx(ctx)
{
    setObjectName(u"TFrmplan"_s);
    setWindowTitle(u"学习计划"_s);
    setFixedSize(460, 250);
    setBackgroundFile(StudyWidgets::picturePath(ctx, StudyBackgrounds::plan()));
    buildControls();
    ensurePolished();
    placePlanBoxes();
    FormShow();
}

std::optional<qint64> TFrmplan::daysLeft(const QDate& today, const QDate& examDate)
{
    if (!today.isValid() || !examDate.isValid())
        return std::nullopt;
    return today.daysTo(examDate);
}

QDate TFrmplan::parseDate(const QString& text)
{
    // A date kept with a time of day still names its day.
    const QString day = text.trimmed().section(u' ', 0, 0).section(u'T', 0, 0);
    for (const QString& format : {u"yyyy-MM-dd"_s, u"yyyy-M-d"_s, u"yyyy/M/d"_s}) {
        const QDate date = QDate::fromString(day, format);
        if (date.isValid())
            return date;
    }
    return {};
}

void TFrmplan::buildControls()
{
    m_countdownCaption = StudyWidgets::caption(this, u"距离考试还有"_s, u"epLabel1"_s);
    m_countdownCaption->setFont(StudyWidgets::font(18));
    m_countdownCaption->setGeometry(24, 34, 160, 40);
    m_countdownCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_dayCount = StudyWidgets::caption(this, {}, u"Label1"_s);
    m_dayCount->setFont(StudyWidgets::font(46, true));
    m_dayCount->setGeometry(188, 18, 124, 70);
    m_dayCount->setAlignment(Qt::AlignCenter);

    m_dayUnit = StudyWidgets::caption(this, u"天"_s, u"epLabel2"_s);
    m_dayUnit->setFont(StudyWidgets::font(18));
    m_dayUnit->setGeometry(314, 34, 40, 40);
    m_dayUnit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto* dateCaption = StudyWidgets::caption(this, u"考试日："_s);
    dateCaption->setGeometry(96, 96, 72, 28);
    dateCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_dateBox = new QDateEdit(this);
    m_dateBox->setObjectName(u"DateEdit1"_s);
    m_dateBox->setAccessibleName(u"考试日"_s);
    m_dateBox->setToolTip(u"点击右侧按钮-->"_s);
    m_dateBox->setDisplayFormat(u"yyyy-MM-dd"_s);
    m_dateBox->setCalendarPopup(true);
    m_dateBox->calendarWidget()->setToolTip(u"点击设置日期"_s);
    m_dateBox->calendarWidget()->installEventFilter(new CalendarPageKeeper(m_dateBox, m_ctx.services.clock));
    m_dateBox->setMinimumDate(NoDate);
    m_dateBox->setSpecialValueText(u" "_s);
    m_dateBox->setGeometry(170, 96, 150, 28);
    dateCaption->setBuddy(m_dateBox);

    m_planGroup = new QGroupBox(u"学习计划"_s, this);
    m_planGroup->setObjectName(u"SeSkinRadioGroup1"_s);
    m_planGroup->setAccessibleName(u"学习计划"_s);
    m_planGroup->setGeometry(20, 130, 420, 80);
    m_planGroup->setProperty("role", u"choiceGroup"_s);
    m_planChoice = new QButtonGroup(this);
    m_planChoice->setObjectName(u"SeSkinRadioGroup1Items"_s);
    for (int i = 0; i < 2; ++i) {
        m_planItems[i] = new QRadioButton(ItemTexts[i], m_planGroup);
        m_planItems[i]->setObjectName(u"SeSkinRadioGroup1Item%1"_s.arg(i));
        m_planItems[i]->setAccessibleName(ItemTexts[i].simplified());
        m_planItems[i]->setGeometry(16, 18 + i * 28, 390, 28);
        m_planChoice->addButton(m_planItems[i], i);
    }
    connect(m_planChoice, &QButtonGroup::idClicked, this, &TFrmplan::SeSkinRadioGroup1Click);

    // The boxes sit in the blanks of the item texts but belong to the window, so that
    // a disabled plan choice leaves the chosen box usable.
    m_amountBox = numberBox(this, u"suiNumberEdit1"_s, ItemTexts[0].simplified());
    m_minutesBox = numberBox(this, u"suiNumberEdit2"_s, ItemTexts[1].simplified());

    m_modeButton = StudyWidgets::button(this, u"设定"_s, u"SpeedButton1"_s);
    m_modeButton->setGeometry(262, 216, 84, 28);
    connect(m_modeButton, &QPushButton::clicked, this, &TFrmplan::SpeedButton1Click);
    m_closeButton = StudyWidgets::button(this, u"关闭"_s, u"SpeedButton2"_s);
    m_closeButton->setGeometry(356, 216, 84, 28);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TFrmplan::placePlanBoxes()
{
    QLineEdit* boxes[2] = {m_amountBox, m_minutesBox};
    for (int i = 0; i < 2; ++i) {
        QRadioButton* item = m_planItems[i];
        QStyleOptionButton option;
        option.initFrom(item);
        option.text = item->text();
        const QRect text = item->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, item);
        const QFontMetrics metrics = item->fontMetrics();
        const int blank = metrics.horizontalAdvance(QString(BlankSpaces, u' '));
        const QPoint origin = m_planGroup->pos() + item->pos();
        const int left = origin.x() + text.left() + metrics.horizontalAdvance(TextBeforeBox);
        const int height = qMax(22, metrics.height() + 4);
        boxes[i]->setGeometry(left, origin.y() + (item->height() - height) / 2,
                              qMax(32, blank - 2 * metrics.horizontalAdvance(u' ')), height);
        boxes[i]->raise();
    }
}

void TFrmplan::FormShow()
{
    SettingsRecord::Values values;
    GuardedSlot::run(m_ctx.services.prompts, [&] { values = SettingsRecord(m_ctx.dm).read(); });
    m_amountBox->setText(QString::number(values.PlanAmount));
    m_minutesBox->setText(QString::number(values.PlanTime));
    const QDate examDate = parseDate(values.ExamDate);
    setDateBox(examDate);
    m_storedPlanMark = values.PlanMark;
    if (values.PlanMark == 0 || values.PlanMark == 1) {
        m_planItems[values.PlanMark]->setChecked(true);
        SeSkinRadioGroup1Click(values.PlanMark);
    } else {
        enableChosenBox();
    }
    showCountdown(daysLeft(m_ctx.services.clock.today(), examDate));
    enterViewMode();
}

void TFrmplan::showCountdown(std::optional<qint64> days)
{
    // Without an examination date there is nothing to count down to.
    if (!days) {
        m_countdownCaption->hide();
        m_dayCount->hide();
        m_dayUnit->hide();
        return;
    }
    const qint64 left = *days;
    m_dayCount->setText(left < 1000 ? QString::number(left) : u"999"_s);
    m_countdownCaption->show();
    if (left > 0) {
        m_countdownCaption->setText(u"距离考试还有"_s);
        m_countdownCaption->setGeometry(24, 34, 160, 40);
        m_countdownCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setTextColour(m_dayCount, left > 7 ? ManyDaysLeft : FewDaysLeft);
        m_dayCount->show();
        m_dayUnit->show();
    } else {
        m_countdownCaption->setText(left < 0 ? u"考试已结束！"_s : u"祝考试成功！"_s);
        // Alone, the caption takes the whole width of the countdown.
        m_countdownCaption->setGeometry(20, 30, width() - 40, 48);
        m_countdownCaption->setAlignment(Qt::AlignCenter);
        m_dayCount->hide();
        m_dayUnit->hide();
    }
    m_countdownCaption->setAccessibleName(m_countdownCaption->text());
    m_dayCount->setAccessibleName(m_dayCount->text());
}

void TFrmplan::setDateBox(const QDate& date)
{
    m_dateBox->setDate(date.isValid() && date > NoDate ? date : NoDate);
}

QDate TFrmplan::enteredDate() const
{
    const QDate date = m_dateBox->date();
    return date == NoDate ? QDate() : date;
}

void TFrmplan::SeSkinRadioGroup1Click(int index)
{
    QLineEdit* chosen = index == 0 ? m_amountBox : m_minutesBox;
    QLineEdit* other = index == 0 ? m_minutesBox : m_amountBox;
    chosen->setEnabled(true);
    chosen->setFocus();
    other->setEnabled(false);
}

void TFrmplan::SpeedButton1Click()
{
    if (!m_editing) {
        m_editing = true;
        m_modeButton->setText(u"保存"_s);
        m_modeButton->setAccessibleName(u"保存"_s);
        m_dateBox->setEnabled(true);
        m_planGroup->setEnabled(true);
        enableChosenBox();
        return;
    }
    enterViewMode();
    const QDate examDate = enteredDate();
    // A box without a date saves nothing; the entries stay as they were typed.
    if (!examDate.isValid())
        return;
    if (!GuardedSlot::run(m_ctx.services.prompts, [&] { savePlan(examDate); }))
        return;
    showCountdown(daysLeft(m_ctx.services.clock.today(), examDate));
}

void TFrmplan::enterViewMode()
{
    m_editing = false;
    m_modeButton->setText(u"设定"_s);
    m_modeButton->setAccessibleName(u"设定"_s);
    m_dateBox->setEnabled(false);
    m_planGroup->setEnabled(false);
    enableChosenBox();
}

void TFrmplan::enableChosenBox()
{
    const bool byAmount = chosenItem() == 0;
    m_amountBox->setEnabled(byAmount);
    m_minutesBox->setEnabled(!byAmount);
}

int TFrmplan::chosenItem() const
{
    return m_planChoice->checkedId();
}

void TFrmplan::savePlan(const QDate& examDate)
{
    const int planMark = chosenItem() >= 0 ? chosenItem() : m_storedPlanMark;
    SettingsRecord(m_ctx.dm).savePlan(planMark, m_amountBox->text().toInt(), m_minutesBox->text().toInt(),
                                      examDate.toString(Qt::ISODate));
    m_storedPlanMark = planMark;
}
