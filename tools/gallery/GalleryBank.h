#pragma once

#include <QString>

class TDM1;

// The gallery's program folder: a temporary copy of the built program folder
// (pictures, tunes, pages) with a copy of the sample bank, or a small bank
// made here when the sample bank has not been built.
namespace GalleryBank {

// Fills folder; false with a reason when a file cannot be copied.
bool prepareFolder(const QString& folder, QString* error);
// Records some progress: answers of a few questions and one closed run.
void recordProgress(TDM1& dm);
// The first column of the first row a statement finds, or empty; read through a connection of its own.
QString firstText(TDM1& dm, const QString& sql, const QString& value = {});

} // namespace GalleryBank
