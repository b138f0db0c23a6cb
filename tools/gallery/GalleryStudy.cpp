#include "Gallery.h"

void renderStudyWindows(GalleryContext&)
{
}
