#include "app/CRegCleanup.h"

#include "brand/BrandProfile.h"
#include "record/ProductConfig.h"
#include "record/RegistrationRecord.h"
#include "sysinfo/ProductSystemInfo.h"

namespace kvr {

namespace {
bool g_skipped = false;
}  // namespace

void CRegCleanup::skip() { g_skipped = true; }

// The language object is left alone: the resource module it holds may be in use by
// whatever the runtime still tears down after us.
CRegCleanup::~CRegCleanup() {
  if (g_skipped) return;
  RegistrationRecord::deleteInstance();
  ProductConfig::deleteInstance();
  ProductSystemInfo::deleteInstance();
  deleteBrandProfile();
}

}  // namespace kvr
