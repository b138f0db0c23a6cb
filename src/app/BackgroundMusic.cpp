#include "BackgroundMusic.h"

#include "platform/Prompts.h"
#include "platform/SoundDevice.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

BackgroundMusic::BackgroundMusic(SoundDevice& sound, Prompts& prompts) : m_sound(sound), m_prompts(prompts) {}

void BackgroundMusic::PlayTune(const QString& path, bool on)
{
    if (!m_sound.hasOutput()) {
        notice(u"没发现声卡！"_s);
        return;
    }
    m_sound.stop();
    if (!on)
        return;
    QString reason;
    if (!m_sound.play(path, &reason))
        notice(u"无法播放背景音乐！"_s);
}

void BackgroundMusic::SetVolumeLevel(int level)
{
    m_sound.setGain(gainOfVolume(volumeValueOf(level)));
}

int BackgroundMusic::clampVolumeLevel(int level)
{
    return std::clamp(level, 1, 16);
}

quint32 BackgroundMusic::volumeValueOf(int level)
{
    return quint32(clampVolumeLevel(level) - 1) * 0x11111111u;
}

double BackgroundMusic::gainOfVolume(quint32 value)
{
    return double(value) / double(0xFFFFFFFFu);
}

void BackgroundMusic::notice(const QString& text)
{
    m_prompts.MessageDialog(u"提示"_s, text, Prompts::ButtonSet::Ok, Prompts::Picture::Warning);
}
