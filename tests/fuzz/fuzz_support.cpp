// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "app/command_table.h"
#include "batch/batch_runner.h"
#include "files/text_source.h"

namespace vrel::fuzz {

void Fail(const std::string& fault) {
  std::fprintf(stderr, "invariant failed: %s\n", fault.c_str());
  std::abort();
}

ReaderTarget::ReaderTarget(CommandId command, test::Stage stage, std::string path)
    : command_(command),
      path_(std::move(path)),
      prepared_(test::GorillaAt(stage)),
      session_(prepared_) {}

void ReaderTarget::Run(const std::uint8_t* data, std::size_t size) {
  InMemoryFiles files;
  files.Set(path_, std::string(reinterpret_cast<const char*>(data), size));
  fe_.Reset();
  fe_.files.push_back(path_);
  const CommandOutcome outcome = RunGatedCommand(session_, fe_, Command(command_));
  if (outcome == CommandOutcome::NotAvailableNow)
    Fail(std::string(Command(command_).name) + " is not available at the prepared stage");
  const std::string fault =
      test::CommandFault(prepared_, session_, outcome == CommandOutcome::ShowedMessage, fe_.log);
  if (!fault.empty()) Fail(fault);
  session_ = prepared_;
}

}  // namespace vrel::fuzz
