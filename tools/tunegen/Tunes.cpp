#include "Tunes.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// General MIDI programs (numbered from 0).
enum Program
{
    GrandPiano = 0,
    ElectricPiano = 4,
    Celesta = 8,
    MusicBox = 10,
    Vibraphone = 11,
    Marimba = 12,
    NylonGuitar = 24,
    AcousticBass = 32,
    Strings = 48,
    SlowStrings = 49,
    Clarinet = 71,
    Flute = 73,
    Recorder = 74,
    Koto = 107,
    WarmPad = 89,
};

// Beethoven's "Ode to Joy" (public domain).
Tune odeToJoy()
{
    Tune tune;
    tune.fileName = u"乐曲01.mid"_s;
    tune.tempo = 92;
    tune.voices = {{u"E5q E5q F5q G5q | G5q F5q E5q D5q | C5q C5q D5q E5q | E5q. D5e D5h |"
                    u"E5q E5q F5q G5q | G5q F5q E5q D5q | C5q C5q D5q E5q | D5q. C5e C5h |"
                    u"D5q D5q E5q C5q | D5q E5e F5e E5q C5q | D5q E5e F5e E5q D5q | C5q D5q G4h |"
                    u"E5q E5q F5q G5q | G5q F5q E5q D5q | C5q C5q D5q E5q | D5q. C5e C5h |"_s,
                    GrandPiano, 92, 0, 2}};
    tune.chords = u"C G C G | C G C G:2 C:2 | G:2 C:2 G:2 C:2 G:2 C:2 C:2 G:2 | C G C G:2 C:2"_s;
    tune.chordRepeats = 2;
    tune.accompaniments = {{Tune::Style::Arpeggio, GrandPiano, 52}, {Tune::Style::Pad, Strings, 40}};
    return tune;
}

// "Ah ! vous dirai-je, maman", the French folk tune (public domain).
Tune twinkle()
{
    Tune tune;
    tune.fileName = u"乐曲02.mid"_s;
    tune.tempo = 88;
    tune.voices = {{u"C5q C5q G5q G5q | A5q A5q G5h | F5q F5q E5q E5q | D5q D5q C5h |"
                    u"G5q G5q F5q F5q | E5q E5q D5h | G5q G5q F5q F5q | E5q E5q D5h |"
                    u"C5q C5q G5q G5q | A5q A5q G5h | F5q F5q E5q E5q | D5q D5q C5h |"_s,
                    MusicBox, 96, 0, 2}};
    tune.chords =
        u"C F:2 C:2 F:2 C:2 G:2 C:2 | C:2 F:2 C:2 G:2 C:2 F:2 C:2 G:2 | C F:2 C:2 F:2 C:2 G:2 C:2"_s;
    tune.chordRepeats = 2;
    tune.accompaniments = {{Tune::Style::Arpeggio, NylonGuitar, 58}};
    return tune;
}

// "Greensleeves", the English folk tune (public domain).
Tune greensleeves()
{
    Tune tune;
    tune.fileName = u"乐曲03.mid"_s;
    tune.tempo = 104;
    tune.beatsPerBar = 3;
    tune.voices = {
        {u"A4q |"
         u"C5h D5q | E5q. F5e E5q | D5h B4q | G4q. A4e B4q | C5h A4q | A4q. G#4e A4q | B4h G#4q | E4h A4q |"
         u"C5h D5q | E5q. F5e E5q | D5h B4q | G4q. A4e B4q | C5q. B4e A4q | G#4q. F#4e G#4q | A4h. |"
         u"G5h. | G5q. F#5e E5q | D5h B4q | G4q. A4e B4q | C5h A4q | A4q. G#4e A4q | B4h G#4q | E4h. |"
         u"G5h. | G5q. F#5e E5q | D5h B4q | G4q. A4e B4q | C5q. B4e A4q | G#4q. F#4e G#4q | A4h |"_s,
         Flute, 90, 0, 2}};
    tune.chords = u"R:1 | Am C G Em Am E E E | Am C G Em Am E Am |"
                  u"G Em G Em Am E E E | G Em G Em Am E Am:2"_s;
    tune.chordRepeats = 2;
    tune.accompaniments = {{Tune::Style::Waltz, NylonGuitar, 60}, {Tune::Style::Pad, SlowStrings, 34}};
    return tune;
}

// "Frère Jacques" (public domain) as a round of three voices.
Tune frereJacques()
{
    const QString melody =
        u"C5q D5q E5q C5q | C5q D5q E5q C5q | E5q F5q G5h | E5q F5q G5h |"
        u"G5e A5e G5e F5e E5q C5q | G5e A5e G5e F5e E5q C5q | C5q G4q C5h | C5q G4q C5h |"_s;
    Tune tune;
    tune.fileName = u"乐曲04.mid"_s;
    tune.tempo = 100;
    tune.voices = {{melody, Marimba, 96, 0, 2}, {melody, Flute, 80, 8, 2}, {melody, Clarinet, 74, 16, 2}};
    tune.chords = u"C C C C | C C C C | C C C C | C C C C | C C C C"_s;
    tune.accompaniments = {{Tune::Style::Bass, AcousticBass, 70}};
    return tune;
}

// "山间晨曲", a melody of our own on the G pentatonic scale.
Tune morningInTheHills()
{
    const QString a = u"D5q E5e D5e B4q A4q | G4h. A4q | B4q D5q E5q G5q | E5h D5h |"
                      u"D5q E5e D5e B4q A4q | G4q A4e B4e D5q B4q | A4q G4q E4q A4q | G4w |"_s;
    const QString b = u"E5q G5e E5e D5q B4q | D5h. E5q | G5q A5e G5e E5q D5q | B4h A4h |"
                      u"B4q D5e B4e A4q G4q | E4q G4e A4e B4q D5q | E5q D5e B4e A4q B4q | G4w |"_s;
    const QString chordsA = u"G G Em C:2 D:2 | G G Am:2 D:2 G |"_s;
    const QString chordsB = u"Em G C:2 G:2 G:2 D:2 | G Em:2 G:2 Em:2 D:2 G |"_s;
    Tune tune;
    tune.fileName = u"乐曲05.mid"_s;
    tune.tempo = 76;
    tune.voices = {{a + b + a, Koto, 98, 0, 1}};
    tune.chords = chordsA + chordsB + chordsA;
    tune.accompaniments = {{Tune::Style::Arpeggio, NylonGuitar, 50}, {Tune::Style::Pad, WarmPad, 38}};
    return tune;
}

// "灯下夜读", a waltz of our own in F major.
Tune readingByLamplight()
{
    Tune tune;
    tune.fileName = u"乐曲06.mid"_s;
    tune.tempo = 84;
    tune.beatsPerBar = 3;
    tune.voices = {{u"A4h C5q | F5h. | E5q D5q C5q | D5h. | Bb4h D5q | G5h. | F5q E5q D5q | C5h. |"
                    u"A4h C5q | F5h A5q | G5q F5q E5q | D5h Bb4q | A4q C5q F5q | E5h G5q | F5h. | F5h. |"_s,
                    Vibraphone, 92, 0, 2}};
    tune.chords = u"F F C Dm Bb Gm C F | F Dm C Gm F C F F"_s;
    tune.chordRepeats = 2;
    tune.accompaniments = {{Tune::Style::Waltz, GrandPiano, 54}, {Tune::Style::Pad, SlowStrings, 36}};
    return tune;
}

} // namespace

namespace Tunes {

QVector<Tune> all()
{
    return {odeToJoy(), twinkle(), greensleeves(), frereJacques(), morningInTheHills(), readingByLamplight()};
}

} // namespace Tunes
