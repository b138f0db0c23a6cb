// velmarin: the study program. Everything it needs lies in the folder of the program file.
#include "StartUp.h"
#include "platform/DesktopShell.h"
#include "platform/DialogModalRunner.h"
#include "platform/FluidSynthSound.h"
#include "platform/LocalSingleInstance.h"
#include "platform/MenuPlayerAvailability.h"
#include "platform/QtScreenInfo.h"
#include "platform/SystemClock.h"
#include "platform/SystemRandomSource.h"
#include "store/BankLocation.h"
#include "store/TDM1.h"
#include "ui/Theme.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Theme::apply(app);

    LocalSingleInstance singleInstance(StartUp::Title);
    MenuPlayerAvailability menuPlayer;
    SystemClock clock;
    SystemRandomSource random;
    FluidSynthSound sound;
    DesktopShell shell;
    QtScreenInfo screen;
    DialogModalRunner windows;

    const QString programFolder = TDM1::programFolderOf(QCoreApplication::applicationFilePath());
    StartUp startUp({singleInstance, menuPlayer, clock, random, sound, shell, screen, windows},
                    BankLocation(programFolder, BankLocation::defaultDataHome()),
                    [&](const QString& bankPath, const Clock& bankClock) {
                        return std::make_unique<TDM1>(programFolder, bankPath, bankClock);
                    });
    return startUp.run();
}
