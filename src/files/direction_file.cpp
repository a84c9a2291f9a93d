// SPDX-License-Identifier: GPL-3.0-or-later
// The direction file and Compute > Hyperprojection, which reads one: the command lives with its
// file here, since the layer of the computation (numerics) cannot read files; the projection
// itself is ApplyHyperprojection in numerics/hyperprojection_commands.cpp.
#include "files/direction_file.h"

#include "files/file_commands.h"
#include "files/number_reader.h"
#include "numerics/hyperprojection_commands.h"
#include "shell/messages.h"

namespace vrel {

std::optional<std::vector<double>> ReadDirection(const std::string& path,
                                                 const DataDimensions& dims) {
  NumberReader in(path);
  const auto header = ReadHeader(in);
  if (!header) return std::nullopt;
  const int p = dims.LandmarkCount;
  const int k = dims.DimensionCount;
  const int m = p * k;
  const bool asConsensus = header->first == 1 && header->second == p && header->third == k;
  const bool asVector = header->first == m && header->second == 1 && header->third == 1;
  if (!asConsensus && !asVector) return std::nullopt;
  std::vector<double> direction(static_cast<std::size_t>(m), 0.0);
  for (double& value : direction)
    if (!in.ReadDouble(value)) return std::nullopt;
  return direction;
}

void DeflationClick(Session& s, Frontend& fe) {
  const auto path = fe.ChooseFile(FileDialog::OpenVector);
  if (!path) return;
  const auto direction = ReadDirection(*path, s.Dimensions());
  if (!direction) return ShowProgramMessage(fe, Message::IncorrectFile);
  if (!ApplyHyperprojection(s, fe, *direction, *path))
    ShowProgramMessage(fe, Message::IncorrectFile);
}

}  // namespace vrel
