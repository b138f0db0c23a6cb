#pragma once

#include "store/PracticeStatement.h"
#include "store/TypeTable.h"

#include <QString>
#include <QVector>

class AppActions;
class Clock;
class MenuPlayerCheck;
class ModalRunner;
class ProgressWindow;
class Prompts;
class RandomSource;
class ScreenInfo;
class Shell;
class SoundDevice;
class TDM1;

// The platform services, wired once at start-up (fakes in tests).
struct Services
{
    Clock& clock;
    RandomSource& random;
    Prompts& prompts;
    SoundDevice& sound;
    Shell& shell;
    ScreenInfo& screen;
    ModalRunner& windows;
};

// The program's process-wide state: the data module, the services and the
// values windows pass to each other. Built once and passed by reference.
class AppContext
{
public:
    AppContext(TDM1& dataModule, const Services& platform) : dm(dataModule), services(platform) {}

    TDM1& dm;
    Services services;
    AppActions* actions = nullptr;
    // The shared wait panel for long operations; set once the main window exists.
    ProgressWindow* progress = nullptr;

    QString LayoutMode = QStringLiteral("1024"); // "800" selects the compact layouts
    int CurrentSubject = 0;                      // 0 is read as 1
    int BrowserSubject = 1;
    // AnswerTimeTable: question type codes and their practice timer intervals in ms.
    QVector<int> AnswerTimeTypes;
    QVector<int> AnswerTimeIntervals;
    int MusicOn = 0;
    QString TuneFile;
    int VolumeLevel = 10;
    int SettingsMode = 0;
    QString CurrentChapterCaption;
    PracticeStatement PracticeQuery;
    int NoteHasContent = 0;
    int AttachedPointCount = 0;

    bool isCompactLayout() const { return LayoutMode == QStringLiteral("800"); }
    // CurrentSubject where it is used: 0 becomes 1 first.
    int currentSubjectInUse()
    {
        if (CurrentSubject == 0)
            CurrentSubject = 1;
        return CurrentSubject;
    }
    // AnswerTimeTable at count entries; entry i as a type's answer time in minutes.
    void resizeAnswerTimeTable(qsizetype count)
    {
        AnswerTimeTypes.resize(count);
        AnswerTimeIntervals.resize(count);
    }
    void setAnswerTime(qsizetype i, int type, double minutes)
    {
        AnswerTimeTypes[i] = type;
        AnswerTimeIntervals[i] = TypeTable::intervalOf(minutes);
    }
    // AnswerTimeTable from a type list, in its order.
    void fillAnswerTimeTable(const QVector<TypeTable::Row>& rows)
    {
        resizeAnswerTimeTable(rows.size());
        for (qsizetype i = 0; i < rows.size(); ++i)
            setAnswerTime(i, rows[i].A1, rows[i].time);
    }
    // The practice timer interval of a type; 600 ms for a type not listed.
    int answerTimeInterval(int type) const
    {
        const qsizetype i = AnswerTimeTypes.indexOf(type);
        return i >= 0 && i < AnswerTimeIntervals.size() ? AnswerTimeIntervals[i] : 600;
    }
};
