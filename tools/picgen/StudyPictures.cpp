#include "PictureSet.h"

QVector<Picture> studyPictures()
{
    return {};
}
