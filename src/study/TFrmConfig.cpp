#include "TFrmConfig.h"

#include "StudyBackgrounds.h"
#include "StudyWidgets.h"
#include "TFrmBackups.h"
#include "ToggleSwitch.h"

#include "platform/ModalRunner.h"
#include "platform/Prompts.h"
#include "store/AutoBackup.h"
#include "store/TDM1.h"
#include "store/TypeTable.h"
#include "ui/AppActions.h"
#include "ui/AppContext.h"
#include "ui/ErrorPrompt.h"
#include "ui/GuardedSlot.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int LinePitch = 20;

const QStringList TuneNames = {u"乐曲01"_s, u"乐曲02"_s, u"乐曲03"_s, u"乐曲04"_s, u"乐曲05"_s, u"乐曲06"_s};

QRect scaledRect(int left, int top, int width, int height)
{
    return {TFrmConfig::scaled(left), TFrmConfig::scaled(top), TFrmConfig::scaled(width),
            TFrmConfig::scaled(height)};
}

} // namespace

TFrmConfig::TFrmConfig(AppContext& ctx, QWidget* parent)
    : FramelessDialog(ctx.services.screen, parent), m_ctx(ctx), m_answerTimeMode(ctx.SettingsMode == 1)
{
    setObjectName(u"TFrmConfig"_s);
    setWindowTitle(u"系统设置"_s);
    buildMusicPart();
    buildAnswerTimePart();
    m_closeButton = StudyWidgets::button(this, u"关闭"_s, u"epFocusButton3"_s);
    connect(m_closeButton, &QPushButton::clicked, this, &TFrmConfig::epFocusButton3Click);
    m_restoreButton = StudyWidgets::button(this, u"恢复备份"_s, u"restoreBackupButton"_s);
    connect(m_restoreButton, &QPushButton::clicked, this, &TFrmConfig::restoreBackupClick);
    placeMusicLayout();
    FormShow();
}

int TFrmConfig::scaled(int designed)
{
    return qRound(designed * StudyBackgrounds::ConfigScale);
}

void TFrmConfig::openMusicSettings(AppContext& ctx, QWidget* owner)
{
    ctx.SettingsMode = 0;
    TFrmConfig window(ctx, owner);
    ctx.services.windows.run(window);
}

void TFrmConfig::buildMusicPart()
{
    m_musicCaption = StudyWidgets::caption(this, u"背景音乐"_s);
    m_musicSwitch = new ToggleSwitch(this);
    m_musicSwitch->setObjectName(u"RxSwitch1"_s);
    m_musicSwitch->setAccessibleName(u"背景音乐"_s);
    // A new window reads "on" whatever the music does; no tune starts from that.
    m_musicSwitch->setChecked(true);
    connect(m_musicSwitch, &ToggleSwitch::toggled, this, [this](bool on) {
        if (on)
            RxSwitch1On();
        else
            RxSwitch1Off();
    });
    m_musicCaption->setBuddy(m_musicSwitch);

    m_tuneCaption = StudyWidgets::caption(this, u"声音列表"_s);
    m_tuneList = new QComboBox(this);
    m_tuneList->setObjectName(u"FlatComboBox1"_s);
    m_tuneList->setAccessibleName(u"声音列表"_s);
    QStringList tunes = TuneNames;
    tunes.sort();
    m_tuneList->addItems(tunes);
    m_tuneList->setCurrentIndex(-1);
    connect(m_tuneList, &QComboBox::currentIndexChanged, this, &TFrmConfig::FlatComboBox1Change);
    m_tuneCaption->setBuddy(m_tuneList);
}

void TFrmConfig::buildAnswerTimePart()
{
    m_answerTimeCaption = StudyWidgets::caption(this, u"答题时间设置"_s);
    m_answerTimeList = new QScrollArea(this);
    m_answerTimeList->setObjectName(u"ScrollBox1"_s);
    m_answerTimeList->setAccessibleName(u"答题时间设置"_s);
    m_answerTimeList->setWidgetResizable(false);
    m_answerTimeList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* lines = new QWidget;
    lines->setObjectName(u"ScrollBox1Lines"_s);
    m_answerTimeList->setWidget(lines);
}

void TFrmConfig::placeMusicLayout()
{
    m_musicCaption->setGeometry(scaledRect(16, 10, 80, 20));
    m_musicSwitch->setGeometry(scaled(100), scaled(10), 52, 26);
    m_tuneCaption->setGeometry(scaledRect(16, 44, 80, 20));
    m_tuneList->setGeometry(scaledRect(100, 42, 130, 24));
    m_closeButton->setGeometry(scaledRect(280, 66, 75, 25));
    m_restoreButton->setGeometry(scaledRect(280, 36, 75, 25));
    // Below the music part, where the designed window keeps the answer-time list.
    m_answerTimeCaption->setGeometry(scaledRect(16, 104, 200, 16));
    m_answerTimeList->setGeometry(scaledRect(8, 122, 348, 150));
}

void TFrmConfig::applyAnswerTimeLayout()
{
    // The music face has no answer-time list to show, and a window too low for this layout.
    if (!m_answerTimeMode)
        return;
    for (QWidget* music : {static_cast<QWidget*>(m_musicCaption), static_cast<QWidget*>(m_tuneCaption),
                           static_cast<QWidget*>(m_musicSwitch), static_cast<QWidget*>(m_tuneList),
                           static_cast<QWidget*>(m_restoreButton)})
        music->hide();
    m_answerTimeCaption->setGeometry(scaledRect(16, 4, 200, 16));
    m_answerTimeList->setGeometry(scaledRect(8, 22, 348, 110));
    m_closeButton->setGeometry(scaledRect(280, 137, 75, 25));
    m_answerTimeCaption->show();
    m_answerTimeList->show();
}

void TFrmConfig::FormShow()
{
    m_ctx.currentSubjectInUse();
    setFixedSize(StudyBackgrounds::configSize(m_answerTimeMode));
    setBackgroundFile(StudyWidgets::picturePath(m_ctx, m_answerTimeMode ? StudyBackgrounds::configAnswerTime()
                                                                        : StudyBackgrounds::configMusic()));
    m_answerTimeCaption->setVisible(m_answerTimeMode);
    m_answerTimeList->setVisible(m_answerTimeMode);
    if (m_answerTimeMode) {
        buildAnswerTimeList();
        // The list is unusable below the music part; the answer-time face is the only one that shows it.
        applyAnswerTimeLayout();
    }
}

void TFrmConfig::buildAnswerTimeList()
{
    const int subject = m_ctx.currentSubjectInUse();
    m_ctx.dm.bindTypeTable(subject);
    QVector<TypeTable::Row> rows;
    GuardedSlot::run(m_ctx.services.prompts, [&] {
        rows = TypeTable(m_ctx.dm, subject).rows();
        m_typesRead = true;
    });
    m_typeCount = int(rows.size());
    QWidget* lines = m_answerTimeList->widget();
    for (int i = 0; i < rows.size(); ++i) {
        const int top = i * LinePitch;
        const QString name = rows[i].B1.trimmed();
        QLabel* typeName = StudyWidgets::caption(lines, name, u"TypeName%1"_s.arg(i + 1));
        typeName->setGeometry(scaledRect(16, top + 5, 80, LinePitch));
        typeName->setToolTip(name);

        auto* box = new QDoubleSpinBox(lines);
        box->setObjectName(u"Currencyedit%1"_s.arg(i + 1));
        box->setAccessibleName(name);
        box->setDecimals(1);
        box->setRange(0.1, 30.0);
        box->setSingleStep(0.5);
        box->setButtonSymbols(QAbstractSpinBox::NoButtons);
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        box->setValue(rows[i].time);
        box->setProperty("tag", rows[i].A1);
        box->setGeometry(scaledRect(100, top + 5, 40, LinePitch - 2));
        m_timeBoxes.append(box);

        QLabel* unit = StudyWidgets::caption(lines, u"分钟"_s);
        unit->setGeometry(scaledRect(150, top + 5, 40, LinePitch));
    }
    lines->resize(scaled(320), scaled(m_typeCount * LinePitch + 8));
}

void TFrmConfig::RxSwitch1Off()
{
    m_ctx.MusicOn = 0;
    playTune(false);
}

void TFrmConfig::RxSwitch1On()
{
    m_ctx.MusicOn = 1;
    if (m_tuneList->currentIndex() < 0)
        m_ctx.TuneFile = m_ctx.dm.ProgramFolder() + u"sound/乐曲01.mid"_s;
    playTune(true);
}

void TFrmConfig::FlatComboBox1Change(int index)
{
    if (index < 0)
        return;
    m_ctx.TuneFile =
        m_ctx.dm.ProgramFolder() + u"sound/"_s + m_tuneList->itemText(index).trimmed() + u".mid"_s;
    playTune(m_musicSwitch->isChecked());
}

void TFrmConfig::playTune(bool on)
{
    if (!m_ctx.actions)
        return;
    GuardedSlot::run(m_ctx.services.prompts, [&] { m_ctx.actions->PlayTune(m_ctx.TuneFile, on); });
}

void TFrmConfig::epFocusButton3Click()
{
    close();
}

// The user picks a backup and confirms what it replaces; the bank closes, the backup takes its
// place (the current file is kept beside it) and the bank opens again.
void TFrmConfig::restoreBackupClick()
{
    Prompts& prompts = m_ctx.services.prompts;
    const BankBackup& backups = m_ctx.dm.autoBackup().backups();
    const QVector<BackupFile> all = backups.list();
    if (all.isEmpty()) {
        prompts.MessageDialog(u"提示"_s, u"还没有备份。"_s, Prompts::ButtonSet::Ok,
                              Prompts::Picture::Warning);
        return;
    }
    TFrmBackups picker(all, this);
    if (m_ctx.services.windows.run(picker) != QDialog::Accepted)
        return;
    const BackupFile chosen = picker.chosen();
    const QString setAside = backups.setAsidePath(BankBackup::Setting::Replaced);
    if (prompts.MessageDialog(u"提示"_s, backups.restoreQuestion(chosen, setAside),
                              Prompts::ButtonSet::OkCancel, Prompts::Picture::Information) != 1)
        return;
    const BackupResult restored = m_ctx.dm.restoreBackup(chosen, setAside);
    if (!restored.ok()) {
        ErrorPrompt::show(prompts, restored.error);
        return;
    }
    if (m_ctx.dm.successFlag() == 0) {
        ErrorPrompt::show(prompts, m_ctx.dm.openError());
        return;
    }
    prompts.MessageDialog(u"提示"_s, u"已恢复 "_s + chosen.takenText() + u" 的备份。"_s,
                          Prompts::ButtonSet::Ok, Prompts::Picture::Information);
}

void TFrmConfig::done(int result)
{
    // Every way of closing saves the answer times once.
    if (!m_closed) {
        m_closed = true;
        // Without the types read there is nothing to save, and the table in use stays as it is.
        if (m_answerTimeMode && m_typesRead)
            saveAnswerTimes();
    }
    FramelessDialog::done(result);
}

void TFrmConfig::saveAnswerTimes()
{
    const int subject = m_ctx.currentSubjectInUse();
    m_ctx.dm.bindTypeTable(subject);
    TypeTable table(m_ctx.dm, subject);
    m_ctx.resizeAnswerTimeTable(m_typeCount);
    try {
        for (int i = 0; i < m_typeCount && i < m_timeBoxes.size(); ++i) {
            const QDoubleSpinBox* box = m_timeBoxes[i];
            const int code = box->property("tag").toInt();
            const double minutes = box->value();
            if (!table.setTime(code, minutes))
                continue;
            m_ctx.setAnswerTime(i, code, minutes);
        }
    } catch (const std::exception&) {
        // The lines saved before the failure stay saved.
        ErrorPrompt::show(m_ctx.services.prompts, u"保存设置失败！"_s);
    }
}
