#pragma once

#include "MidiFile.h"

#include <QString>
#include <QVector>

// One background tune: melody voices written in a small note language and an
// accompaniment drawn from a chord line.
//
// Notes: pitch with octave and a length, e.g. "E5q", "F#4e", "C5h.", "R q" is a
// rest; lengths w h q e s (whole .. sixteenth), "." makes one dotted; "|" marks
// bars for the reader and is ignored. Chords: "C", "Am", "Bb", "F#m", with ":n"
// for a length of n beats (one bar when left out); "R:n" is a silent span.
struct Tune
{
    enum class Style
    {
        Block,
        Waltz,
        Arpeggio,
        Bass,
        Pad
    };

    struct Voice
    {
        QString notes;
        int program = 0;
        int velocity = 96;
        int startBeat = 0; // a round lets its voices come in later
        int repeats = 1;
    };
    struct Accompaniment
    {
        Style style = Style::Block;
        int program = 0;
        int velocity = 60;
    };

    QString fileName;
    int tempo = 90;
    int beatsPerBar = 4;
    QVector<Voice> voices;
    QString chords;
    int chordRepeats = 1;
    QVector<Accompaniment> accompaniments;

    // The tune as a MIDI file; throws std::invalid_argument on a malformed note or chord.
    MidiFile render() const;
};
