// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/landmark_formats.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>

#include "shell/format.h"

namespace vrel::test {

DatContent ReadDatContent(const std::string& path) {
  std::ifstream in(path);
  DatContent dat;
  in >> dat.n >> dat.p >> dat.k;
  dat.coordinates.resize(static_cast<std::size_t>(dat.n * dat.p * dat.k));
  for (double& x : dat.coordinates) in >> x;
  if (!in) throw std::runtime_error("cannot read " + path);
  return dat;
}

namespace {

std::string Number(double x) { return Format("%.17g", x); }

}  // namespace

std::string TpsFromDat(const DatContent& dat, double scale, const std::vector<std::string>& names) {
  std::string text;
  std::size_t next = 0;
  for (int i = 0; i < dat.n; ++i) {
    text += (dat.k == 3 ? "LM3=" : "LM=") + std::to_string(dat.p) + "\n";
    for (int l = 0; l < dat.p; ++l) {
      for (int d = 0; d < dat.k; ++d) {
        const double x = dat.coordinates[next++];
        text += (d > 0 ? " " : "") + Number(scale != 0.0 ? x / scale : x);
      }
      text += "\n";
    }
    if (static_cast<std::size_t>(i) < names.size()) text += "ID=" + names[i] + "\n";
    if (scale != 0.0) text += "SCALE=" + Number(scale) + "\n";
  }
  return text;
}

std::string NtsFromDat(const DatContent& dat, const std::vector<std::string>& names) {
  const int m = dat.p * dat.k;
  std::string text = "\" written from a landmark data file\n";
  text += "1 " + std::to_string(dat.n) + (names.empty() ? " " : "L ") + std::to_string(m) +
          "L 0 DIM=" + std::to_string(dat.k) + "\n";
  for (const std::string& name : names) text += name + "\n";
  for (int j = 0; j < m; ++j) text += "c" + std::to_string(j + 1) + " ";
  text += "\n";
  std::size_t next = 0;
  for (int i = 0; i < dat.n; ++i) {
    for (int j = 0; j < m; ++j) text += Number(dat.coordinates[next++]) + " ";
    text += "\n";
  }
  return text;
}

std::vector<std::vector<std::string>> ParseCsv(const std::string& text) {
  std::vector<std::vector<std::string>> records;
  std::vector<std::string> record;
  std::string field;
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c != '"') {
        field += c;
      } else if (i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == '"' && field.empty()) {
      quoted = true;
    } else if (c == ',') {
      record.push_back(field);
      field.clear();
    } else if (c == '\n' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
      if (c == '\r') ++i;
      record.push_back(field);
      records.push_back(record);
      record.clear();
      field.clear();
    } else {
      field += c;
    }
  }
  if (quoted) throw std::runtime_error("CSV text ends inside a quoted field");
  if (!field.empty() || !record.empty()) throw std::runtime_error("CSV record without line end");
  return records;
}

}  // namespace vrel::test
