#pragma once

#include <QString>

class QWidget;
struct QuestionRecord;

// What the main window offers the feature windows: background music and the
// windows that one feature opens from another.
class AppActions
{
public:
    virtual ~AppActions() = default;

    virtual void PlayTune(const QString& path, bool on) = 0;
    virtual void SetVolumeLevel(int level) = 0;

    // The system settings window in music mode, owned by owner.
    virtual void openSystemSettings(QWidget* owner) = 0;
    // Question entry for a leaf chapter; returns the number of questions added.
    virtual int openQuestionEntry(QWidget* owner, const QString& caption, const QString& chapterCode) = 0;
    // Question editing of the question shown in practice; true when the changes were saved.
    virtual bool openQuestionEditing(QWidget* owner, QuestionRecord& question) = 0;
};
