// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "shell/session.h"

namespace vrel {

struct VariablesRead {
  // In the file's column order (the first column, the names, excluded).
  std::vector<SpecimenVariable> variables;
  std::string refusal;  // empty when read; else why the file is refused
};

// Reads a CSV text whose first row is a header and whose first column names the specimens.
// specimenNames[i] is the name of specimen i (specimen i+1 in the user's counting).
//
// Fields are separated by commas and records by LF or CR LF; a field in double quotes may hold
// commas, line breaks and doubled quotes as data. A UTF-8 byte-order mark at the start and
// empty lines at the end are left out. The first header cell may be anything; the others name
// the variables, each once. A row goes to the specimen its first cell names, matched exactly;
// rows naming a name several specimens share go to those specimens in their order. A column
// whose every cell is a finite number (blanks around it allowed) is a covariate, any other a
// factor whose levels are its cell texts as written.
//
// The refusal tells the first problem met reading the rows top to bottom: a row's quotes and
// its number of cells, then its name, then its cells left to right; specimens left without a
// row come after every row was read. Rows are numbered as a spreadsheet shows them, the header
// being row 1. A refused file reads no variables.
VariablesRead ReadSpecimenVariables(const std::string& text,
                                    const std::vector<std::string>& specimenNames);

}  // namespace vrel
