// Fuzz target for the character tests and the contact checks: any bytes in any of the code
// pages, lead bytes cut off at the end, long fields. Built with -DKVR_FUZZ=ON (clang):
//
//   cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DKVR_FUZZ=ON \
//         -DKVR_BUILD_TESTS=OFF -DKVR_BUILD_BENCH=OFF
//   cmake --build build-fuzz --target validation_fuzz
//   build-fuzz/bin/validation_fuzz -max_len=70000
//
// Input: byte 0 picks the code page, byte 1 the country rule and which fields are required;
// the rest is the text, given to the character tests as it is (so a read past its end is
// caught) and, split at line feeds, to the fields of a contact page.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "app/CRegException.h"
#include "record/ContactFieldSource.h"
#include "record/FieldChecks.h"
#include "record/FieldGroupChecks.h"
#include "record/ValidationText.h"

namespace {

using kvr::ContactField;

constexpr std::array kCodePages{1252, 932, 936, 949, 950, kvr::kUtf8CodePage, 1251, 1253, 874, 1250};
constexpr std::array kZipRules{1, 3, 4, 5, 6, 7, 8, -4, -5, -6, 0};
constexpr std::array kPhoneMinimums{1, 6, 7, 8, 9, 10};

const std::set<int> kKnownIds{201, 202, 203, 204, 205, 206, 207, 208, 213, 216,  217,
                              221, 222, 224, 246, 247, 1515, 1516, 1517, 1519, 1520};

class Fields final : public kvr::ContactFieldSource {
 public:
  Fields(std::string_view text, unsigned requiredBits) : m_required(requiredBits) {
    std::size_t field = 0;
    for (char c : text) {
      if (c == '\n') {
        field = (field + 1) % m_texts.size();
        continue;
      }
      m_texts[field] += c;
    }
  }
  std::string text(ContactField f) const override { return m_texts[index(f)]; }
  bool isShown(ContactField) const override { return true; }
  bool isRequired(ContactField f) const override { return (m_required >> (index(f) % 8)) & 1u; }
  bool isAccepted(ContactField f) const override { return index(f) == m_required % 16; }
  kvr::ui::CWnd* control(ContactField) const override { return nullptr; }

 private:
  static std::size_t index(ContactField f) { return static_cast<std::size_t>(f); }
  std::array<std::string, kvr::kContactFieldCount> m_texts;
  unsigned m_required;
};

template <typename Check>
void expectKnownFailure(Check check) {
  try {
    check();
  } catch (kvr::CRegException* error) {
    const int id = error->id();
    error->Delete();
    if (kKnownIds.count(id) == 0) std::abort();
  }
}

void checkCharacterTests(std::string_view text, int codePage) {
  std::size_t walked = 0;
  while (walked < text.size()) {
    const kvr::TextChar ch = kvr::charAt(text, walked, codePage);
    if (ch.length == 0 || ch.length > 4 || walked + ch.length > text.size()) std::abort();
    walked += ch.length;
  }
  const int blank = kvr::isBlank(text, codePage);
  const int pipe = kvr::findPipeOrBackslash(text, codePage);
  const int digit = kvr::findDigit(text, codePage);
  const bool letter = kvr::containsLetter(text, codePage);
  const bool email = kvr::isEmailShaped(text, codePage);
  if (blank != 1 && blank != -1) std::abort();
  if (pipe >= 0 && (static_cast<std::size_t>(pipe) >= text.size() ||
                    (text[static_cast<std::size_t>(pipe)] != '|' &&
                     text[static_cast<std::size_t>(pipe)] != '\\')))
    std::abort();
  if (digit == 0 || (digit > 0 && (static_cast<std::size_t>(digit) > text.size() ||
                                   text[static_cast<std::size_t>(digit - 1)] < '0' ||
                                   text[static_cast<std::size_t>(digit - 1)] > '9')))
    std::abort();
  if (blank == 1 && (pipe != -1 || digit != -1 || letter || !email)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const int codePage = kCodePages[data[0] % kCodePages.size()];
  const int zipRule = kZipRules[data[1] % kZipRules.size()];
  const int minPhone = kPhoneMinimums[(data[1] >> 4) % kPhoneMinimums.size()];
  const bool required = (data[1] & 0x80) != 0;
  // Straight on the fuzzer's buffer: its end is the end of the allocation.
  const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);

  checkCharacterTests(text, codePage);
  expectKnownFailure([&] { kvr::checkPhone(text, required, false, minPhone, nullptr, codePage); });
  expectKnownFailure([&] { kvr::checkExtension(text, nullptr, codePage); });
  expectKnownFailure([&] { kvr::checkPostalCode(text, zipRule, required, nullptr, codePage); });
  expectKnownFailure([&] { kvr::checkUsPostalCode(text, required, nullptr, codePage); });
  expectKnownFailure([&] { kvr::checkJobTitle(text, nullptr, codePage); });
  expectKnownFailure([&] { kvr::checkEmail(text, false, nullptr, codePage); });

  const Fields fields(text, data[1]);
  expectKnownFailure([&] { kvr::checkNameGroup(fields, codePage); });
  expectKnownFailure([&] {
    kvr::checkAddressGroup(
        fields,
        [&](std::string_view zip, bool zipRequired, kvr::ui::CWnd* owner) {
          kvr::checkPostalCode(zip, zipRule, zipRequired, owner, codePage);
        },
        codePage);
  });
  expectKnownFailure([&] { kvr::checkPhoneGroup(fields, minPhone, codePage); });
  return 0;
}
