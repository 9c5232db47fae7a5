#include "ui/ResourceModule.h"

#include <algorithm>
#include <utility>

#include "log/DebugLog.h"

namespace kvr::ui {

namespace {

template <typename Entry>
const Entry* findById(const Entry* entries, std::uint32_t count, unsigned id) {
  if (count == 0) return nullptr;
  const Entry* end = entries + count;
  const Entry* found = std::lower_bound(entries, end, id,
                                        [](const Entry& entry, unsigned key) { return entry.id < key; });
  return found != end && found->id == id ? found : nullptr;
}

template <typename Entry>
bool ascending(const Entry* entries, std::uint32_t count) {
  if (count == 0) return true;
  if (entries == nullptr) return false;
  for (std::uint32_t i = 1; i < count; ++i)
    if (!(entries[i - 1].id < entries[i].id)) return false;
  return true;
}

bool present(const ResourceText& text) { return text.data != nullptr; }

bool binariesHold(const BinaryResource* entries, std::uint32_t count) {
  for (std::uint32_t i = 0; i < count; ++i)
    if (entries[i].data == nullptr || entries[i].size == 0) return false;
  return true;
}

// Why the tables cannot be used; empty when they can.
std::string problemWith(const ResourceTables* tables) {
  if (tables == nullptr) return "no tables";
  if (tables->magic != kResourceTablesMagic) return "not resource tables";
  if (tables->version != kResourceTablesVersion || tables->size != sizeof(ResourceTables))
    return "tables of version " + std::to_string(tables->version) + " (size " +
           std::to_string(tables->size) + "), expected " + std::to_string(kResourceTablesVersion) +
           " (size " + std::to_string(sizeof(ResourceTables)) + ")";
  if (!ascending(tables->strings, tables->stringCount) ||
      !ascending(tables->dialogs, tables->dialogCount) ||
      !ascending(tables->bitmaps, tables->bitmapCount) ||
      !ascending(tables->icons, tables->iconCount))
    return "ids out of order";
  for (std::uint32_t i = 0; i < tables->stringCount; ++i)
    if (!present(tables->strings[i].text)) return "a string without text";
  for (std::uint32_t i = 0; i < tables->dialogCount; ++i) {
    const DialogTemplate& dialog = tables->dialogs[i];
    if (!present(dialog.caption) || !present(dialog.font.face) ||
        (dialog.controlCount > 0 && dialog.controls == nullptr))
      return "dialog " + std::to_string(dialog.id) + " is incomplete";
    for (std::uint32_t c = 0; c < dialog.controlCount; ++c)
      if (!present(dialog.controls[c].className) || !present(dialog.controls[c].text))
        return "dialog " + std::to_string(dialog.id) + " has an incomplete control";
  }
  if (!binariesHold(tables->bitmaps, tables->bitmapCount) ||
      !binariesHold(tables->icons, tables->iconCount))
    return "an empty picture";
  return {};
}

}  // namespace

ResourceModule::ResourceModule(const ResourceTables* tables, std::string name,
                               std::unique_ptr<platform::Module> library)
    : m_library(std::move(library)), m_tables(tables), m_name(std::move(name)) {}

std::unique_ptr<ResourceModule> ResourceModule::fromTables(const ResourceTables* tables,
                                                           std::string name,
                                                           std::unique_ptr<platform::Module> library) {
  std::string problem = problemWith(tables);
  if (!problem.empty()) {
    debugLog() << "Resource module " << name << " refused: " << problem << std::endl;
    return nullptr;
  }
  return std::unique_ptr<ResourceModule>(
      new ResourceModule(tables, std::move(name), std::move(library)));
}

std::unique_ptr<ResourceModule> ResourceModule::load(std::string_view fileName) {
  std::unique_ptr<platform::Module> library = platform::loadModule(fileName);
  if (!library) return nullptr;
  using EntryPoint = const ResourceTables* (*)();
  void* symbol = library->symbol(kResourceEntryPoint);
  if (symbol == nullptr) {
    debugLog() << "Resource module " << fileName << " refused: no " << kResourceEntryPoint
               << std::endl;
    return nullptr;
  }
  auto entryPoint = reinterpret_cast<EntryPoint>(symbol);
  return fromTables(entryPoint(), std::string(fileName), std::move(library));
}

std::optional<std::string_view> ResourceModule::string(unsigned id) const {
  const StringResource* found = findById(m_tables->strings, m_tables->stringCount, id);
  if (found == nullptr) return std::nullopt;
  return found->text.view();
}

const DialogTemplate* ResourceModule::dialog(unsigned id) const {
  return findById(m_tables->dialogs, m_tables->dialogCount, id);
}

std::span<const std::uint8_t> ResourceModule::bitmap(unsigned id) const {
  const BinaryResource* found = findById(m_tables->bitmaps, m_tables->bitmapCount, id);
  if (found == nullptr) return {};
  return {found->data, found->size};
}

std::span<const std::uint8_t> ResourceModule::icon(unsigned id) const {
  const BinaryResource* found = findById(m_tables->icons, m_tables->iconCount, id);
  if (found == nullptr) return {};
  return {found->data, found->size};
}

}  // namespace kvr::ui
