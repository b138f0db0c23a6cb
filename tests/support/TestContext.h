#pragma once

#include "BankFixture.h"
#include "FakeAppActions.h"
#include "FakeClock.h"
#include "FakeModalRunner.h"
#include "FakeProgressWindow.h"
#include "FakePrompts.h"
#include "FakeServices.h"

#include "store/TDM1.h"
#include "ui/AppContext.h"

// A context on a fixture bank with fake services: what a window under test gets.
// Fill the fixture first, then call open().
struct TestContext
{
    BankFixture bank;
    FakeClock clock;
    FakeRandom random;
    FakePrompts prompts;
    FakeSound sound;
    FakeShell shell;
    FakeScreen screen;
    FakeModalRunner windows;
    FakeAppActions actions;
    FakeProgressWindow progress;
    std::unique_ptr<TDM1> dm;
    std::unique_ptr<AppContext> app;

    AppContext& open()
    {
        dm = std::make_unique<TDM1>(bank.programFolder(), clock);
        app = std::make_unique<AppContext>(*dm,
                                           Services{clock, random, prompts, sound, shell, screen, windows});
        app->actions = &actions;
        app->progress = &progress;
        return *app;
    }
};
