#include "Gallery.h"

void renderAppWindows(GalleryContext&)
{
}
