#include "ChapterColour.h"

QColor ChapterColour(int row)
{
    const quint64 value = (255 + 80000 * quint64(qMax(row, 0))) & 0xffffffu;
    return QColor(int(value & 0xff), int((value >> 8) & 0xff), int((value >> 16) & 0xff));
}
