#include "app/CRegCleanup.h"

namespace kvr {

namespace {
bool g_skipped = false;
}

void CRegCleanup::skip() { g_skipped = true; }

CRegCleanup::~CRegCleanup() {
  if (g_skipped) return;
}

}  // namespace kvr
