#pragma once

#include <string>

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
};

struct MessageInfo {
  Message id;
  const char* text;     // used exactly as written, typos included
  const char* caption;  // empty: the system's default caption
  Icon icon;
};

const MessageInfo& MessageDetails(Message message);

// Shows the message box; detail, when given, follows the text (the path that could not be
// written, say).
void ShowProgramMessage(Frontend& fe, Message message, const std::string& detail = {});

}  // namespace vrel
