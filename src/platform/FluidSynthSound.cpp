#include "FluidSynthSound.h"

#include <QFileInfo>

#include <fluidsynth.h>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

// ALSA reports a missing card on the console by itself; libasound is loaded
// with FluidSynth, so its handler is reached when it is there.
extern "C" {
using AlsaErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);
int snd_lib_error_set_handler(AlsaErrorHandler handler) __attribute__((weak));
}

namespace {

void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

void quietLibraries()
{
    // The program has no console: FluidSynth's messages would only clutter a terminal.
    for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
        fluid_set_log_function(level, nullptr, nullptr);
    if (snd_lib_error_set_handler)
        snd_lib_error_set_handler(ignoreAlsaError);
}

// Drivers that need no server of their own; "file" would write a WAV file and
// JACK might start a sound server.
const char* const AudioDrivers[] = {"pulseaudio", "pipewire", "alsa", "sdl2", "oss"};

} // namespace

struct FluidSynthSound::Engine
{
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_audio_driver_t* driver = nullptr;
    fluid_player_t* player = nullptr;

    ~Engine()
    {
        stopPlayer();
        if (driver)
            delete_fluid_audio_driver(driver);
        if (synth)
            delete_fluid_synth(synth);
        if (settings)
            delete_fluid_settings(settings);
    }

    void stopPlayer()
    {
        if (player) {
            fluid_player_stop(player);
            delete_fluid_player(player);
            player = nullptr;
        }
        if (synth)
            fluid_synth_all_sounds_off(synth, -1);
    }

    bool openDriver()
    {
        for (const char* name : AudioDrivers) {
            if (fluid_settings_setstr(settings, "audio.driver", name) != FLUID_OK)
                continue;
            driver = new_fluid_audio_driver(settings, synth);
            if (driver)
                return true;
        }
        return false;
    }
};

FluidSynthSound::FluidSynthSound(QStringList soundFonts) : m_soundFonts(std::move(soundFonts))
{
    quietLibraries();
}

FluidSynthSound::~FluidSynthSound() = default;

QStringList FluidSynthSound::defaultSoundFonts()
{
    return {u"/usr/share/sounds/sf2/default-GM.sf2"_s, u"/usr/share/sounds/sf2/TimGM6mb.sf2"_s,
            u"/usr/share/sounds/sf2/FluidR3_GM.sf2"_s};
}

double FluidSynthSound::synthGainOf(double gain)
{
    return std::clamp(gain, 0.0, 1.0) * MaxSynthGain;
}

bool FluidSynthSound::ensureSynth(QString* error)
{
    if (m_engine)
        return true;
    auto engine = std::make_unique<Engine>();
    engine->settings = new_fluid_settings();
    if (engine->settings)
        engine->synth = new_fluid_synth(engine->settings);
    if (!engine->synth) {
        if (error)
            *error = u"无法启动合成器。"_s;
        return false;
    }
    const bool loaded = std::any_of(m_soundFonts.cbegin(), m_soundFonts.cend(), [&](const QString& font) {
        return QFileInfo::exists(font) &&
               fluid_synth_sfload(engine->synth, QFile::encodeName(font).constData(), 1) != FLUID_FAILED;
    });
    if (!loaded) {
        if (error)
            *error = u"找不到可用的音色库。"_s;
        return false;
    }
    fluid_synth_set_gain(engine->synth, float(synthGainOf(m_gain)));
    m_engine = std::move(engine);
    return true;
}

bool FluidSynthSound::hasOutput()
{
    if (!ensureSynth(nullptr))
        return false;
    // A device plugged in later is found on the next call.
    return m_engine->driver || m_engine->openDriver();
}

bool FluidSynthSound::play(const QString& midiFile, QString* error)
{
    if (!ensureSynth(error))
        return false;
    m_engine->stopPlayer();
    const QByteArray path = QFile::encodeName(midiFile);
    if (!QFileInfo(midiFile).isFile() || !fluid_is_midifile(path.constData())) {
        if (error)
            *error = u"“%1”不是可播放的乐曲文件。"_s.arg(midiFile);
        return false;
    }
    fluid_player_t* player = new_fluid_player(m_engine->synth);
    if (!player || fluid_player_add(player, path.constData()) != FLUID_OK ||
        fluid_player_play(player) != FLUID_OK) {
        if (player)
            delete_fluid_player(player);
        if (error)
            *error = u"无法播放“%1”。"_s.arg(midiFile);
        return false;
    }
    m_engine->player = player;
    return true;
}

void FluidSynthSound::stop()
{
    if (m_engine)
        m_engine->stopPlayer();
}

void FluidSynthSound::setGain(double gain)
{
    m_gain = std::clamp(gain, 0.0, 1.0);
    if (m_engine)
        fluid_synth_set_gain(m_engine->synth, float(synthGainOf(m_gain)));
}
