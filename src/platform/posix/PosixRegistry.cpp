#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "log/DebugLog.h"
#include "platform/HiveFile.h"
#include "platform/Registry.h"
#include "platform/System.h"

// The registry over REGEDIT4 hive files in the data prefix. Readers take no lock: a hive is only
// ever replaced whole by rename, so a reader sees the old or the new file. Writers serialise on
// an flock of "<hive>.lock" and do a read-modify-write of the whole file.

namespace kvr::platform {

namespace {

struct HiveLocation {
  std::string directory;
  std::string path;
  std::string rootName;           // as the hive's key lines spell it
  std::vector<std::string> base;  // where the root lives inside the hive
};

HiveLocation locate(RegRoot root) {
  HiveLocation location;
  location.directory = dataPrefix();
  bool user = root == RegRoot::CurrentUser;
  location.path = location.directory + (user ? "/user.reg" : "/system.reg");
  location.rootName = user ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
  if (root == RegRoot::ClassesRoot) location.base = {"Software", "Classes"};
  return location;
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd = -1) : m_fd(fd) {}
  ~FileDescriptor() { reset(); }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int get() const { return m_fd; }
  bool valid() const { return m_fd >= 0; }
  int release() {
    int fd = m_fd;
    m_fd = -1;
    return fd;
  }
  void reset(int fd = -1) {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = fd;
  }

 private:
  int m_fd;
};

long errorCode(int error) {
  return error == EACCES || error == EPERM || error == EROFS ? kRegAccessDenied : kRegBadDatabase;
}

long logFailure(const std::string& what, const std::string& path, int error) {
  debugLog() << "registry: cannot " << what << " " << path << ": " << std::strerror(error)
             << std::endl;
  return errorCode(error);
}

// 0, or the errno of the failure (ENOENT: no hive yet). Reads one byte past the size limit so
// the parser can tell a file that is too large.
int readFileBytes(const std::string& path, std::string& bytes) {
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.valid()) return errno;
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) return errno;
  if (!S_ISREG(info.st_mode)) return EISDIR;
  bytes.clear();
  bytes.reserve(std::min<std::size_t>(static_cast<std::size_t>(info.st_size), kHiveMaxFileBytes) +
                1);
  char buffer[65536];
  while (bytes.size() <= kHiveMaxFileBytes) {
    ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  return 0;
}

long makeDirectory(const std::string& directory) {
  if (directory.empty()) {
    debugLog() << "registry: no data directory for the hive files" << std::endl;
    return kRegAccessDenied;
  }
  for (std::size_t slash = directory.find('/', 1);; slash = directory.find('/', slash + 1)) {
    std::string part = directory.substr(0, slash);
    if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
      return logFailure("create directory", part, errno);
    if (slash == std::string::npos) return kRegSuccess;
  }
}

// Held while a hive is read for a change or replaced; released when destroyed.
class HiveLock {
 public:
  long acquire(const HiveLocation& location) {
    std::string path = location.path + ".lock";
    m_fd.reset(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (!m_fd.valid()) return logFailure("open lock file", path, errno);
    ::fchmod(m_fd.get(), 0600);
    while (::flock(m_fd.get(), LOCK_EX) != 0)
      if (errno != EINTR) return logFailure("lock", path, errno);
    return kRegSuccess;
  }

 private:
  FileDescriptor m_fd;
};

std::string describe(const HiveParseError& error) {
  return error.line > 0 ? "line " + std::to_string(error.line) + ": " + error.reason
                        : error.reason;
}

void logKeptInPlace(const HiveLocation& location, const HiveParseError& error,
                    const std::string& why) {
  debugLog() << "registry: hive " << location.path << " cannot be read (" << describe(error)
             << ") and could not be moved aside: " << why
             << "; it is left as it is and will not be written" << std::endl;
}

// Renames a hive that cannot be parsed to a name no earlier copy holds. Called under the lock,
// on the file that has just failed to parse.
bool keepDamaged(const HiveLocation& location, const HiveParseError& error) {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  std::string stem = location.path + ".damaged-" + stamp;
  int failure = EEXIST;
  for (int n = 0; n < 1000; ++n) {
    std::string target = n == 0 ? stem : stem + "-" + std::to_string(n);
    // link() fails instead of replacing an existing copy; rename() would not.
    bool kept = ::link(location.path.c_str(), target.c_str()) == 0;
    if (kept && ::unlink(location.path.c_str()) != 0) {
      failure = errno;
      break;
    }
    if (!kept && errno == EEXIST) continue;
    if (!kept && (errno == EPERM || errno == EOPNOTSUPP)) {  // no hard links on this file system
      struct stat info {};
      if (::lstat(target.c_str(), &info) == 0) continue;
      kept = errno == ENOENT && ::rename(location.path.c_str(), target.c_str()) == 0;
    }
    if (!kept) {
      failure = errno;
      break;
    }
    debugLog() << "registry: hive " << location.path << " cannot be read (" << describe(error)
               << "); kept it as " << target << " and started an empty hive" << std::endl;
    return true;
  }
  logKeptInPlace(location, error, std::strerror(failure));
  return false;
}

// The hive file parsed into `root`, which is empty when there is no file. When the file cannot
// be parsed, `damage` says why and `root` is empty.
long readHiveFile(const HiveLocation& location, HiveKey& root,
                  std::optional<HiveParseError>& damage) {
  std::string bytes;
  int error = readFileBytes(location.path, bytes);
  root = HiveKey();
  damage.reset();
  if (error == ENOENT) return kRegSuccess;
  if (error != 0) return logFailure("read hive", location.path, error);
  HiveParseResult parsed = parseHive(bytes, location.rootName);
  if (parsed.error)
    damage = std::move(parsed.error);
  else
    root = std::move(parsed.root);
  return kRegSuccess;
}

// The hive as it is now, read under the lock; a damaged file is kept aside first and the
// hive taken as empty.
long readLocked(const HiveLocation& location, HiveKey& root) {
  std::optional<HiveParseError> damage;
  long code = readHiveFile(location, root, damage);
  if (code != kRegSuccess || !damage) return code;
  return keepDamaged(location, *damage) ? kRegSuccess : kRegBadDatabase;
}

long loadHive(const HiveLocation& location, HiveKey& root) {
  std::optional<HiveParseError> damage;
  long code = readHiveFile(location, root, damage);
  if (code != kRegSuccess || !damage) return code;
  // Decided again under the lock, where no writer can replace the file in between. A hive
  // that stays unreadable reads as empty; it is never written over.
  HiveLock lock;
  if (lock.acquire(location) != kRegSuccess)
    logKeptInPlace(location, *damage, "no lock");
  else if (readLocked(location, root) == kRegSuccess)
    return kRegSuccess;
  root = HiveKey();
  return kRegSuccess;
}

long replaceFile(const std::string& path, const std::string& bytes) {
  std::string temporary = path + ".new";
  FileDescriptor fd(
      ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600));
  if (!fd.valid()) return logFailure("create", temporary, errno);
  ::fchmod(fd.get(), 0600);
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  int error = 0;
  while (left > 0 && error == 0) {
    ssize_t n = ::write(fd.get(), data, left);
    if (n < 0 && errno != EINTR) error = errno;
    if (n > 0) {
      data += n;
      left -= static_cast<std::size_t>(n);
    }
  }
  if (error == 0 && ::fsync(fd.get()) != 0) error = errno;
  int fdNumber = fd.release();
  if (::close(fdNumber) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
  if (error == 0) return kRegSuccess;
  ::unlink(temporary.c_str());
  return logFailure("write hive", path, error);
}

long writeHive(const HiveLocation& location, const HiveKey& root) {
  std::string bytes = serializeHive(root, location.rootName);
  if (bytes.size() > kHiveMaxFileBytes) {
    debugLog() << "registry: change refused, hive " << location.path << " would grow past 64 MiB"
               << std::endl;
    return kRegInvalidParameter;
  }
  return replaceFile(location.path, bytes);
}

long lockAndRead(const HiveLocation& location, HiveLock& lock, HiveKey& root) {
  long code = makeDirectory(location.directory);
  if (code == kRegSuccess) code = lock.acquire(location);
  if (code == kRegSuccess) code = readLocked(location, root);
  return code;
}

// The changes of an open batch to one hive, held under its lock until the batch ends.
struct PendingHive {
  HiveLocation location;
  HiveLock lock;
  HiveKey root;
  bool changed = false;
};

struct Batch {
  int depth = 0;
  std::map<std::string, std::unique_ptr<PendingHive>> hives;  // by hive path
};

// Per thread, so that a batch on one thread never hands its unwritten state to another.
Batch& currentBatch() {
  thread_local Batch batch;
  return batch;
}

PendingHive* pendingHive(const HiveLocation& location) {
  auto& hives = currentBatch().hives;
  auto it = hives.find(location.path);
  return it == hives.end() ? nullptr : it->second.get();
}

// The hive to read: the open batch's copy when it holds one, else the file.
long readHive(const HiveLocation& location, HiveKey& storage, const HiveKey*& root) {
  if (PendingHive* pending = pendingHive(location)) {
    root = &pending->root;
    return kRegSuccess;
  }
  root = &storage;
  return loadHive(location, storage);
}

// Returns the result of the change; the hive is written only when `changed` was set.
using HiveChange = std::function<long(HiveKey& root, bool& changed)>;

long updateHive(const HiveLocation& location, const HiveChange& change) {
  bool changed = false;
  if (currentBatch().depth == 0) {
    HiveLock lock;
    HiveKey root;
    long code = lockAndRead(location, lock, root);
    if (code == kRegSuccess) code = change(root, changed);
    return code == kRegSuccess && changed ? writeHive(location, root) : code;
  }
  PendingHive* pending = pendingHive(location);
  if (pending == nullptr) {
    auto fresh = std::make_unique<PendingHive>();
    fresh->location = location;
    long code = lockAndRead(location, fresh->lock, fresh->root);
    if (code != kRegSuccess) return code;
    pending = (currentBatch().hives[location.path] = std::move(fresh)).get();
  }
  long code = change(pending->root, changed);
  pending->changed = pending->changed || changed;
  return code;
}

bool appendPath(std::string_view path, std::vector<std::string>& keyPath) {
  while (!path.empty()) {
    std::size_t cut = path.find('\\');
    std::string_view name = path.substr(0, cut);
    if (!isValidKeyName(name)) return false;
    keyPath.emplace_back(name);
    path = cut == std::string_view::npos ? std::string_view() : path.substr(cut + 1);
    if (cut != std::string_view::npos && path.empty()) return false;
  }
  return keyPath.size() <= kHiveMaxKeyDepth;
}

const HiveKey* findKey(const HiveKey& root, const std::vector<std::string>& keyPath) {
  const HiveKey* key = &root;
  for (const auto& name : keyPath)
    if ((key = key->child(name)) == nullptr) break;
  return key;
}

HiveKey& ensureKey(HiveKey& root, const std::vector<std::string>& keyPath) {
  HiveKey* key = &root;
  for (const auto& name : keyPath) key = &key->ensureChild(name);
  return *key;
}

long deliver(const HiveValue& value, std::size_t bufferSize, RegValue& out) {
  out.name = value.name;
  out.type = value.type;
  out.data.clear();
  std::size_t size = value.data.size() + (value.type == kRegSz ? 1 : 0);
  if (size > bufferSize) return kRegMoreData;
  out.data = value.data;
  if (value.type == kRegSz) out.data.push_back('\0');
  return kRegSuccess;
}

class PosixRegKey final : public RegKey {
 public:
  PosixRegKey(HiveLocation location, std::vector<std::string> keyPath, RegAccess access)
      : m_location(std::move(location)), m_path(std::move(keyPath)), m_access(access) {}

  long queryValue(std::string_view name, std::size_t bufferSize, RegValue& out) override {
    const HiveKey* key = nullptr;
    long code = load(key);
    if (code != kRegSuccess) return code;
    const HiveValue* value = key->value(name);
    return value ? deliver(*value, bufferSize, out) : kRegFileNotFound;
  }

  long setValue(std::string_view name, std::uint32_t type, std::string_view data) override {
    if (m_access != RegAccess::Write) return kRegAccessDenied;
    if (!isValidValueName(name) || data.size() > kHiveMaxValueDataBytes)
      return kRegInvalidParameter;
    // A key removed by someone else since it was opened comes back, as an open handle would
    // keep it.
    return updateHive(m_location, [&](HiveKey& root, bool& changed) {
      changed = ensureKey(root, m_path).setValue(name, type, std::string(data));
      return kRegSuccess;
    });
  }

  long deleteValue(std::string_view name) override {
    if (m_access != RegAccess::Write) return kRegAccessDenied;
    return updateHive(m_location, [&](HiveKey& root, bool& changed) {
      HiveKey* key = const_cast<HiveKey*>(findKey(root, m_path));
      changed = key != nullptr && key->deleteValue(name);
      return changed ? kRegSuccess : kRegFileNotFound;
    });
  }

  long enumKey(std::uint32_t index, std::string& name) override {
    const HiveKey* key = nullptr;
    long code = load(key);
    if (code != kRegSuccess) return code;
    if (index >= key->childCount()) return kRegNoMoreItems;
    name = key->childAt(index)->name();
    return kRegSuccess;
  }

  long enumValue(std::uint32_t index, std::size_t nameBufferSize, std::size_t dataBufferSize,
                 RegValue& out) override {
    const HiveKey* key = nullptr;
    long code = load(key);
    if (code != kRegSuccess) return code;
    if (index >= key->valueCount()) return kRegNoMoreItems;
    const HiveValue& value = key->valueAt(index);
    code = deliver(value, dataBufferSize, out);
    // The name buffer holds the name and its terminating zero.
    if (value.name.size() + 1 > nameBufferSize) {
      out.data.clear();
      return kRegMoreData;
    }
    return code;
  }

 private:
  // Reads the hive; `key` is this key in it.
  long load(const HiveKey*& key) {
    const HiveKey* root = nullptr;
    long code = readHive(m_location, m_hive, root);
    if (code != kRegSuccess) return code;
    key = findKey(*root, m_path);
    // The top of a root always exists, even before anything was written under it.
    if (key == nullptr && m_path.size() == m_location.base.size()) key = &m_empty;
    return key ? kRegSuccess : kRegFileNotFound;
  }

  HiveLocation m_location;
  std::vector<std::string> m_path;
  RegAccess m_access;
  HiveKey m_hive;
  HiveKey m_empty;
};

class PosixRegistry final : public Registry {
 public:
  long openKey(RegRoot root, std::string_view path, RegAccess access,
               std::unique_ptr<RegKey>& out) override {
    HiveLocation location = locate(root);
    std::vector<std::string> keyPath = location.base;
    if (!appendPath(path, keyPath)) return kRegInvalidParameter;
    if (keyPath.size() > location.base.size()) {
      HiveKey storage;
      const HiveKey* hive = nullptr;
      long code = readHive(location, storage, hive);
      if (code != kRegSuccess) return code;
      if (findKey(*hive, keyPath) == nullptr) return kRegFileNotFound;
    }
    out = std::make_unique<PosixRegKey>(std::move(location), std::move(keyPath), access);
    return kRegSuccess;
  }

  long createKey(RegRoot root, std::string_view path, std::unique_ptr<RegKey>& out) override {
    HiveLocation location = locate(root);
    std::vector<std::string> keyPath = location.base;
    if (!appendPath(path, keyPath)) return kRegInvalidParameter;
    HiveKey storage;
    const HiveKey* hive = nullptr;
    long code = readHive(location, storage, hive);
    if (code == kRegSuccess && findKey(*hive, keyPath) == nullptr) {
      code = updateHive(location, [&](HiveKey& current, bool& changed) {
        changed = findKey(current, keyPath) == nullptr;
        ensureKey(current, keyPath);
        return kRegSuccess;
      });
    }
    if (code != kRegSuccess) return code;
    out = std::make_unique<PosixRegKey>(std::move(location), std::move(keyPath), RegAccess::Write);
    return kRegSuccess;
  }

  void beginBatch() override { ++currentBatch().depth; }

  long endBatch() override {
    Batch& batch = currentBatch();
    if (batch.depth == 0 || --batch.depth > 0) return kRegSuccess;
    long result = kRegSuccess;
    for (auto& [path, pending] : batch.hives) {
      long code = pending->changed ? writeHive(pending->location, pending->root) : kRegSuccess;
      if (result == kRegSuccess) result = code;
    }
    batch.hives.clear();  // releases the locks
    return result;
  }
};

}  // namespace

Registry& registry() {
  static PosixRegistry instance;
  return instance;
}

}  // namespace kvr::platform
