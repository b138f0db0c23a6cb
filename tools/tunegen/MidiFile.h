#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include <cstdint>

// A Standard MIDI File of format 0 built from notes: one track, events in time order.
class MidiFile
{
public:
    static constexpr int TicksPerQuarter = 480;

    void setTempo(int beatsPerMinute) { m_beatsPerMinute = beatsPerMinute; }
    void setTimeSignature(int beats, int noteValue);
    void setProgram(int channel, int program);
    void setVolume(int channel, int volume);
    void addNote(int channel, int startTick, int lengthTicks, int pitch, int velocity);

    QByteArray toBytes() const;
    bool save(const QString& path) const;

private:
    struct Event
    {
        int tick = 0;
        int order = 0; // at the same tick: set-up first, note-offs before note-ons
        QByteArray bytes;
    };

    void add(int tick, int order, QByteArray bytes);

    int m_beatsPerMinute = 100;
    int m_beats = 4;
    int m_noteValue = 4;
    QVector<Event> m_events;
};
