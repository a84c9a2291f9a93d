// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// Other layouts of a landmark data file, written from its numbers, and a CSV reader: the test
// side of the TPS, NTS and CSV files.
namespace vrel::test {

// The numbers of a landmark data file (n p k, then the coordinates).
struct DatContent {
  int n = 0, p = 0, k = 0;
  std::vector<double> coordinates;  // n x p x k, in file order
};
DatContent ReadDatContent(const std::string& path);

// A TPS file of the same specimens: LM= (or LM3=), coordinates divided by scale and written in
// full precision, then ID=names[i] when given, and SCALE=scale (no SCALE= when scale is 0).
std::string TpsFromDat(const DatContent& dat, double scale, const std::vector<std::string>& names);

// An NTS file of the same specimens: a comment, the header (with row labels when names are
// given, and column labels), then one row per specimen.
std::string NtsFromDat(const DatContent& dat, const std::vector<std::string>& names);

// The records of a CSV text: fields split on commas, quoted fields with commas, line ends and
// doubled quotes inside; each record ends with LF or CR LF.
std::vector<std::vector<std::string>> ParseCsv(const std::string& text);

}  // namespace vrel::test
