#include "app/SystemFacts.h"

#include "sysinfo/OsIdentity.h"
#include "sysinfo/ProductSystemInfo.h"

namespace kvr {

namespace {

struct BiosValues {
  bool read = false;
  std::string manufacturer;
  std::string model;
  std::string serial;
};

BiosValues& bios() {
  static BiosValues values;
  return values;
}

}  // namespace

SystemFacts systemFacts() {
  BiosValues& values = bios();
  if (!values.read) {
    values.read = true;
    ProductSystemInfo& info = ProductSystemInfo::instance();
    if (info.ReadBiosIdentity() == 1) info.values(values.manufacturer, values.model, values.serial);
  }
  return {values.manufacturer, values.model, values.serial, osName(), osVersion()};
}

}  // namespace kvr
