#include "Tune.h"

#include <QRegularExpression>
#include <QStringList>

#include <stdexcept>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int Beat = MidiFile::TicksPerQuarter;

int semitoneOf(QChar letter)
{
    switch (letter.unicode()) {
    case 'C':
        return 0;
    case 'D':
        return 2;
    case 'E':
        return 4;
    case 'F':
        return 5;
    case 'G':
        return 7;
    case 'A':
        return 9;
    case 'B':
        return 11;
    default:
        throw std::invalid_argument("unknown note letter");
    }
}

int accidentalOf(const QString& text)
{
    return text == u"#" ? 1 : text == u"b" ? -1 : 0;
}

int lengthOf(QChar letter, bool dotted)
{
    int ticks = 0;
    switch (letter.unicode()) {
    case 'w':
        ticks = 4 * Beat;
        break;
    case 'h':
        ticks = 2 * Beat;
        break;
    case 'q':
        ticks = Beat;
        break;
    case 'e':
        ticks = Beat / 2;
        break;
    case 's':
        ticks = Beat / 4;
        break;
    default:
        throw std::invalid_argument("unknown note length");
    }
    return dotted ? ticks * 3 / 2 : ticks;
}

struct Note
{
    int pitch = -1; // -1: a rest
    int ticks = 0;
};

QVector<Note> parseNotes(const QString& text)
{
    static const QRegularExpression note(u"^([A-G])([#b]?)(\\d)([whqes])(\\.?)$"_s);
    static const QRegularExpression rest(u"^R([whqes])(\\.?)$"_s);
    QVector<Note> notes;
    const QStringList tokens = QString(text).remove(u'|').split(u' ', Qt::SkipEmptyParts);
    for (const QString& token : tokens) {
        if (const auto m = rest.match(token); m.hasMatch()) {
            notes.append({-1, lengthOf(m.captured(1)[0], !m.captured(2).isEmpty())});
            continue;
        }
        const auto m = note.match(token);
        if (!m.hasMatch())
            throw std::invalid_argument("malformed note: " + token.toStdString());
        const int pitch =
            12 * (m.captured(3).toInt() + 1) + semitoneOf(m.captured(1)[0]) + accidentalOf(m.captured(2));
        notes.append({pitch, lengthOf(m.captured(4)[0], !m.captured(5).isEmpty())});
    }
    return notes;
}

struct Chord
{
    int root = -1; // pitch class; -1: silence
    bool minor = false;
    int beats = 0;
};

QVector<Chord> parseChords(const QString& text, int beatsPerBar)
{
    static const QRegularExpression chord(u"^(?:([A-G])([#b]?)(m?)|R)(?::(\\d+))?$"_s);
    QVector<Chord> chords;
    const QStringList tokens = QString(text).remove(u'|').split(u' ', Qt::SkipEmptyParts);
    for (const QString& token : tokens) {
        const auto m = chord.match(token);
        if (!m.hasMatch())
            throw std::invalid_argument("malformed chord: " + token.toStdString());
        Chord c;
        c.beats = m.captured(4).isEmpty() ? beatsPerBar : m.captured(4).toInt();
        if (!m.captured(1).isEmpty()) {
            c.root = (semitoneOf(m.captured(1)[0]) + accidentalOf(m.captured(2)) + 12) % 12;
            c.minor = !m.captured(3).isEmpty();
        }
        chords.append(c);
    }
    return chords;
}

// The chord's tones from a given octave: root, third, fifth.
QVector<int> tonesOf(const Chord& chord, int octave)
{
    const int root = 12 * (octave + 1) + chord.root;
    return {root, root + (chord.minor ? 3 : 4), root + 7};
}

void accompany(MidiFile& midi, int channel, const Tune::Accompaniment& part, const Chord& chord, int start)
{
    const int length = chord.beats * Beat;
    const QVector<int> low = tonesOf(chord, 2);
    const QVector<int> mid = tonesOf(chord, 3);
    const int v = part.velocity;
    switch (part.style) {
    case Tune::Style::Block:
        midi.addNote(channel, start, length - 10, low[0], v + 6);
        for (int tone : mid)
            midi.addNote(channel, start, length - 10, tone, v);
        break;
    case Tune::Style::Pad:
        for (int tone : mid)
            midi.addNote(channel, start, length - 5, tone, v);
        break;
    case Tune::Style::Waltz:
        for (int beat = 0; beat < chord.beats; ++beat) {
            const int tick = start + beat * Beat;
            if (beat == 0) {
                midi.addNote(channel, tick, Beat - 20, low[0], v + 8);
            } else {
                for (int tone : mid)
                    midi.addNote(channel, tick, Beat - 40, tone, v - 6);
            }
        }
        break;
    case Tune::Style::Arpeggio: {
        const int pattern[4] = {low[0], low[2], low[0] + 12, mid[1]};
        for (int step = 0; step < chord.beats * 2; ++step)
            midi.addNote(channel, start + step * Beat / 2, Beat / 2 + Beat / 4, pattern[step % 4],
                         step % 4 == 0 ? v + 6 : v);
        break;
    }
    case Tune::Style::Bass:
        for (int beat = 0; beat < chord.beats; beat += 2) {
            const int tone = (beat / 2) % 2 == 0 ? low[0] : low[2] - 12;
            midi.addNote(channel, start + beat * Beat, qMin(2, chord.beats - beat) * Beat - 20, tone, v);
        }
        break;
    }
}

} // namespace

MidiFile Tune::render() const
{
    MidiFile midi;
    midi.setTempo(tempo);
    midi.setTimeSignature(beatsPerBar, 4);
    int channel = 0;
    for (const Voice& voice : voices) {
        midi.setProgram(channel, voice.program);
        midi.setVolume(channel, 100);
        const QVector<Note> notes = parseNotes(voice.notes);
        int tick = voice.startBeat * Beat;
        for (int pass = 0; pass < voice.repeats; ++pass) {
            for (const Note& note : notes) {
                // A small gap between notes keeps repeated pitches distinct.
                if (note.pitch >= 0)
                    midi.addNote(channel, tick, note.ticks - qMin(30, note.ticks / 8), note.pitch,
                                 voice.velocity);
                tick += note.ticks;
            }
        }
        ++channel;
    }
    const QVector<Chord> chordLine = parseChords(chords, beatsPerBar);
    for (const Accompaniment& part : accompaniments) {
        if (channel == 9)
            ++channel; // channel 10 is the drum kit
        midi.setProgram(channel, part.program);
        midi.setVolume(channel, 90);
        int tick = 0;
        for (int pass = 0; pass < chordRepeats; ++pass) {
            for (const Chord& chord : chordLine) {
                if (chord.root >= 0)
                    accompany(midi, channel, part, chord, tick);
                tick += chord.beats * Beat;
            }
        }
        ++channel;
    }
    return midi;
}
