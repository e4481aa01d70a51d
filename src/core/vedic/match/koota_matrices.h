// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>

namespace lumora {

// A square score matrix in points (whole or half), boy's row, girl's column.
template <std::size_t N>
using KootaMatrix = std::array<std::array<double, N>, N>;

extern const KootaMatrix<4> kVarnaMatrix;
extern const KootaMatrix<3> kVasyaMatrix;
extern const KootaMatrix<3> kGanaMatrix;
extern const KootaMatrix<3> kNadiMatrix;
extern const KootaMatrix<12> kGrahaMaitriMatrix;
extern const KootaMatrix<12> kRashiMatrix;
extern const KootaMatrix<27> kYoniMatrix;

}  // namespace lumora
