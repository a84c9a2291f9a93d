// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/messages.h"

#include <array>

namespace vrel {

namespace {

using M = Message;

// File-reading errors carry the stop icon, refused requests the exclamation icon.
// clang-format off
constexpr std::array<MessageInfo, 67> Messages = {{
    {M::InvalidFile, "Invalid file", "", Icon::Stop},
    {M::InputFailed, "Input failed", "", Icon::Stop},
    {M::IncorrectSpecimenCount, "Incorrect number of specimens", "", Icon::Stop},
    {M::IncorrectLandmarkCount, "Incorrect number of landmarks", "", Icon::Stop},
    {M::IncorrectDimensionCount, "Incorrect number of dimensions", "", Icon::Stop},
    {M::TooManyLinks, "Too many links", "", Icon::Exclamation},
    {M::FactorNotCorrect, "Factor not correct", "", Icon::Exclamation},
    {M::DataNotCongruent, "Data not congruent", "", Icon::Exclamation},
    {M::IncorrectConsensusCount, "Incorrect consensus", "", Icon::Stop},
    {M::IncorrectConsensusShape, "Incorrect Consensus", "", Icon::Stop},
    {M::IncorrectVectorFile, "Incorrect Vector file", "", Icon::Stop},
    {M::CannotWriteFile, "Cannot write file ", "", Icon::Stop},
    {M::IncorrectData, "Incorrect data", "", Icon::Exclamation},
    {M::IncorrectFile, "Incorrect file", "", Icon::None},
    {M::SpecimensNotEven, "Number of specimens must be even", "WARNING", Icon::Exclamation},
    {M::NotEnoughSpecimens, "Not enough specimens", "", Icon::Exclamation},
    {M::NotEnoughSpecimensForDiscrimination, "Not enoug specimens", "ERROR", Icon::Exclamation},
    {M::NotEnoughMemory, "Not enough memory", "", Icon::None},
    {M::GroupsDoNotFit, "The groups do not fit the data: define them again", "", Icon::Exclamation},
    {M::ConstantFactor, "The factor is constant: there is no regression", "", Icon::Exclamation},
    {M::ConstantFactorWithinGroups, "The factor is constant within each group: there is no regression", "", Icon::Exclamation},
    {M::ConstantFactorWithinAGroup, "The factor is constant within a group: there is no regression", "", Icon::Exclamation},
    {M::RegressionNotComputable, "The regression cannot be computed with these components", "", Icon::Exclamation},
    {M::DiscriminationNotComputable, "The discrimination cannot be computed with these components", "", Icon::Exclamation},
    {M::NoDirection, "The coefficients are all zero: no direction to show", "", Icon::Exclamation},
    {M::StatisticOutOfRange, "R\u00b2 falls outside 0..1: the scores are not centred on the loaded data (reload or compute the components again)", "", Icon::Exclamation},
    {M::NothingToExport, "There is no picture to export yet: the window has not drawn anything", "", Icon::Exclamation},
    {M::NotANumber, "Line %d: \"%s\" is not a number", "", Icon::Stop},
    {M::NotACount, "Line %d: %s needs a whole number of 0 or more, not \"%s\"", "", Icon::Stop},
    {M::NoTpsSpecimen, "No specimen in this file: a TPS file starts each specimen with LM= or LM3=", "", Icon::Stop},
    {M::TextBeforeFirstSpecimen, "Line %d: a TPS file starts with LM= or LM3=, not with this line", "", Icon::Stop},
    {M::CoordinatesOutsideBlock, "Line %d: specimen %d has more coordinate lines than its LM=, LM3= and POINTS= announce", "", Icon::Stop},
    {M::CoordinateLinesMissing, "Line %d: specimen %d has %d of the %d coordinate lines announced here", "", Icon::Stop},
    {M::CoordinateCountOnLine, "Line %d: %d numbers on a coordinate line of specimen %d, which has %d dimensions", "", Icon::Stop},
    {M::LandmarkCountDiffers, "Line %d: specimen %d has %d landmarks, the first specimen has %d", "", Icon::Stop},
    {M::DimensionCountDiffers, "Line %d: specimen %d has %d dimensions, the first specimen has %d", "", Icon::Stop},
    {M::ScaleMissing, "Line %d: specimen %d has no SCALE=, though other specimens have one", "", Icon::Stop},
    {M::ScaleNotPositive, "Line %d: SCALE= needs a positive number, not \"%s\"", "", Icon::Stop},
    {M::ScaledOutOfRange, "Line %d: the coordinates of specimen %d times its SCALE= are too large", "", Icon::Stop},
    {M::NtsHeaderMissing, "No NTS header in this file: every line is a comment or blank", "", Icon::Stop},
    {M::NtsHeaderIncomplete, "Line %d: an NTS header reads 1 n m 0 DIM=k; \"%s\" is not %s", "", Icon::Stop},
    {M::NtsHeaderShort, "Line %d: an NTS header reads 1 n m 0 DIM=k; this one ends before %s", "", Icon::Stop},
    {M::NtsNoDimension, "Line %d: the NTS header has no DIM=k, so the landmarks' dimensions are unknown", "", Icon::Stop},
    {M::NtsMatrixType, "Line %d: matrix type %d; only type 1, a rectangular data matrix, can be read", "", Icon::Stop},
    {M::NtsMissingValues, "Line %d: missing-value flag %s; only files without missing values (flag 0) can be read", "", Icon::Stop},
    {M::NtsColumnsNotLandmarks, "Line %d: %d columns do not make whole landmarks of %d dimensions", "", Icon::Stop},
    {M::NtsLabelsMissing, "The file ends after %d of the %d %s labels announced", "", Icon::Stop},
    {M::NtsNumbersMissing, "The file ends after %d of the %d numbers announced (%d specimens of %d columns)", "", Icon::Stop},
    {M::CurvesDisagree, "Line %d: specimen %d announces %d curves with CURVES=, but %d POINTS= blocks follow", "", Icon::Stop},
    {M::ScaleRepeated, "Line %d: a second SCALE= for specimen %d", "", Icon::Stop},
    {M::NtsDimensionRepeated, "Line %d: the NTS header gives DIM= more than once", "", Icon::Stop},
    {M::DataFileTooLarge, "%s is %llu bytes long: more than any data set this session can hold needs (%llu bytes at most)", "", Icon::Stop},
    {M::UnknownPictureFormat, "Pictures are written as SVG (.svg), PDF (.pdf) or PNG (.png), not as %s", "", Icon::Stop},
    {M::CapacityOutOfRange, "A session holds 1 to 100000 specimens of 1 to 30000 coordinates", "", Icon::Exclamation},
    {M::CapacityNeedsEmptySession, "The capacity changes only while no data are loaded: clear the session first", "", Icon::Exclamation},
    {M::VariablesRefused, "%s", "", Icon::Stop},
    {M::NoSuchVariable, "Variable %d: the table holds variables 1 to %d", "", Icon::Stop},
    {M::VariableNotGroups, "\"%s\" is neither a factor nor a covariate of whole numbers", "", Icon::Stop},
    {M::SingleGroup, "\"%s\" makes a single group", "", Icon::Stop},
    {M::GroupComponentsOutOfRange, "Pcs: 1 to %d, fewer than the specimens less the groups", "", Icon::Stop},
    {M::PermutationsOutOfRange, "Permutations: 1 to 1000000", "", Icon::Stop},
    {M::WithinGroupsSingular, "The covariance within the groups is singular: take fewer Pcs", "", Icon::Stop},
    {M::ModelRefused, "%s", "", Icon::Stop},
    {M::IterationsOutOfRange, "Iterations: 1 to 1000000", "", Icon::Stop},
    {M::TermAddsNoRank, "The term %s adds nothing to the terms before it: it is collinear with them, or a combination of its levels has no specimen", "", Icon::Stop},
    {M::NoResidualVariation, "The model leaves no residual variation: it fits every specimen exactly", "", Icon::Stop},
    {M::NoReplicates, "\"%s\" names every specimen once: no individual is measured twice", "", Icon::Stop},
}};
// clang-format on

constexpr bool InEnumOrder() {
  for (std::size_t i = 0; i < Messages.size(); ++i)
    if (static_cast<std::size_t>(Messages[i].id) != i) return false;
  return true;
}
static_assert(InEnumOrder(), "the message table follows the order of Message");

}  // namespace

const MessageInfo& MessageDetails(Message message) {
  return Messages[static_cast<std::size_t>(message)];
}

void ShowProgramMessageText(Frontend& fe, Message message, const std::string& text) {
  const MessageInfo& info = MessageDetails(message);
  fe.ShowMessage(text, info.caption, info.icon);
}

void ShowProgramMessage(Frontend& fe, Message message, const std::string& detail) {
  const MessageInfo& info = MessageDetails(message);
  fe.ShowMessage(std::string(info.text) + detail, info.caption, info.icon);
}

}  // namespace vrel
