#pragma once

#include "SoundDevice.h"

#include <QStringList>

#include <memory>

// Background music through a FluidSynth synthesiser and a General MIDI sound font.
class FluidSynthSound final : public SoundDevice
{
public:
    // The highest synthesiser gain, reached at gain 1.0; louder distorts the tunes.
    static constexpr double MaxSynthGain = 0.8;

    // soundFonts: candidates in order of preference; the first that loads is used.
    explicit FluidSynthSound(QStringList soundFonts = defaultSoundFonts());
    ~FluidSynthSound() override;
    FluidSynthSound(const FluidSynthSound&) = delete;
    FluidSynthSound& operator=(const FluidSynthSound&) = delete;

    static QStringList defaultSoundFonts();
    static double synthGainOf(double gain);

    bool hasOutput() override;
    bool play(const QString& midiFile, QString* error) override;
    void stop() override;
    void setGain(double gain) override;

private:
    struct Engine;
    bool ensureSynth(QString* error);

    QStringList m_soundFonts;
    double m_gain = 0.6;
    std::unique_ptr<Engine> m_engine;
};
