#include "Gallery.h"

void renderPracticeWindows(GalleryContext&)
{
}
