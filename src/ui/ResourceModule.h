#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/Module.h"
#include "ui/ResourceTables.h"

namespace kvr::ui {

// One set of compiled resources: the program's own, or a language module's. Lookups are binary
// searches over the id-sorted tables; what they return points into the tables and stays valid
// as long as the module object lives.
class ResourceModule {
 public:
  // Takes tables after checking them (signature, version, layout size, ids ascending, no
  // missing arrays); null, with a debug-log line naming `name`, when they do not hold.
  // `library` is the shared library the tables live in, kept loaded with the module.
  static std::unique_ptr<ResourceModule> fromTables(const ResourceTables* tables, std::string name,
                                                    std::unique_ptr<platform::Module> library = {});

  // Loads a language module by its Windows file name ("KVOVXDEU.dll") through the platform's
  // module loader and takes the tables its entry point returns. Null, with a debug-log line,
  // when the library cannot be loaded, lacks the entry point or holds tables that do not hold.
  static std::unique_ptr<ResourceModule> load(std::string_view fileName);

  ResourceModule(const ResourceModule&) = delete;
  ResourceModule& operator=(const ResourceModule&) = delete;

  const std::string& name() const { return m_name; }
  std::uint16_t language() const { return m_tables->language; }
  std::uint16_t codePage() const { return m_tables->codePage; }

  std::optional<std::string_view> string(unsigned id) const;
  const DialogTemplate* dialog(unsigned id) const;
  // The picture file's bytes; empty when the module has no such picture.
  std::span<const std::uint8_t> bitmap(unsigned id) const;
  std::span<const std::uint8_t> icon(unsigned id) const;

 private:
  ResourceModule(const ResourceTables* tables, std::string name,
                 std::unique_ptr<platform::Module> library);

  std::unique_ptr<platform::Module> m_library;
  const ResourceTables* m_tables;
  std::string m_name;
};

}  // namespace kvr::ui
