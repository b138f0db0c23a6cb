#pragma once

#include <QColor>

// The colour of the chart's chapter row i: the value 255 + 80000 x i read as
// blue-green-red with red in the lowest byte, so row 0 is pure red. Rows from
// 210 on give values past 24 bits; only the low 24 bits are read, as a
// 24-bit colour register would keep them.
QColor ChapterColour(int row);
