#include "app/CRegCleanup.h"

#include "record/ProductConfig.h"

namespace kvr {

namespace {
bool g_skipped = false;
}  // namespace

void CRegCleanup::skip() { g_skipped = true; }

CRegCleanup::~CRegCleanup() {
  if (g_skipped) return;
  ProductConfig::deleteInstance();
}

}  // namespace kvr
