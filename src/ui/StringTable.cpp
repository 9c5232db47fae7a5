#include "ui/StringTable.h"

#include "ui/Resources.h"

namespace kvr::ui {

std::string loadString(unsigned id) { return resources().string(id); }

}  // namespace kvr::ui
