#pragma once

#include <string_view>

namespace kvr::ui {
class CWnd;
}

namespace kvr {

// Message ids of the contact checks (string-table ids; questions end in "change it?").
namespace msg {
inline constexpr int kFirstNameRequired = 201;
inline constexpr int kLastNameRequired = 202;
inline constexpr int kAddressRequired = 203;
inline constexpr int kCityRequired = 204;
inline constexpr int kStateRequired = 205;
inline constexpr int kZipRequired = 206;
inline constexpr int kCountryRequired = 207;
inline constexpr int kPhoneRequired = 208;
inline constexpr int kEnterEmail = 213;            // question
inline constexpr int kEmailNotShaped = 216;        // question
inline constexpr int kPipeOrBackslash = 217;
inline constexpr int kOnlyLetters = 221;
inline constexpr int kAddressNeedsLetters = 222;
inline constexpr int kUsZipFiveDigits = 224;       // question
inline constexpr int kInvalidCharacter = 246;
inline constexpr int kStreetNeedsLetters = 247;    // shows the text of 222
inline constexpr int kPhoneTooShort = 1515;        // question
inline constexpr int kZipTooFewCharacters = 1516;  // question
inline constexpr int kZipTooFewDigits = 1517;      // question
inline constexpr int kPrefixRequired = 1519;
inline constexpr int kSuffixRequired = 1520;
}  // namespace msg

// Each check throws `new CRegException(id, owner)` at the first rule the text breaks and
// returns when it passes. `codePage` is the code page of the text (ValidationText.h).

// Phone: no "|" or "\"; blank only when not required; only "0123456789- .()+"; at least
// `minDigits` digits unless the user already accepted a shorter number.
void checkPhone(std::string_view text, bool required, bool acceptedShort, int minDigits,
                ui::CWnd* owner, int codePage);

// Extension: no "|" or "\"; when filled, only "0123456789- .()+".
void checkExtension(std::string_view text, ui::CWnd* owner, int codePage);

// Zip by a country's rule: blanks do not count; n > 0 wants n letters or digits ("-" allowed),
// -n wants n digits and allows only digits and "-". A blank zip passes unless required.
void checkPostalCode(std::string_view text, int rule, bool required, ui::CWnd* owner,
                     int codePage);

// United States zip: digits, with one "-" allowed only as the sixth character; more than four
// digits in all.
void checkUsPostalCode(std::string_view text, bool required, ui::CWnd* owner, int codePage);

// The page's own entries.
void checkJobTitle(std::string_view text, ui::CWnd* owner, int codePage);
void checkCompany(std::string_view text, ui::CWnd* owner, int codePage);
// Left out entirely once the user declined (answered No) during this visit of the page.
void checkEmail(std::string_view text, bool declined, ui::CWnd* owner, int codePage);

// Throws `new CRegException(id, owner)`.
[[noreturn]] void raiseCheck(int id, ui::CWnd* owner);

}  // namespace kvr
