#include "shell/messages.h"

#include <array>

namespace vrel {

namespace {

using M = Message;

// File-reading errors carry the stop icon, refused requests the exclamation icon.
// clang-format off
constexpr std::array<MessageInfo, 27> Messages = {{
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

void ShowProgramMessage(Frontend& fe, Message message, const std::string& detail) {
  const MessageInfo& info = MessageDetails(message);
  fe.ShowMessage(std::string(info.text) + detail, info.caption, info.icon);
}

}  // namespace vrel
