#pragma once

#include <string>

namespace kvr {

// What the system information page shows about the computer.
struct SystemFacts {
  std::string manufacturer;
  std::string model;
  std::string serial;
  std::string osName;
  std::string osVersion;
};

// The BIOS identification is read on the first call only and kept for the run; the
// operating system is asked each time.
SystemFacts systemFacts();

}  // namespace kvr
