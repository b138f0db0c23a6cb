#pragma once

#include <QString>
#include <QtGlobal>

class Prompts;
class SoundDevice;

// The background music: plays a tune once or stops it, and sets the volume
// level, telling the user when there is no sound output or a tune cannot play.
class BackgroundMusic
{
public:
    BackgroundMusic(SoundDevice& sound, Prompts& prompts);

    void PlayTune(const QString& path, bool on);
    void SetVolumeLevel(int level);

    static int clampVolumeLevel(int level);
    // The 16-bit left and right volume of a level: 0 .. 0xFFFFFFFF.
    static quint32 volumeValueOf(int level);
    // A volume value as the sound device's gain, 0.0 .. 1.0.
    static double gainOfVolume(quint32 value);

private:
    void notice(const QString& text);

    SoundDevice& m_sound;
    Prompts& m_prompts;
};
