// Runs a program for its output: hidden, in a job object that ends it and everything it started.
#pragma once

#include "platform/program_runner.h"

namespace kov::win32 {

class Win32ProgramRunner : public platform::ProgramRunner {
  public:
    platform::ProgramOutput RunForOutput(const platform::ProgramRun& run) override;
};

}  // namespace kov::win32
