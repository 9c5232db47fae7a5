#pragma once

namespace kvr {

// Deletes the shared single instances at process end, unless the run asked to skip it.
class CRegCleanup {
 public:
  ~CRegCleanup();
  static void skip();
};

}  // namespace kvr
