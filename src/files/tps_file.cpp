// SPDX-License-Identifier: GPL-3.0-or-later
// The TPS layout: each specimen starts with LM=p (in the plane) or LM3=p (in space), followed by
// p lines of coordinates; then optional KEY=value lines (IMAGE=, ID=, SCALE=, COMMENT=, others
// ignored) and CURVES=c with c blocks of POINTS=m and m lines of semilandmarks, which are skipped.
#include <cctype>
#include <cmath>
#include <string>

#include "files/landmark_data.h"
#include "files/number_reader.h"
#include "shell/capacities.h"

namespace vrel {

namespace {

struct TpsSpecimen {
  int line = 0;  // of its LM= or LM3=
  int landmarks = 0;
  int dimensions = 0;
  std::vector<double> coordinates;
  std::optional<double> scale;
  std::string id;
  std::string image;
  bool curves = false;
  int curvesLine = 0;  // of its CURVES=, if any
  int curvesAnnounced = 0;
  int curvesRead = 0;  // POINTS= blocks since its CURVES=
};

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

class TpsReader {
 public:
  explicit TpsReader(const Capacity& room) : room_(room) {}

  LandmarkRead Read(std::string_view text) {
    LineReader lines(text);
    for (TextLine line; lines.Next(line);) {
      const std::string_view content = Trimmed(line.text);
      if (content.empty()) continue;
      const std::size_t equals = content.find('=');
      const auto refused = equals == std::string_view::npos
                               ? Coordinates(line.number, content)
                               : Keyword(line.number, Upper(Trimmed(content.substr(0, equals))),
                                         Trimmed(content.substr(equals + 1)));
      if (refused) return *refused;
    }
    if (const auto refused = BlockComplete()) return *refused;
    if (const auto refused = CurvesComplete()) return *refused;
    if (specimens_.empty()) return PlainRefusal(Message::NoTpsSpecimen);
    return Result();
  }

 private:
  using Refused = std::optional<ReadRefusal>;

  // A keyword line; the keyword in capitals, the value as written.
  Refused Keyword(int line, const std::string& keyword, std::string_view value) {
    if (const auto refused = BlockComplete()) return refused;
    if (keyword == "LM" || keyword == "LM3") return Start(line, keyword, value);
    if (specimens_.empty()) return Refusal(Message::TextBeforeFirstSpecimen, line);
    TpsSpecimen& specimen = specimens_.back();
    if (keyword == "ID") {
      specimen.id = value;
    } else if (keyword == "IMAGE") {
      specimen.image = value;
    } else if (keyword == "SCALE") {
      if (specimen.scale)
        return Refusal(Message::ScaleRepeated, line, static_cast<int>(specimens_.size()));
      const std::optional<double> scale = ParseDecimal(value);
      if (!scale || *scale <= 0.0)
        return Refusal(Message::ScaleNotPositive, line, Quoted(value).c_str());
      specimen.scale = scale;
    } else if (keyword == "CURVES") {
      const std::optional<int> curves = ParseCount(value);
      if (!curves) return NotACount(line, "CURVES=", value);
      if (const auto refused = CurvesComplete()) return refused;
      if (*curves > 0) specimen.curves = true;
      specimen.curvesLine = line;
      specimen.curvesAnnounced = *curves;
      specimen.curvesRead = 0;
    } else if (keyword == "POINTS") {
      const std::optional<int> points = ParseCount(value);
      if (!points) return NotACount(line, "POINTS=", value);
      if (specimen.curvesLine > 0 && ++specimen.curvesRead > specimen.curvesAnnounced)
        return CurvesDisagree(specimen);
      specimen.curves = true;
      OpenBlock(line, *points, false);
    }
    return std::nullopt;
  }

  // LM=p or LM3=p: a new specimen.
  Refused Start(int line, const std::string& keyword, std::string_view value) {
    const std::optional<int> landmarks = ParseCount(value);
    if (!landmarks) return NotACount(line, (keyword + "=").c_str(), value);
    const int dimensions = keyword == "LM3" ? 3 : 2;
    if (const auto refused = CurvesComplete()) return refused;
    const int number = static_cast<int>(specimens_.size()) + 1;
    if (specimens_.empty()) {
      if (const auto message = DataCountsRefusal(1, *landmarks, dimensions, room_))
        return PlainRefusal(*message);
    } else {
      const TpsSpecimen& first = specimens_.front();
      if (number > room_.Specimens) return PlainRefusal(Message::IncorrectSpecimenCount);
      if (dimensions != first.dimensions)
        return Refusal(Message::DimensionCountDiffers, line, number, dimensions, first.dimensions);
      if (*landmarks != first.landmarks)
        return Refusal(Message::LandmarkCountDiffers, line, number, *landmarks, first.landmarks);
    }
    TpsSpecimen& specimen = specimens_.emplace_back();
    specimen.line = line;
    specimen.landmarks = *landmarks;
    specimen.dimensions = dimensions;
    specimen.coordinates.reserve(static_cast<std::size_t>(*landmarks * dimensions));
    OpenBlock(line, *landmarks, true);
    return std::nullopt;
  }

  // A line without a keyword: one landmark's (or semilandmark's) coordinates.
  Refused Coordinates(int line, std::string_view content) {
    if (specimens_.empty()) return Refusal(Message::TextBeforeFirstSpecimen, line);
    TpsSpecimen& specimen = specimens_.back();
    const int number = static_cast<int>(specimens_.size());
    if (blockLeft_ == 0) return Refusal(Message::CoordinatesOutsideBlock, line, number);
    double values[MaxDimensions] = {};
    int count = 0;
    WordReader words(content);
    for (std::string_view word; words.Next(word); ++count) {
      const std::optional<double> value = ParseDecimal(word);
      if (!value) return Refusal(Message::NotANumber, line, Quoted(word).c_str());
      if (count < MaxDimensions) values[count] = *value;
    }
    if (count != specimen.dimensions)
      return Refusal(Message::CoordinateCountOnLine, line, count, number, specimen.dimensions);
    if (blockIsLandmarks_)
      specimen.coordinates.insert(specimen.coordinates.end(), values, values + count);
    --blockLeft_;
    ++blockRead_;
    return std::nullopt;
  }

  void OpenBlock(int line, int lines, bool landmarks) {
    blockLine_ = line;
    blockLeft_ = lines;
    blockRead_ = 0;
    blockIsLandmarks_ = landmarks;
  }

  // A block of coordinate lines must be whole before the next keyword or the end of the file.
  Refused BlockComplete() const {
    if (blockLeft_ == 0) return std::nullopt;
    return Refusal(Message::CoordinateLinesMissing, blockLine_, static_cast<int>(specimens_.size()),
                   blockRead_, blockRead_ + blockLeft_);
  }

  // The last specimen's CURVES= must be followed by as many POINTS= blocks as it announces.
  Refused CurvesComplete() const {
    if (specimens_.empty()) return std::nullopt;
    const TpsSpecimen& specimen = specimens_.back();
    if (specimen.curvesLine == 0 || specimen.curvesRead == specimen.curvesAnnounced)
      return std::nullopt;
    return CurvesDisagree(specimen);
  }

  ReadRefusal CurvesDisagree(const TpsSpecimen& specimen) const {
    return Refusal(Message::CurvesDisagree, specimen.curvesLine,
                   static_cast<int>(specimens_.size()), specimen.curvesAnnounced,
                   specimen.curvesRead);
  }

  static ReadRefusal NotACount(int line, const char* keyword, std::string_view value) {
    return Refusal(Message::NotACount, line, keyword, Quoted(value).c_str());
  }

  // SCALE= applies to every specimen or to none.
  LandmarkRead Result() const {
    bool anyScale = false;
    for (const TpsSpecimen& specimen : specimens_) anyScale = anyScale || specimen.scale;
    LandmarkData data;
    data.specimens = static_cast<int>(specimens_.size());
    data.landmarks = specimens_.front().landmarks;
    data.dimensions = specimens_.front().dimensions;
    const int m = data.landmarks * data.dimensions;
    data.coordinates = Matrix(data.specimens, m);
    for (int i = 0; i < data.specimens; ++i) {
      const TpsSpecimen& specimen = specimens_[static_cast<std::size_t>(i)];
      if (anyScale && !specimen.scale) return Refusal(Message::ScaleMissing, specimen.line, i + 1);
      const double scale = specimen.scale.value_or(1.0);
      for (int j = 0; j < m; ++j) {
        data.coordinates[i][j] = specimen.coordinates[static_cast<std::size_t>(j)] * scale;
        if (!std::isfinite(data.coordinates[i][j]))
          return Refusal(Message::ScaledOutOfRange, specimen.line, i + 1);
      }
      data.names.push_back(specimen.id.empty() ? specimen.image : specimen.id);
      if (specimen.curves) ++data.specimensWithCurves;
    }
    return data;
  }

  Capacity room_;
  std::vector<TpsSpecimen> specimens_;
  int blockLine_ = 0;
  int blockLeft_ = 0;  // coordinate lines still to come in the open block
  int blockRead_ = 0;
  bool blockIsLandmarks_ = false;
};

}  // namespace

LandmarkRead ReadTpsText(std::string_view text, const Capacity& room) {
  return TpsReader(room).Read(text);
}

}  // namespace vrel
