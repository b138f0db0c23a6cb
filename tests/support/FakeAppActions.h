#pragma once

#include "ui/AppActions.h"

#include <QStringList>

class FakeAppActions final : public AppActions
{
public:
    void PlayTune(const QString& path, bool on) override
    {
        tunes.append((on ? QStringLiteral("on ") : QStringLiteral("off ")) + path);
    }
    void SetVolumeLevel(int level) override { volume = level; }
    void openSystemSettings(QWidget*) override { ++settingsOpened; }
    int openQuestionEntry(QWidget*, const QString&, const QString&) override { return 0; }
    bool openQuestionEditing(QWidget*, QuestionRecord&) override
    {
        ++editsOpened;
        return false;
    }

    QStringList tunes;
    int volume = -1;
    int settingsOpened = 0;
    int editsOpened = 0;
};
