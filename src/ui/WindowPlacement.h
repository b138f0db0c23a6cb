#pragma once

class QWidget;
class ScreenInfo;

namespace WindowPlacement {

// Moves a top-level window so that it sits in the middle of the desktop area.
void centre(QWidget& window, const ScreenInfo& screen);

} // namespace WindowPlacement
