// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "shell/command_ids.h"
#include "support/invariants.h"
#include "support/stages.h"

namespace vrel::fuzz {

// Prints what went wrong and aborts, so that the fuzzer keeps the input.
[[noreturn]] void Fail(const std::string& fault);

// One command that reads a file, run on a prepared session with the fuzzer's input as the
// file's content, under a name whose extension picks the reader; the session is restored after
// every input.
class ReaderTarget {
 public:
  ReaderTarget(CommandId command, test::Stage stage, std::string path = "fuzz-input");
  void Run(const std::uint8_t* data, std::size_t size);

 private:
  CommandId command_;
  std::string path_;
  Session prepared_;
  Session session_;
  test::LogOnlyFrontend fe_;
};

}  // namespace vrel::fuzz

// The whole of a reader's fuzz target; the second form names the file it reads.
#define VREL_READER_FUZZ_TARGET(command, stage) \
  VREL_READER_FUZZ_TARGET_NAMED(command, stage, "fuzz-input")
#define VREL_READER_FUZZ_TARGET_NAMED(command, stage, path)                                    \
  extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {          \
    static vrel::fuzz::ReaderTarget target(vrel::CommandId::command, vrel::test::stage, path); \
    target.Run(data, size);                                                                    \
    return 0;                                                                                  \
  }
