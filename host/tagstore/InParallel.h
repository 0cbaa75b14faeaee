#pragma once
// Work cut into pieces that need nothing of each other, run at once: piece 0
// on the calling thread, each other piece on a thread of its own. An
// exception from any piece reaches the caller once all pieces have ended.
#include <cstddef>
#include <functional>

void InParallel(size_t pieces, const std::function<void(size_t piece)>& work);
