#include "app/CRegApp.h"
#include "platform/System.h"

int main(int argc, char** argv) {
  kvr::platform::setArguments(argc, argv);
  kvr::theApp().InitInstance(argc, argv);
  return kvr::theApp().ExitInstance();
}
