// Test helper started by the process-start and launcher tests. Writes how it was started to
// the file named by $KVR_ARGV_RECORD (renamed into place, so a reader never sees half of
// it): its pid, whether it leads its own process group, its open descriptors, its working
// directory, then every argv entry followed by a NUL byte. When $KVR_ARGV_RELEASE names a
// file, it then closes its standard descriptors and waits (at most 20 s) for that file.

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string openDescriptors() {
  std::string list;
  DIR* dir = opendir("/proc/self/fd");
  if (dir == nullptr) return "?";
  while (dirent* entry = readdir(dir)) {
    if (entry->d_name[0] == '.') continue;
    if (std::atoi(entry->d_name) == dirfd(dir)) continue;
    list += ' ';
    list += entry->d_name;
  }
  closedir(dir);
  return list;
}

}  // namespace

int main(int argc, char** argv) {
  const char* target = std::getenv("KVR_ARGV_RECORD");
  if (target == nullptr) return 2;

  std::string text = "pid " + std::to_string(getpid()) + "\n";
  text += std::string("own-group ") + (getpgrp() == getpid() ? "yes" : "no") + "\n";
  text += "fds" + openDescriptors() + "\n";
  char cwd[4096];
  text += std::string("cwd ") + (getcwd(cwd, sizeof cwd) != nullptr ? cwd : "?") + "\n";
  text += "argv\n";
  for (int i = 0; i < argc; ++i) {
    text += argv[i];
    text += '\0';
  }

  const std::string part = std::string(target) + ".part";
  FILE* out = std::fopen(part.c_str(), "wb");
  if (out == nullptr) return 3;
  std::fwrite(text.data(), 1, text.size(), out);
  if (std::fclose(out) != 0 || std::rename(part.c_str(), target) != 0) return 4;

  if (const char* release = std::getenv("KVR_ARGV_RELEASE")) {
    close(0);
    close(1);
    close(2);
    for (int i = 0; i < 2000 && access(release, F_OK) != 0; ++i) usleep(10'000);
  }
  return 0;
}
