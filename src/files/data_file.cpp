// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <map>
#include <optional>
#include <string>

#include "files/file_commands.h"
#include "files/landmark_data.h"
#include "files/number_reader.h"
#include "files/text_source.h"
#include "shell/capacities.h"
#include "shell/capacity.h"
#include "shell/enabling.h"
#include "shell/file_dialogs.h"
#include "shell/format.h"
#include "shell/messages.h"
#include "shell/specimen_names.h"

namespace vrel {

namespace {

// The landmark data file: n p k, then the coordinates. Its refusals are messages without
// blanks; a short file is refused after its header.
LandmarkRead ReadDatFile(std::string text, const Capacity& room) {
  NumberReader reader = NumberReader::FromText(std::move(text));
  const auto header = ReadHeader(reader);
  if (!header) return PlainRefusal(Message::InvalidFile);
  const int n = header->first;
  const int p = header->second;
  const int k = header->third;
  if (const auto message = DataCountsRefusal(n, p, k, room)) return PlainRefusal(*message);

  LandmarkData data;
  data.specimens = n;
  data.landmarks = p;
  data.dimensions = k;
  data.names.assign(static_cast<std::size_t>(n), std::string());
  const int m = p * k;
  data.coordinates = Matrix(n, m);
  for (int i = 0; i < n && !reader.Failed(); ++i)
    for (int j = 0; j < m; ++j)
      if (!reader.ReadDouble(data.coordinates[i][j])) break;
  if (reader.Failed()) return PlainRefusal(Message::InputFailed);
  return data;
}

LandmarkRead ReadLandmarkFile(const std::string& path, const Capacity& room) {
  const std::uintmax_t largest = LargestDataFileFor(room);
  FileContent content = ReadFileContent(path, largest);
  if (content.status == FileContent::Status::TooLarge)
    return Refusal(Message::DataFileTooLarge, path.c_str(),
                   static_cast<unsigned long long>(content.size),
                   static_cast<unsigned long long>(largest));
  if (content.status != FileContent::Status::Read) return PlainRefusal(Message::InvalidFile);
  const std::string extension = LowerExtension(path);
  if (extension == ".tps") return ReadTpsText(content.text, room);
  if (extension == ".nts") return ReadNtsText(content.text, room);
  return ReadDatFile(std::move(content.text), room);
}

bool BeyondCapacity(const ReadRefusal& refusal) {
  return refusal.message == Message::IncorrectSpecimenCount ||
         refusal.message == Message::IncorrectLandmarkCount ||
         refusal.message == Message::DataFileTooLarge;
}

// A file refused for the session's capacity alone is read again at the largest capacity; when
// it reads whole, the user is asked to make room for it. Yes enlarges the session and gives the
// data read; No, or a file that does not read whole, leaves the refusal as it was. Returns false
// when the room could not be made (the message said so).
bool OfferRoom(Session& s, Frontend& fe, const std::string& path, LandmarkRead& read) {
  const ReadRefusal* refusal = std::get_if<ReadRefusal>(&read);
  const Capacity largest{LargestSpecimenCapacity, LargestCoordinateCapacity};
  if (refusal == nullptr || !BeyondCapacity(*refusal) || s.Room == largest) return true;
  LandmarkRead wider = ReadLandmarkFile(path, largest);
  const LandmarkData* data = std::get_if<LandmarkData>(&wider);
  if (data == nullptr) return true;
  const int m = data->landmarks * data->dimensions;
  if (!fe.AskYesNo(Format("This file holds %d specimens of %d coordinates; the session holds "
                          "%d \u00d7 %d. Make room for it?",
                          data->specimens, m, s.Room.Specimens, s.Room.Coordinates)))
    return true;
  if (!ChangeCapacity(s, fe, RoomFor(s.Room, data->specimens, m))) return false;
  read = std::move(wider);
  return true;
}

// Names that repeat are kept (data sets carry them), but whoever matches rows by name is told.
void LogRepeatedNames(const Session& s, Frontend& fe) {
  std::map<std::string, int> seen;
  std::string first;
  int repeated = 0;
  for (int i = 0; i < s.SpecimenCount; ++i) {
    const std::string name = SpecimenName(s, i);
    if (++seen[name] != 2) continue;
    if (repeated++ == 0) first = name;
  }
  if (repeated > 0)
    fe.AppendLog(Format("Repeated specimen names: %d, the first \"%s\"", repeated, first.c_str()));
}

}  // namespace

void OpenDataClick(Session& s, Frontend& fe) {
  if (fe.IsWindowVisible(Window::About)) fe.HideWindow(Window::About);

  const std::optional<std::string> path = fe.ChooseFile(FileDialog::OpenData);
  if (!path) {
    ActiverBoutons(s, fe);
    return;
  }

  // Read into storage of its own so that a refused file leaves the session's data untouched.
  LandmarkRead read = ReadLandmarkFile(*path, s.Room);
  if (!OfferRoom(s, fe, *path, read)) return;
  if (const ReadRefusal* refusal = std::get_if<ReadRefusal>(&read)) {
    ShowProgramMessageText(fe, refusal->message, refusal->text);
    // A file that ended early had a header fit to read: the toolbar is brought up to date.
    if (refusal->message == Message::InputFailed) ActiverBoutons(s, fe);
    return;
  }
  const LandmarkData& data = std::get<LandmarkData>(read);
  const int n = data.specimens;
  const int m = data.landmarks * data.dimensions;

  s.SpecimenCount = n;
  s.LandmarkCount = data.landmarks;
  s.DimensionCount = data.dimensions;
  CopyBlock(data.coordinates, s.Coordinates, n, m);
  std::copy(data.names.begin(), data.names.end(), s.SpecimenNames.begin());
  s.DataLoaded = true;
  ForgetVariables(s, fe);  // they belonged to the specimens read before
  ShowNamesInSpecimenList(s, fe);
  // Groups kept from an earlier file must still leave the second group two specimens.
  if (s.GroupLimit > n - 2) s.GroupLimit = 0;

  fe.AppendLog("Data File : " + *path);
  fe.AppendLog(
      Format("Data: %d Specimens, %d Points, %d Dimensions.", n, data.landmarks, data.dimensions));
  if (data.specimensWithCurves > 0)
    fe.AppendLog(Format("Semilandmarks on curves skipped (specimens with curves: %d)",
                        data.specimensWithCurves));
  LogRepeatedNames(s, fe);
  ActiverBoutons(s, fe);
}

}  // namespace vrel
