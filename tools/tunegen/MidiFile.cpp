#include "MidiFile.h"

#include <QFile>

#include <algorithm>

namespace {

void appendVariableLength(QByteArray& out, std::uint32_t value)
{
    char bytes[4];
    int count = 0;
    bytes[count++] = char(value & 0x7F);
    while ((value >>= 7) != 0)
        bytes[count++] = char((value & 0x7F) | 0x80);
    while (count > 0)
        out.append(bytes[--count]);
}

void appendBigEndian(QByteArray& out, std::uint32_t value, int size)
{
    for (int shift = (size - 1) * 8; shift >= 0; shift -= 8)
        out.append(char((value >> shift) & 0xFF));
}

QByteArray bytesOf(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int value : values)
        bytes.append(char(value));
    return bytes;
}

} // namespace

void MidiFile::setTimeSignature(int beats, int noteValue)
{
    m_beats = beats;
    m_noteValue = noteValue;
}

void MidiFile::setProgram(int channel, int program)
{
    add(0, 0, bytesOf({0xC0 | channel, program}));
}

void MidiFile::setVolume(int channel, int volume)
{
    add(0, 0, bytesOf({0xB0 | channel, 7, volume}));
}

void MidiFile::addNote(int channel, int startTick, int lengthTicks, int pitch, int velocity)
{
    add(startTick, 2, bytesOf({0x90 | channel, pitch, velocity}));
    add(startTick + lengthTicks, 1, bytesOf({0x80 | channel, pitch, 0}));
}

void MidiFile::add(int tick, int order, QByteArray bytes)
{
    m_events.append({tick, order, std::move(bytes)});
}

QByteArray MidiFile::toBytes() const
{
    QVector<Event> events = m_events;
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });

    QByteArray track;
    const std::uint32_t microsPerQuarter = 60000000u / std::uint32_t(m_beatsPerMinute);
    track.append(bytesOf({0x00, 0xFF, 0x51, 0x03}));
    appendBigEndian(track, microsPerQuarter, 3);
    int denominatorPower = 0;
    while ((1 << denominatorPower) < m_noteValue)
        ++denominatorPower;
    track.append(bytesOf({0x00, 0xFF, 0x58, 0x04, m_beats, denominatorPower, 24, 8}));
    int now = 0;
    for (const Event& event : events) {
        appendVariableLength(track, std::uint32_t(event.tick - now));
        track.append(event.bytes);
        now = event.tick;
    }
    appendVariableLength(track, TicksPerQuarter); // a beat of silence, then the end
    track.append(bytesOf({0xFF, 0x2F, 0x00}));

    QByteArray file("MThd", 4);
    appendBigEndian(file, 6, 4);
    appendBigEndian(file, 0, 2); // format 0
    appendBigEndian(file, 1, 2); // one track
    appendBigEndian(file, TicksPerQuarter, 2);
    file.append("MTrk", 4);
    appendBigEndian(file, std::uint32_t(track.size()), 4);
    file.append(track);
    return file;
}

bool MidiFile::save(const QString& path) const
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(toBytes()) >= 0 &&
           file.flush();
}
