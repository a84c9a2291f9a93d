// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>
#include <vector>

#include "files/file_commands.h"
#include "files/number_reader.h"
#include "numerics/components_commands.h"
#include "numerics/vector_arithmetic.h"
#include "shell/capacities.h"
#include "shell/format.h"
#include "shell/messages.h"

namespace vrel {

namespace {

// Reads the link table into temporary storage; the session changes only once it has all been read.
void ReadLinks(Session& s, Frontend& fe, const std::string& path) {
  NumberReader in(path);
  int count = 0;
  if (!in.ReadInt(count)) return ShowProgramMessage(fe, Message::InvalidFile);
  if (count > LinkCapacity(s.Room)) {
    ShowProgramMessage(fe, Message::TooManyLinks);
    s.LinkCount = 0;
    return;
  }
  // A negative count holds no links.
  if (count < 0) count = 0;
  std::vector<int> links(static_cast<std::size_t>(2 * count));
  for (int& end : links)
    if (!in.ReadInt(end)) return ShowProgramMessage(fe, Message::InputFailed);
  // Endpoints beyond the current landmarks are kept: a later data set may have more of them,
  // and the drawings skip what they cannot place.
  for (std::size_t i = 0; i < links.size(); ++i) s.Links[i] = links[i];
  s.LinkCount = count;
  fe.AppendLog("Link File : " + path);
}

}  // namespace

void OpenLinkClick(Session& s, Frontend& fe) {
  if (const auto path = fe.ChooseFile(FileDialog::OpenLink)) ReadLinks(s, fe, *path);
  // The specimens window redraws with whatever links there now are, also after Cancel.
  fe.Invalidate(Window::Specimens);
}

void OpenFactorClick(Session& s, Frontend& fe) {
  const auto path = fe.ChooseFile(FileDialog::OpenVector);
  if (!path) return;
  NumberReader in(*path);
  const auto header = ReadHeader(in);
  if (!header) return ShowProgramMessage(fe, Message::InvalidFile);
  const int n = header->first;
  if (n != s.SpecimenCount) return ShowProgramMessage(fe, Message::FactorNotCorrect);
  Vector values = AllocVector(n);
  for (int i = 0; i < n; ++i)
    if (!in.ReadDouble(values[i])) return ShowProgramMessage(fe, Message::InputFailed);
  // Values whose squares would overflow or underflow are brought to a moderate size by a power
  // of two; the regressions depend only on the factor's direction.
  BringIntoSquarableRange(values, n);
  // A factor without variation centres to zero and cannot be rescaled.
  if (IsConstantSegment(values, 0, n)) return ShowProgramMessage(fe, Message::FactorNotCorrect);

  for (int i = 0; i < n; ++i) s.Factor[i] = values[i];
  ScaleFactorColumn(s);
  fe.AppendLog("Factor File : " + *path);
}

void OpenSelectClick(Session& s, Frontend& fe) {
  const auto path = fe.ChooseFile(FileDialog::OpenVector);
  if (!path) return;
  NumberReader in(*path);
  const auto header = ReadHeader(in);
  if (!header) return ShowProgramMessage(fe, Message::InvalidFile);
  const int p = s.LandmarkCount;
  const int k = s.DimensionCount;
  if (header->second != p) {
    ShowProgramMessage(fe, Message::DataNotCongruent);
  } else {
    std::vector<double> selection(static_cast<std::size_t>(p));
    for (double& value : selection)
      if (!in.ReadDouble(value)) return ShowProgramMessage(fe, Message::InputFailed);
    for (int l = 0; l < p; ++l) s.LandmarkSelection[l] = selection[static_cast<std::size_t>(l)];

    // Pack the kept landmarks at the front of every row, in their order.
    int kept = 0;
    for (double value : selection) kept += value == 1.0 ? 1 : 0;
    for (int i = 0; i < s.SpecimenCount; ++i) {
      int q = 0;
      for (int l = 0; l < p; ++l) {
        if (selection[static_cast<std::size_t>(l)] != 1.0) continue;
        for (int d = 0; d < k; ++d) s.Coordinates[i][q * k + d] = s.Coordinates[i][l * k + d];
        ++q;
      }
    }

    if (s.LinkCount != 0) {
      auto removed = [&](int number) {
        return number >= 1 && number <= p && selection[static_cast<std::size_t>(number - 1)] == 0.0;
      };
      // Links that touch a removed landmark go; the others keep their order.
      int count = 0;
      for (int i = 0; i < s.LinkCount; ++i) {
        const int from = s.Links[static_cast<std::size_t>(2 * i)];
        const int to = s.Links[static_cast<std::size_t>(2 * i + 1)];
        if (removed(from) || removed(to)) continue;
        s.Links[static_cast<std::size_t>(2 * count)] = from;
        s.Links[static_cast<std::size_t>(2 * count + 1)] = to;
        ++count;
      }
      s.LinkCount = count;
      // Each landmark number drops by the number of removed landmarks before or at it.
      for (int e = 0; e < 2 * count; ++e) {
        int& number = s.Links[static_cast<std::size_t>(e)];
        int below = 0;
        for (int v = 1; v <= number && v <= p; ++v) below += removed(v) ? 1 : 0;
        number -= below;
      }
    }
    if (kept != 0) s.LandmarkCount = kept;
  }
  fe.AppendLog(Format("New data : %d Specimens, %d Points, %d Dimensions.", s.SpecimenCount,
                      s.LandmarkCount, s.DimensionCount));
}

}  // namespace vrel
