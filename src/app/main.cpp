#include "app/CRegApp.h"
#include "app/CRegCleanup.h"
#include "platform/System.h"

int main(int argc, char** argv) {
  // Deletes the shared single instances when main returns: a static object would run after
  // (or before) the statics of the instances themselves, in an order no one controls.
  kvr::CRegCleanup cleanup;
  kvr::platform::setArguments(argc, argv);
  kvr::CRegApp& app = kvr::theApp();
  app.setCommandLine(argc, argv);
  return app.Run();
}
