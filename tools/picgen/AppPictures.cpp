#include "PictureSet.h"

QVector<Picture> appPictures()
{
    return {};
}
