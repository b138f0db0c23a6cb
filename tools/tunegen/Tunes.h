#pragma once

#include "Tune.h"

// The six background tunes the settings window offers, "乐曲01.mid" .. "乐曲06.mid".
namespace Tunes {

QVector<Tune> all();

} // namespace Tunes
