#include "record/ProductConfig.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <utility>

#include "brand/LanguageTable.h"
#include "log/DebugLog.h"
#include "platform/System.h"
#include "record/ProductConfigCodec.h"

namespace kvr {

namespace {

constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";
constexpr std::string_view kDefaultToken = "#default";
constexpr std::string_view kWizardProgram = "kvrWizard.exe";

// "lang xxx: tokens": the code after "lang ", the tokens after "xxx:".
constexpr std::string_view kLanguagePrefix = "lang";
constexpr std::size_t kLanguageCodeAt = 5;
constexpr std::size_t kLanguageCodeLength = 3;
constexpr std::size_t kTokensAt = kLanguageCodeAt + kLanguageCodeLength + 1;

struct TextField {
  std::string_view prefix;
  std::string ProductConfigValues::*value;
};

// Tried in this order, before the language lines.
constexpr TextField kTextFields[] = {
    {"kvrVersion:", &ProductConfigValues::kvrVersion},
    {"dateOfFileCreation:", &ProductConfigValues::dateOfFileCreation},
    {"productName:", &ProductConfigValues::productName},
    {"productType:", &ProductConfigValues::productType},
    {"partNumber:", &ProductConfigValues::partNumber},
};

// Like substr, but a line shorter than `at` gives an empty rest instead of throwing.
std::string_view from(std::string_view text, std::size_t at,
                      std::size_t count = std::string_view::npos) {
  return at < text.size() ? text.substr(at, count) : std::string_view();
}

std::string_view trimLeft(std::string_view text) {
  std::size_t start = text.find_first_not_of(kWhiteSpace);
  return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

std::string_view trim(std::string_view text) {
  text = trimLeft(text);
  return text.substr(0, text.find_last_not_of(kWhiteSpace) + 1);
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

ConfigLineReader readerInto(ProductConfigParser& parser, std::string_view source) {
  return ConfigLineReader(
      [&parser](std::string_view line) { parser.applyLine(line); },
      [source](std::uint64_t lineNumber, std::uint64_t length) {
        debugLog() << "Product configuration " << source << ": line " << lineNumber << " is "
                   << length << " bytes long, over the limit of " << kMaxConfigLineLength
                   << "; skipped" << std::endl;
      });
}

ProductConfigValues readConfigFile(const std::string& path) {
  ProductConfigParser parser;
  ConfigLineReader reader = readerInto(parser, path);
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) {
    debugLog() << "Product configuration " << path << " cannot be opened: "
               << std::strerror(errno) << std::endl;
    return {};
  }
  std::setvbuf(file.get(), nullptr, _IONBF, 0);
  std::vector<char> chunk(ProductConfig::kReadChunkSize);
  while (std::size_t got = std::fread(chunk.data(), 1, chunk.size(), file.get()))
    reader.feed(std::string_view(chunk.data(), got));
  if (std::ferror(file.get())) {
    debugLog() << "Product configuration " << path << " cannot be read after line "
               << reader.lineCount() << ": " << std::strerror(errno) << std::endl;
  }
  return parser.finish();
}

std::mutex g_instanceMutex;
std::unique_ptr<ProductConfig> g_instance;
bool g_lookedUp = false;

}  // namespace

void ProductConfigParser::applyLine(std::string_view line) {
  for (const TextField& field : kTextFields) {
    if (line.starts_with(field.prefix)) {
      m_values.*field.value = trim(line.substr(field.prefix.size()));
      return;
    }
  }
  if (line.starts_with(kLanguagePrefix)) applyLanguageLine(line);
}

// A second line for the same language adds its tokens to that language's list.
void ProductConfigParser::applyLanguageLine(std::string_view line) {
  int language = languageFromName(from(line, kLanguageCodeAt, kLanguageCodeLength));
  std::string_view rest = trimLeft(from(line, kTokensAt));
  bool remember = m_values.partNumber.empty();
  std::vector<std::string>& tokens = m_values.partNumbers[language];
  for (;;) {
    std::size_t start = rest.find_first_not_of(' ');
    if (start == std::string_view::npos) break;
    rest.remove_prefix(start);
    std::string_view token = rest.substr(0, rest.find(' '));
    rest.remove_prefix(token.size());
    if (remember && token != kDefaultToken) {
      if (m_firstToken.empty()) m_firstToken = token;
      if (language == kEnglish && m_firstEnglishToken.empty()) m_firstEnglishToken = token;
    }
    tokens.emplace_back(token);
  }
}

ProductConfigValues ProductConfigParser::finish() {
  std::string& partNumber = m_values.partNumber;
  if (partNumber.empty())
    partNumber = m_firstEnglishToken.empty() ? m_firstToken : m_firstEnglishToken;
  auto& lists = m_values.partNumbers;
  for (auto it = lists.begin(); it != lists.end();) {
    std::vector<std::string>& tokens = it->second;
    if (!tokens.empty() && tokens.front() == kDefaultToken) {
      if (partNumber.empty()) {
        it = lists.erase(it);
        continue;
      }
      tokens.front() = partNumber;
    }
    ++it;
  }
  return std::move(m_values);
}

ProductConfigValues parseProductConfig(std::string_view fileBytes) {
  ProductConfigParser parser;
  readerInto(parser, "(in memory)").feed(fileBytes);
  return parser.finish();
}

ProductConfig* ProductConfig::instance() {
  std::lock_guard<std::mutex> lock(g_instanceMutex);
  if (!g_lookedUp) {
    g_lookedUp = true;
    std::string wizard = platform::searchPath(kWizardProgram);
    if (!wizard.empty()) g_instance = open(fileBeside(wizard));
  }
  return g_instance.get();
}

void ProductConfig::setInstance(std::unique_ptr<ProductConfig> config) {
  std::lock_guard<std::mutex> lock(g_instanceMutex);
  g_instance = std::move(config);
  g_lookedUp = true;
}

void ProductConfig::resetInstance() {
  std::lock_guard<std::mutex> lock(g_instanceMutex);
  g_instance.reset();
  g_lookedUp = false;
}

std::unique_ptr<ProductConfig> ProductConfig::open(const std::string& path) {
  std::error_code error;
  // A file we cannot even look at is taken as present, so that loading it logs why.
  if (!std::filesystem::exists(path, error) && !error) return nullptr;
  return std::make_unique<ProductConfig>(path);
}

std::string ProductConfig::fileBeside(std::string_view wizardPath) {
  std::size_t slash = wizardPath.find_last_of("/\\");
  std::string directory(slash == std::string_view::npos ? std::string_view()
                                                        : wizardPath.substr(0, slash + 1));
  return directory + std::string(kFileName);
}

ProductConfig::ProductConfig(std::string path) : m_path(std::move(path)) {}

void ProductConfig::load() { values(); }

bool ProductConfig::isLoaded() const {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_loaded;
}

const ProductConfigValues& ProductConfig::values() {
  std::lock_guard<std::mutex> lock(m_mutex);
  if (!m_loaded) {
    m_values = readConfigFile(m_path);
    m_loaded = true;
  }
  return m_values;
}

std::string ProductConfig::kvrVersion() { return values().kvrVersion; }
std::string ProductConfig::dateOfFileCreation() { return values().dateOfFileCreation; }
std::string ProductConfig::productName() { return values().productName; }
std::string ProductConfig::productType() { return values().productType; }
std::string ProductConfig::partNumber() { return values().partNumber; }

int ProductConfig::partNumberCount(int language) {
  const auto& lists = values().partNumbers;
  auto it = lists.find(language);
  return it == lists.end() ? 0 : static_cast<int>(it->second.size());
}

std::string ProductConfig::partNumberFor(int language, int position) {
  const ProductConfigValues& loaded = values();
  auto it = loaded.partNumbers.find(language);
  if (it == loaded.partNumbers.end()) return loaded.partNumber;
  const std::vector<std::string>& tokens = it->second;
  if (position < 0 || static_cast<std::size_t>(position) >= tokens.size()) return {};
  return tokens[static_cast<std::size_t>(position)];
}

}  // namespace kvr
