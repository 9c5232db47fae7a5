#include "platform/System.h"
namespace kvr::platform { void setArguments(int, char**) {} }
