#include "app/CRegApp.h"
#include "app/CRegCleanup.h"
#include "platform/System.h"

namespace {
// Deletes the shared single instances after main returns.
kvr::CRegCleanup g_cleanup;
}  // namespace

int main(int argc, char** argv) {
  kvr::platform::setArguments(argc, argv);
  kvr::theApp().InitInstance(argc, argv);
  return kvr::theApp().ExitInstance();
}
