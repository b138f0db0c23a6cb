#pragma once

#include <QRect>
#include <QSize>
#include <QString>

// File names, under pic/, of the study windows' background pictures. The
// picture generator paints them; a window without its picture paints the theme's panel.
namespace StudyBackgrounds {

inline QString plan()
{
    return QStringLiteral("study_plan.png");
}
inline QString logSmall()
{
    return QStringLiteral("study_log_small.png");
}
inline QString logLarge()
{
    return QStringLiteral("study_log_large.png");
}
inline QString examSettings()
{
    return QStringLiteral("study_exam_settings.png");
}
inline QString configMusic()
{
    return QStringLiteral("study_config_music.png");
}
inline QString configAnswerTime()
{
    return QStringLiteral("study_config_time.png");
}

// The system settings window was designed for a smaller font; its measures grow by this.
inline constexpr double ConfigScale = 1.3;
inline QSize configSize(bool answerTimeMode)
{
    return {qRound(364 * ConfigScale), qRound((answerTimeMode ? 170 : 100) * ConfigScale)};
}

// The raised cards the pictures paint behind groups of controls, in window coordinates.
inline QRect planCountdownCard()
{
    return {16, 12, 428, 80};
}
inline QRect logTotalsCard(bool compact)
{
    return compact ? QRect(636, 44, 112, 380) : QRect(806, 53, 107, 474);
}
inline QRect examSettingsCard()
{
    return {20, 18, 320, 86};
}

} // namespace StudyBackgrounds
