// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/random.h"

#include <cstdlib>

namespace vrel {

namespace {
constexpr std::int32_t Modulus = 1000000000;
constexpr std::int32_t SeedBase = 161803398;
}  // namespace

double SubtractiveRandom(SubtractiveRandomState& state, int& seed) {
  auto& table = state.Table;
  if (seed < 0 || !state.Initialised) {
    state.Initialised = true;
    std::int32_t mj = (SeedBase - std::abs(seed)) % Modulus;
    table[55] = mj;
    std::int32_t mk = 1;
    for (int i = 1; i <= 54; ++i) {
      const int ii = (21 * i) % 55;
      table[ii] = mk;
      mk = mj - mk;
      if (mk < 0) mk += Modulus;
      mj = table[ii];
    }
    for (int pass = 0; pass < 4; ++pass)
      for (int i = 1; i <= 55; ++i) {
        table[i] -= table[1 + (i + 30) % 55];
        if (table[i] < 0) table[i] += Modulus;
      }
    state.Next = 0;
    state.Partner = 31;
    seed = 1;
  }
  if (++state.Next == 56) state.Next = 1;
  if (++state.Partner == 56) state.Partner = 1;
  std::int32_t mj = table[state.Next] - table[state.Partner];
  if (mj < 0) mj += Modulus;
  table[state.Next] = mj;
  return mj * 1.0e-9;
}

namespace {
long seedsDrawn = 0;
}  // namespace

int NextTestSeed() {
  ++seedsDrawn;
  return -(std::rand() % 32768);
}

long TestSeedsDrawn() { return seedsDrawn; }

}  // namespace vrel
