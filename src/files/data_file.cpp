#include <optional>
#include <string>

#include "files/file_commands.h"
#include "files/number_reader.h"
#include "shell/enabling.h"
#include "shell/format.h"
#include "shell/messages.h"

namespace vrel {

void OpenDataClick(Session& s, Frontend& fe) {
  if (fe.IsWindowVisible(Window::About)) fe.HideWindow(Window::About);

  const std::optional<std::string> path = fe.ChooseFile(FileDialog::OpenData);
  if (!path) {
    ActiverBoutons(s, fe);
    return;
  }

  NumberReader reader(*path);
  const auto header = ReadHeader(reader);
  if (!header) return ShowProgramMessage(fe, Message::InvalidFile);
  const int n = header->first;
  const int p = header->second;
  const int k = header->third;
  if (n < 1 || n > MaxSpecimens) return ShowProgramMessage(fe, Message::IncorrectSpecimenCount);
  // Without landmarks there is no shape to analyse; the product is taken in 64 bits so that
  // huge counts cannot wrap round into range.
  if (p < 1 || static_cast<long long>(p) * k > MaxCoordinates)
    return ShowProgramMessage(fe, Message::IncorrectLandmarkCount);
  if (k < 1 || k > MaxDimensions) return ShowProgramMessage(fe, Message::IncorrectDimensionCount);

  // Read into scratch storage so that a short file leaves the session's data untouched.
  const int m = p * k;
  Matrix coordinates(n, m);
  for (int i = 0; i < n && !reader.Failed(); ++i)
    for (int j = 0; j < m; ++j)
      if (!reader.ReadDouble(coordinates[i][j])) break;
  if (reader.Failed()) {
    ShowProgramMessage(fe, Message::InputFailed);
    ActiverBoutons(s, fe);
    return;
  }

  s.SpecimenCount = n;
  s.LandmarkCount = p;
  s.DimensionCount = k;
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < m; ++j) s.Coordinates[i][j] = coordinates[i][j];
  s.DataLoaded = true;
  // Groups kept from an earlier file must still leave the second group two specimens.
  if (s.GroupLimit > n - 2) s.GroupLimit = 0;

  fe.AppendLog("Data File : " + *path);
  fe.AppendLog(Format("Data: %d Specimens, %d Points, %d Dimensions.", n, p, k));
  ActiverBoutons(s, fe);
}

}  // namespace vrel
