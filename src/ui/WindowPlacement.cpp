#include "WindowPlacement.h"

#include "platform/ScreenInfo.h"

#include <QWidget>

namespace WindowPlacement {

void centre(QWidget& window, const ScreenInfo& screen)
{
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen.availableGeometry().center());
    window.move(frame.topLeft());
}

} // namespace WindowPlacement
