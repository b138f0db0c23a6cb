#pragma once

#include "PracticeFixture.h"

#include <QString>

class QListWidget;
class TFrmSelectFG;

// A practice context with a leaf chapter 100101, a subjective type (71 "简答")
// and a small catalogue: the top-level node AA (no points of its own), node
// AA0101 with three points and node AA0102 with one, listed in that order.
struct AuthoringContext : PracticeContext
{
    AuthoringContext();
};

// Ticks or unticks a point of the picker's check list as a click on its box does.
void tick(TFrmSelectFG& picker, int row, bool on = true);
// Selects a node of the picker by its position in the drop-down.
void chooseNode(TFrmSelectFG& picker, int index);
