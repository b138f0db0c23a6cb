#pragma once

#include "platform/MenuPlayerCheck.h"
#include "platform/RandomSource.h"
#include "platform/ScreenInfo.h"
#include "platform/Shell.h"
#include "platform/SingleInstance.h"
#include "platform/SoundDevice.h"

#include <QStringList>

class FakeRandom final : public RandomSource
{
public:
    std::uint32_t next(std::uint32_t bound) override { return bound == 0 ? 0 : (m_state++ * 7919u) % bound; }

private:
    std::uint32_t m_state = 1;
};

class FakeSound final : public SoundDevice
{
public:
    bool hasOutput() override { return output; }
    bool play(const QString& midiFile, QString* error) override
    {
        if (!playable) {
            if (error)
                *error = QStringLiteral("cannot play");
            return false;
        }
        played.append(midiFile);
        playing = true;
        return true;
    }
    void stop() override { playing = false; }
    void setGain(double value) override { gain = value; }

    bool output = true;
    bool playable = true;
    bool playing = false;
    double gain = -1;
    QStringList played;
};

class FakeShell final : public Shell
{
public:
    bool open(const QString& path) override
    {
        opened.append(path);
        return opens;
    }
    void showDesktop() override { ++desktopShown; }
    QStringList opened;
    bool opens = true;
    int desktopShown = 0;
};

class FakeScreen final : public ScreenInfo
{
public:
    QSize size() const override { return screenSize; }
    int logicalDpiX() const override { return dpi; }
    QRect availableGeometry() const override
    {
        return available.isValid() ? available : QRect({0, 0}, screenSize);
    }
    QSize screenSize{1024, 768};
    int dpi = 96;
    QRect available; // invalid: the whole screen
};

class FakeMenuPlayerCheck final : public MenuPlayerCheck
{
public:
    bool available() const override { return isAvailable; }
    bool isAvailable = true;
};

class FakeSingleInstance final : public SingleInstance
{
public:
    bool findEarlierInstance() override { return earlier; }
    void listen(std::function<void()> onRaise) override { raise = std::move(onRaise); }
    bool earlier = false;
    std::function<void()> raise;
};
