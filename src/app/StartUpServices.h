#pragma once

class Clock;
class MenuPlayerCheck;
class ModalRunner;
class Prompts;
class RandomSource;
class ScreenInfo;
class Shell;
class SingleInstance;
class SoundDevice;

// The platform services start-up is built on: the real ones in the program, fakes in tests.
struct StartUpServices
{
    SingleInstance& singleInstance;
    MenuPlayerCheck& menuPlayer;
    Clock& clock;
    RandomSource& random;
    SoundDevice& sound;
    Shell& shell;
    ScreenInfo& screen;
    ModalRunner& windows;
    // Null: the program's own messages (TFrmDlg and the system's message box).
    Prompts* prompts = nullptr;
};
