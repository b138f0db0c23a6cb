#pragma once

#include <QString>

// Background-music output: one tune at a time, played once.
class SoundDevice
{
public:
    virtual ~SoundDevice() = default;
    // False when no audio output can be opened on this machine.
    virtual bool hasOutput() = 0;
    // Plays the MIDI file once from its start; false (with a reason) when it cannot be played.
    virtual bool play(const QString& midiFile, QString* error) = 0;
    virtual void stop() = 0;
    // Linear gain 0.0 .. 1.0.
    virtual void setGain(double gain) = 0;
};
