// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/variables_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vrel {
namespace {

using Strings = std::vector<std::string>;

void ExpectFactor(const SpecimenVariable& v, const std::string& name, const Strings& levels,
                  const std::vector<int>& codes) {
  SCOPED_TRACE(name);
  EXPECT_EQ(v.name, name);
  EXPECT_TRUE(v.factor);
  EXPECT_EQ(v.levels, levels);
  EXPECT_EQ(v.codes, codes);
  EXPECT_TRUE(v.values.empty());
}

void ExpectCovariate(const SpecimenVariable& v, const std::string& name,
                     const std::vector<double>& values) {
  SCOPED_TRACE(name);
  EXPECT_EQ(v.name, name);
  EXPECT_FALSE(v.factor);
  EXPECT_EQ(v.values, values);
  EXPECT_TRUE(v.levels.empty());
  EXPECT_TRUE(v.codes.empty());
}

TEST(SpecimenVariables, ReadsQuotedRowsInAnyOrderIntoCovariatesAndFactors) {
  const Strings names = {"A1", "B 2", "C,3", "D\"4"};
  const std::string text =
      "\xEF\xBB\xBF"
      "Specimen,sex,size,\"site, area\",note\r\n"
      "\"C,3\",b,3e2,10,plain\r\n"
      "A1,a,-2.5,1,\"two\r\nlines\"\r\n"
      "\"D\"\"4\",B, 4 ,x,\"say \"\"hi\"\"\"\r\n"
      "B 2,b,\"7\",2,plain\r\n"
      "\r\n";
  const VariablesRead read = ReadSpecimenVariables(text, names);
  EXPECT_EQ(read.refusal, "");
  ASSERT_EQ(read.variables.size(), 4u);
  ExpectFactor(read.variables[0], "sex", {"B", "a", "b"}, {1, 2, 2, 0});
  ExpectCovariate(read.variables[1], "size", {-2.5, 7, 300, 4});
  // Numbers but for one cell: levels are texts, sorted as such.
  ExpectFactor(read.variables[2], "site, area", {"1", "10", "2", "x"}, {0, 2, 1, 3});
  ExpectFactor(read.variables[3], "note", {"plain", "say \"hi\"", "two\r\nlines"}, {2, 0, 0, 1});
}

TEST(SpecimenVariables, SharedNamesTakeRowsInSpecimenOrder) {
  // An empty first header cell, no final line break, values that are not finite numbers.
  const std::string text = ",v,w,t\nm,1,+1, a\nf,nan,.5,a\nm,2,-0 ,a";
  const VariablesRead read = ReadSpecimenVariables(text, {"m", "f", "m"});
  EXPECT_EQ(read.refusal, "");
  ASSERT_EQ(read.variables.size(), 3u);
  ExpectFactor(read.variables[0], "v", {"1", "2", "nan"}, {0, 2, 1});
  ExpectCovariate(read.variables[1], "w", {1, 0.5, -0.0});
  ExpectFactor(read.variables[2], "t", {" a", "a"}, {0, 1, 1});
  EXPECT_EQ(
      ReadSpecimenVariables("id,v\nm,inf\nf,1e400\nm,3\n", {"m", "f", "m"}).variables.at(0).levels,
      (Strings{"1e400", "3", "inf"}));
}

TEST(SpecimenVariables, RefusesTheFirstProblemAndReadsNothing) {
  const Strings ab = {"a", "b"};
  struct Case {
    Strings names;
    std::string text;
    std::string refusal;
  };
  const std::vector<Case> cases = {
      {ab, "", "The variables file is empty"},
      {ab, "\xEF\xBB\xBF\r\n\n", "The variables file is empty"},
      {ab, "id\na\nb\n",
       "The variables file has no variable column: the first column names the specimens"},
      {ab, "id,,w\n", "Row 1, column 2: a variable needs a name"},
      {ab, "id,v,\"\"\n", "Row 1, column 3: a variable needs a name"},
      {ab, "id,v,v,\n", "Row 1: the variable \"v\" is named twice"},
      {ab, "\"id,v\na,1\n", "Row 1: a quote is not closed"},
      {ab, "id,v\n", "The variables file has no rows of specimens"},
      {{}, "id,v\n\r\n\n", "The variables file has no rows of specimens"},
      {ab, "id,v\na,1,2\nb,1\n", "Row 2 has 3 cells; the header has 2"},
      {ab, "id,v,w\na,1,2\nc,1\n", "Row 3 has 2 cells; the header has 3"},
      {ab, "id,v\na,1\n\nb,2\n", "Row 3 has 1 cells; the header has 2"},
      {ab, "id,v\na,1\nb,\"2\n\n", "Row 3: a quote is not closed"},
      {ab, "id,v\nc,\n", "Row 2 names \"c\", which is not a specimen of the data"},
      {ab, "id,v\n a,1\n", "Row 2 names \" a\", which is not a specimen of the data"},
      {ab, "id,v\na,1\nb,2\na,\n", "Row 4 names \"a\" again (first on row 2)"},
      {{"a", "a"}, "id,v\na,1\na,2\na,3\n", "Row 4 names \"a\" again (first on row 2)"},
      {ab, "id,v,w\na,1,\nb,,\n", "Row 2, column \"w\": the cell is empty"},
      {ab, "id,v\na,1\nb,\"\"\n", "Row 3, column \"v\": the cell is empty"},
      {ab, "id,v\nb,1\n", "Specimen 1 (\"a\") has no row"},
      {{"a", "a", "b"}, "id,v\na,1\nb,2", "Specimen 2 (\"a\") has no row"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const VariablesRead read = ReadSpecimenVariables(c.text, c.names);
    EXPECT_EQ(read.refusal, c.refusal);
    EXPECT_TRUE(read.variables.empty());
  }
}

}  // namespace
}  // namespace vrel
