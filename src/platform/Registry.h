#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace kvr::platform {

// The registry as the program sees it on every platform. Calls return the Windows error
// numbers (0 success), so the code above behaves the same over the real registry and over
// the POSIX hive files.
enum class RegRoot { ClassesRoot, CurrentUser, LocalMachine };
enum class RegAccess { Read, Write };

enum RegType : std::uint32_t {
  kRegNone = 0,
  kRegSz = 1,
  kRegExpandSz = 2,
  kRegBinary = 3,
  kRegDword = 4,
};

inline constexpr long kRegSuccess = 0;
inline constexpr long kRegFileNotFound = 2;
inline constexpr long kRegAccessDenied = 5;
inline constexpr long kRegInvalidParameter = 87;
inline constexpr long kRegMoreData = 234;
inline constexpr long kRegNoMoreItems = 259;
inline constexpr long kRegBadDatabase = 1009;

struct RegValue {
  std::string name;
  std::uint32_t type = kRegNone;
  // The value's bytes as a query returns them: a REG_SZ ends with its terminating zero.
  std::string data;
};

// An open key; closed when destroyed.
class RegKey {
 public:
  virtual ~RegKey() = default;

  // Fails with kRegMoreData when the data does not fit into bufferSize bytes.
  virtual long queryValue(std::string_view name, std::size_t bufferSize, RegValue& out) = 0;
  // For REG_SZ the text ends at its first zero byte or at the end of data.
  virtual long setValue(std::string_view name, std::uint32_t type, std::string_view data) = 0;
  virtual long deleteValue(std::string_view name) = 0;
  // Index-based enumeration; kRegNoMoreItems past the end.
  virtual long enumKey(std::uint32_t index, std::string& name) = 0;
  virtual long enumValue(std::uint32_t index, std::size_t nameBufferSize,
                         std::size_t dataBufferSize, RegValue& out) = 0;
};

class Registry {
 public:
  virtual ~Registry() = default;

  // `path` is relative to the root, components separated by backslashes.
  virtual long openKey(RegRoot root, std::string_view path, RegAccess access,
                       std::unique_ptr<RegKey>& out) = 0;
  // Opens the key, creating it and every missing parent.
  virtual long createKey(RegRoot root, std::string_view path, std::unique_ptr<RegKey>& out) = 0;

  // Until the matching endBatch() on this thread, changes are made in memory, holding each
  // changed hive locked, and endBatch() stores each hive once (one flush instead of one per
  // value). Reads on this thread see the changes at once; other processes see them only after
  // endBatch(), and a crash before it keeps the old values; their writers of a changed hive
  // wait for it, so keep batches short. Batches nest; the outermost end writes and returns the
  // first write failure.
  virtual void beginBatch() {}
  virtual long endBatch() { return kRegSuccess; }
};

// The process-wide registry of this platform.
Registry& registry();

}  // namespace kvr::platform
