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
// file's content; the session is restored after every input.
class ReaderTarget {
 public:
  ReaderTarget(CommandId command, test::Stage stage);
  void Run(const std::uint8_t* data, std::size_t size);

 private:
  CommandId command_;
  Session prepared_;
  Session session_;
  test::LogOnlyFrontend fe_;
};

}  // namespace vrel::fuzz

// The whole of a reader's fuzz target.
#define VREL_READER_FUZZ_TARGET(command, stage)                                          \
  extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {    \
    static vrel::fuzz::ReaderTarget target(vrel::CommandId::command, vrel::test::stage); \
    target.Run(data, size);                                                              \
    return 0;                                                                            \
  }
