#pragma once

#include <cstddef>
#include <span>

// Checks shared by the numeric kernels: a 1-based table of n points needs n + 1 elements.
namespace pelavorine::numerique::interne {

template <typename T> bool Contient(std::span<T> table, int n) {
    return n >= 0 && table.size() >= static_cast<std::size_t>(n) + 1;
}

} // namespace pelavorine::numerique::interne
