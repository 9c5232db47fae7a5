#include "record/FieldChecks.h"

#include <cstdlib>
#include <string>

#include "app/CRegException.h"
#include "record/ValidationText.h"

namespace kvr {

namespace {

constexpr std::string_view kPhoneCharacters = "0123456789- .()+";
constexpr std::size_t kUsZipHyphenPosition = 5;
constexpr int kUsZipMinimumDigits = 5;

bool blank(std::string_view text, int codePage) { return isBlank(text, codePage) == 1; }

void rejectPipeOrBackslash(std::string_view text, ui::CWnd* owner, int codePage) {
  if (findPipeOrBackslash(text, codePage) >= 0) raiseCheck(msg::kPipeOrBackslash, owner);
}

// Walks a phone-like text; 246 at the first character outside the phone set. Returns the
// number of digits.
int countPhoneDigits(std::string_view text, ui::CWnd* owner, int codePage) {
  int digits = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    const TextChar ch = charAt(text, pos, codePage);
    const char c = text[pos];
    if (ch.wide || kPhoneCharacters.find(c) == std::string_view::npos)
      raiseCheck(msg::kInvalidCharacter, owner);
    if (isDigitByte(static_cast<unsigned char>(c))) ++digits;
    pos += ch.length;
  }
  return digits;
}

// Single-byte blanks only: a trail byte is never taken for one.
std::string withoutBlanks(std::string_view text, int codePage) {
  std::string kept;
  kept.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const TextChar ch = charAt(text, pos, codePage);
    if (ch.wide || text[pos] != ' ') kept.append(text.substr(pos, ch.length));
    pos += ch.length;
  }
  return kept;
}

}  // namespace

void raiseCheck(int id, ui::CWnd* owner) { throw new CRegException(id, owner); }

void checkPhone(std::string_view text, bool required, bool acceptedShort, int minDigits,
                ui::CWnd* owner, int codePage) {
  rejectPipeOrBackslash(text, owner, codePage);
  if (blank(text, codePage)) {
    if (required) raiseCheck(msg::kPhoneRequired, owner);
    return;
  }
  const int digits = countPhoneDigits(text, owner, codePage);
  if (!acceptedShort && digits < minDigits) raiseCheck(msg::kPhoneTooShort, owner);
}

void checkExtension(std::string_view text, ui::CWnd* owner, int codePage) {
  rejectPipeOrBackslash(text, owner, codePage);
  if (!blank(text, codePage)) countPhoneDigits(text, owner, codePage);
}

void checkPostalCode(std::string_view text, int rule, bool required, ui::CWnd* owner,
                     int codePage) {
  if (blank(text, codePage)) {
    if (required) raiseCheck(msg::kZipRequired, owner);
    return;
  }
  const std::string zip = withoutBlanks(text, codePage);
  const bool digitsOnly = rule < 0;
  int counted = 0;
  for (std::size_t pos = 0; pos < zip.size();) {
    const TextChar ch = charAt(zip, pos, codePage);
    const auto b = static_cast<unsigned char>(zip[pos]);
    pos += ch.length;
    if (ch.wide) {
      if (digitsOnly) raiseCheck(msg::kInvalidCharacter, owner);
      ++counted;  // a wide character counts as a letter
    } else if (isDigitByte(b) || (!digitsOnly && isLetterByte(b, codePage))) {
      ++counted;
    } else if (b != '-') {
      raiseCheck(msg::kInvalidCharacter, owner);
    }
  }
  if (counted < std::abs(rule))
    raiseCheck(digitsOnly ? msg::kZipTooFewDigits : msg::kZipTooFewCharacters, owner);
}

void checkUsPostalCode(std::string_view text, bool required, ui::CWnd* owner, int codePage) {
  if (blank(text, codePage)) {
    if (required) raiseCheck(msg::kZipRequired, owner);
    return;
  }
  int digits = 0;
  bool hyphen = false;
  for (std::size_t pos = 0; pos < text.size();) {
    const TextChar ch = charAt(text, pos, codePage);
    const auto b = static_cast<unsigned char>(text[pos]);
    const bool digit = !ch.wide && isDigitByte(b);
    const bool hyphenHere = !ch.wide && b == '-' && !hyphen && pos == kUsZipHyphenPosition &&
                            digits == kUsZipMinimumDigits;
    if (!digit && !hyphenHere) raiseCheck(msg::kInvalidCharacter, owner);
    if (digit) ++digits;
    hyphen = hyphen || hyphenHere;
    pos += ch.length;
  }
  if (digits < kUsZipMinimumDigits) raiseCheck(msg::kUsZipFiveDigits, owner);
}

void checkJobTitle(std::string_view text, ui::CWnd* owner, int codePage) {
  rejectPipeOrBackslash(text, owner, codePage);
}

void checkCompany(std::string_view text, ui::CWnd* owner, int codePage) {
  rejectPipeOrBackslash(text, owner, codePage);
}

void checkEmail(std::string_view text, bool declined, ui::CWnd* owner, int codePage) {
  if (declined) return;
  rejectPipeOrBackslash(text, owner, codePage);
  if (blank(text, codePage)) raiseCheck(msg::kEnterEmail, owner);
  if (!isEmailShaped(text, codePage)) raiseCheck(msg::kEmailNotShaped, owner);
}

}  // namespace kvr
