#pragma once

// The library is built with hidden symbols: only the entry points declared by the shared
// header are exported.
#pragma GCC visibility push(default)
#include <pelavorine/interface.h>
#pragma GCC visibility pop
