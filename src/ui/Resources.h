#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "ui/ResourceModule.h"
#include "ui/WinTypes.h"

namespace kvr::ui {

// Where the program's resources come from. Until a language module is made active, all come
// from the program's own module. Once one is active, it is the source of every resource, as
// the resource handle of the application framework is: a dialog template or picture the module
// lacks is missing (the page it belongs to is skipped). Strings alone fall back to the program.
class ResourceSource {
 public:
  explicit ResourceSource(const ResourceModule& program) : m_program(program) {}

  // Makes `module` the source of all later loads, replacing (and unloading) the one before;
  // null goes back to the program's own resources. Done at start-up, before any dialog holds
  // a template: templates and pictures point into the active module.
  void setActive(std::unique_ptr<ResourceModule> module) { m_active = std::move(module); }
  const ResourceModule* active() const { return m_active.get(); }
  const ResourceModule& program() const { return m_program; }
  // The code page of the texts shown and typed: the active module's, else the program's.
  std::uint16_t codePage() const { return current().codePage(); }

  // The string of the active module, else of the program; empty when neither has one.
  std::string string(unsigned id) const;
  // Null when the active resources lack the template.
  const DialogTemplate* dialog(unsigned id) const;
  // Empty when the active resources lack the picture.
  std::span<const std::uint8_t> bitmap(unsigned id) const;
  std::span<const std::uint8_t> icon(unsigned id) const;

 private:
  const ResourceModule& current() const { return m_active ? *m_active : m_program; }

  const ResourceModule& m_program;
  std::unique_ptr<ResourceModule> m_active;
};

// The program's own resources (res/kvrWizard.rc).
const ResourceModule& programResources();

// The process-wide source, over the program's own resources.
ResourceSource& resources();

// Shorthands for resources().setActive(...), .dialog(...), .bitmap(...), .icon(...).
void setResourceModule(std::unique_ptr<ResourceModule> module);
const DialogTemplate* findDialog(unsigned id);
std::span<const std::uint8_t> findBitmap(unsigned id);
std::span<const std::uint8_t> findIcon(unsigned id);

// The icon `id` of the active resources for CWnd::SetIcon; 0, with a debug-log line, when
// they lack it.
HICON loadIcon(unsigned id);

}  // namespace kvr::ui
