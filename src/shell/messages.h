// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "shell/format.h"
#include "shell/frontend.h"

namespace vrel {

// Every message box the commands show.
enum class Message {
  InvalidFile,
  InputFailed,
  IncorrectSpecimenCount,
  IncorrectLandmarkCount,
  IncorrectDimensionCount,
  TooManyLinks,
  FactorNotCorrect,
  DataNotCongruent,
  IncorrectConsensusCount,
  IncorrectConsensusShape,
  IncorrectVectorFile,
  CannotWriteFile,
  IncorrectData,
  IncorrectFile,
  SpecimensNotEven,
  NotEnoughSpecimens,
  NotEnoughSpecimensForDiscrimination,
  NotEnoughMemory,
  GroupsDoNotFit,
  ConstantFactor,
  ConstantFactorWithinGroups,
  ConstantFactorWithinAGroup,
  RegressionNotComputable,
  DiscriminationNotComputable,
  NoDirection,
  StatisticOutOfRange,
  NothingToExport,
  // The TPS and NTS readers' refusals: printf formats that name the line and what is wrong.
  NotANumber,
  NotACount,
  NoTpsSpecimen,
  TextBeforeFirstSpecimen,
  CoordinatesOutsideBlock,
  CoordinateLinesMissing,
  CoordinateCountOnLine,
  LandmarkCountDiffers,
  DimensionCountDiffers,
  ScaleMissing,
  ScaleNotPositive,
  ScaledOutOfRange,
  NtsHeaderMissing,
  NtsHeaderIncomplete,
  NtsHeaderShort,
  NtsNoDimension,
  NtsMatrixType,
  NtsMissingValues,
  NtsColumnsNotLandmarks,
  NtsLabelsMissing,
  NtsNumbersMissing,
  CurvesDisagree,
  ScaleRepeated,
  NtsDimensionRepeated,
  // A data file larger than any data set the session can hold: its name, its size and the
  // largest size read, in bytes.
  DataFileTooLarge,
  // A picture name whose extension names no format the program writes.
  UnknownPictureFormat,
  CapacityOutOfRange,
  CapacityNeedsEmptySession,
  // A table of variables that cannot be read: why, naming the row and the column.
  VariablesRefused,
  // The groups of a variable and the analyses that compare them.
  NoSuchVariable,
  VariableNotGroups,
  SingleGroup,
  GroupComponentsOutOfRange,
  PermutationsOutOfRange,
  WithinGroupsSingular,
  // The linear models of shape.
  ModelRefused,
  IterationsOutOfRange,
  TermAddsNoRank,
  NoResidualVariation,
  NoReplicates,
};

struct MessageInfo {
  Message id;
  const char* text;     // used exactly as written, typos included
  const char* caption;  // empty: the system's default caption
  Icon icon;
};

const MessageInfo& MessageDetails(Message message);

// The text of a message whose table entry is a printf format, filled in.
template <typename... Args>
std::string MessageText(Message message, Args... args) {
  return Format(MessageDetails(message).text, args...);
}

// Shows the message box with the message's caption and icon and this text (a filled-in format).
void ShowProgramMessageText(Frontend& fe, Message message, const std::string& text);

// Shows the message box; detail, when given, follows the text (the path that could not be
// written, say).
void ShowProgramMessage(Frontend& fe, Message message, const std::string& detail = {});

}  // namespace vrel
