#include "Tunes.h"
#include "platform/FluidSynthSound.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <stdexcept>

using namespace Qt::Literals::StringLiterals;

namespace {

bool haveSoundFont()
{
    for (const QString& font : FluidSynthSound::defaultSoundFonts()) {
        if (QFileInfo::exists(font))
            return true;
    }
    return false;
}

TEST(Tunes, AreSixStandardMidiFilesThatTheSynthesiserAccepts)
{
    QTemporaryDir dir;
    const QVector<Tune> tunes = Tunes::all();
    ASSERT_EQ(tunes.size(), 6);
    FluidSynthSound sound;
    for (int i = 0; i < tunes.size(); ++i) {
        EXPECT_EQ(tunes[i].fileName, u"乐曲%1.mid"_s.arg(i + 1, 2, 10, QChar(u'0')));
        const QString path = dir.filePath(tunes[i].fileName);
        ASSERT_TRUE(tunes[i].render().save(path));
        EXPECT_TRUE(fluid_is_midifile(QFile::encodeName(path).constData())) << qPrintable(path);
        if (haveSoundFont()) {
            QString error;
            EXPECT_TRUE(sound.play(path, &error)) << qPrintable(error);
        }
    }
    sound.stop();
}

TEST(Tunes, MidiFileTimesAreWrittenAsVariableLengthNumbers)
{
    MidiFile midi;
    midi.addNote(0, 0, 200, 60, 90); // 200 ticks need two bytes: 0x81 0x48
    const QByteArray bytes = midi.toBytes();
    EXPECT_TRUE(bytes.startsWith("MThd"));
    EXPECT_TRUE(bytes.contains(QByteArray::fromHex("8148"
                                                   "803c00")));
    EXPECT_TRUE(bytes.endsWith(QByteArray::fromHex("8360"
                                                   "ff2f00"))); // a beat of silence, then the end
}

TEST(Tunes, AMalformedNoteIsRefused)
{
    Tune tune;
    tune.voices = {{u"C4q H4q"_s}};
    EXPECT_THROW(tune.render(), std::invalid_argument);
    tune.voices = {{u"C4q"_s}};
    tune.chords = u"C Xm"_s;
    EXPECT_THROW(tune.render(), std::invalid_argument);
}

TEST(FluidSynthSound, RefusesWhatIsNotATune)
{
    QTemporaryDir dir;
    const QString text = dir.filePath(u"notes.mid"_s);
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a midi file");
    file.close();
    FluidSynthSound sound;
    for (const QString& path : {dir.filePath(u"missing.mid"_s), text, dir.path()}) {
        QString error;
        EXPECT_FALSE(sound.play(path, &error)) << qPrintable(path);
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(FluidSynthSound, WithoutASoundFontNothingPlays)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"tune.mid"_s);
    ASSERT_TRUE(Tunes::all().first().render().save(path));
    FluidSynthSound sound({dir.filePath(u"none.sf2"_s)});
    QString error;
    EXPECT_FALSE(sound.play(path, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(sound.hasOutput());
}

TEST(FluidSynthSound, GainIsScaledOntoTheSynthesisersRangeAndClamped)
{
    EXPECT_DOUBLE_EQ(FluidSynthSound::synthGainOf(0.0), 0.0);
    EXPECT_DOUBLE_EQ(FluidSynthSound::synthGainOf(0.5), 0.5 * FluidSynthSound::MaxSynthGain);
    EXPECT_DOUBLE_EQ(FluidSynthSound::synthGainOf(1.0), FluidSynthSound::MaxSynthGain);
    EXPECT_DOUBLE_EQ(FluidSynthSound::synthGainOf(3.0), FluidSynthSound::MaxSynthGain);
    EXPECT_DOUBLE_EQ(FluidSynthSound::synthGainOf(-1.0), 0.0);
}

} // namespace
