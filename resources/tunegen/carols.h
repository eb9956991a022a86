// The tunes shipped beside the program: traditional carols as note text.
#pragma once

#include <vector>

#include "score.h"

namespace tune {

// Every tune, the default playlist's "xmastune.mid" first.
const std::vector<Tune>& Carols();

}  // namespace tune
