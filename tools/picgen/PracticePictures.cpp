#include "PictureSet.h"

QVector<Picture> practicePictures()
{
    return {};
}
