#include "ui/Resources.h"

#include "log/DebugLog.h"

namespace kvr::ui {

// Defined by the source kvrrc generates from res/kvrWizard.rc.
const ResourceTables& programResourceTables();

std::string ResourceSource::string(unsigned id) const {
  if (m_active) {
    if (auto text = m_active->string(id)) return std::string(*text);
  }
  if (auto text = m_program.string(id)) return std::string(*text);
  return {};
}

const DialogTemplate* ResourceSource::dialog(unsigned id) const { return current().dialog(id); }

std::span<const std::uint8_t> ResourceSource::bitmap(unsigned id) const {
  return current().bitmap(id);
}

std::span<const std::uint8_t> ResourceSource::icon(unsigned id) const { return current().icon(id); }

const ResourceModule& programResources() {
  // Checked like a module's tables; should they ever fail (a broken build), the program runs
  // without resources rather than reading bad ones.
  static const std::unique_ptr<ResourceModule> program = [] {
    auto module = ResourceModule::fromTables(&programResourceTables(), "kvrWizard");
    if (module) return module;
    static const ResourceTables kNone{kResourceTablesMagic, kResourceTablesVersion,
                                      sizeof(ResourceTables), 0, 1252, nullptr, 0, nullptr, 0,
                                      nullptr, 0, nullptr, 0};
    return ResourceModule::fromTables(&kNone, "kvrWizard (empty)");
  }();
  return *program;
}

ResourceSource& resources() {
  static ResourceSource source(programResources());
  return source;
}

void setResourceModule(std::unique_ptr<ResourceModule> module) {
  resources().setActive(std::move(module));
}

const DialogTemplate* findDialog(unsigned id) { return resources().dialog(id); }

std::span<const std::uint8_t> findBitmap(unsigned id) { return resources().bitmap(id); }

std::span<const std::uint8_t> findIcon(unsigned id) { return resources().icon(id); }

HICON loadIcon(unsigned id) {
  if (!findIcon(id).empty()) return static_cast<HICON>(id);
  debugLog() << "Icon " << id << " is not in the active resources" << std::endl;
  return 0;
}

}  // namespace kvr::ui
