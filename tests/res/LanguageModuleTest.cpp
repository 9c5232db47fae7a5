// Every language module built from res/lang/<CODE>.rc, loaded as the program loads it: the
// program's dialogs with their layout, every string the program has plus the set-2 survey texts,
// in the language's code page, and the texts known to be right.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "resource.h"
#include "ui/ResourceModule.h"
#include "ui/Resources.h"

namespace kvr {
namespace {

// Texts known to be right: a string (dialog 0) or a control's text, as bytes in the module's
// code page. Rows of a module that is not built are left out.
struct KnownText {
  std::string_view code;
  unsigned dialog;
  unsigned id;
  std::string_view bytes;
};

const KnownText kKnownTexts[] = {
    // English
    {"ENU", 0, IDS_QUESTION_KNOWN, "How did you first hear about this product?"},
    {"ENU", 0, IDS_CHOICE_FIRST, "Advertisement"},
    {"ENU", 0, IDS_AGE_FIRST + 6, "16 and over"},
    {"ENU", IDD_PHONE_REGISTRATION, IDC_EMAIL_LABEL, "Email:"},
    {"ENU", IDD_CONTACT_PAGE, IDC_EMAIL_LABEL, "E-Mail Address"},

    // German (code page 1252)
    {"DEU", 0, IDS_FIRST_NAME_REQUIRED, "Vorname ist ein Pflichtfeld."},
    {"DEU", 0, IDS_COUNTRY_FIRST + 7, "\xD6sterreich"},
    {"DEU", 0, IDS_QUESTION_AGE, "Wie alt ist das Kind, das dieses Produkt benutzen wird?"},
    {"DEU", IDD_PHONE_REGISTRATION, IDC_EMAIL_LABEL, "E-Mail:"},
    {"DEU", IDD_CONTACT_PAGE, IDC_EMAIL_LABEL, "E-Mail-Adresse"},

    // French (code page 1252)
    {"FRA", 0, IDS_COUNTRY_FIRST + 21, "Br\xE9sil"},
    {"FRA", 0, IDS_RESPONSIBILITY_FIRST + 7, "Informatique - mise en \x9Cuvre"},
    {"FRA", 0, IDS_QUESTION_AGE, "Quel \xE2ge a l'enfant qui utilisera ce produit ?"},
    {"FRA", IDD_PHONE_REGISTRATION, IDC_EMAIL_LABEL, "E-mail :"},
    {"FRA", IDD_CONTACT_PAGE, IDC_EMAIL_LABEL, "Adresse e-mail"},

    // Brazilian Portuguese (code page 1252)
    {"PTB", 0, IDS_FIRST_NAME_REQUIRED, "O campo Nome \xE9 obrigat\xF3rio."},
    {"PTB", 0, IDS_COUNTRY_FIRST + 21, "Brasil"},
    {"PTB", 0, IDS_QUESTION_AGE, "Qual \xE9 a idade da crian\xE7" "a que usar\xE1 este produto?"},
    {"PTB", IDD_PHONE_REGISTRATION, IDC_EMAIL_LABEL, "E-mail:"},
    {"PTB", IDD_CONTACT_PAGE, IDC_EMAIL_LABEL, "Endere\xE7o de e-mail"},

    // Japanese (code page 932)
    // "ソケットの作成に失敗しました。エラー コード: "; ソ is 0x83 0x5C, a trail byte, no backslash
    {"JPN", 0, IDS_SOCKET_FAILED,
     "\x83\x5C\x83\x50\x83\x62\x83\x67\x82\xCC\x8D\xEC\x90\xAC\x82\xC9\x8E\xB8\x94\x73\x82\xB5"
     "\x82\xDC\x82\xB5\x82\xBD\x81\x42\x83\x47\x83\x89\x81\x5B \x83\x52\x81\x5B\x83\x68: "},
    {"JPN", 0, IDS_PREFECTURE_FIRST + 12, "\x93\x8C\x8B\x9E\x93\x73"},  // "東京都"
    {"JPN", 0, IDS_QUESTION_AGE,  // "この製品を使うお子様は何歳ですか?"
     "\x82\xB1\x82\xCC\x90\xBB\x95\x69\x82\xF0\x8E\x67\x82\xA4\x82\xA8\x8E\x71\x97\x6C\x82\xCD"
     "\x89\xBD\x8D\xCE\x82\xC5\x82\xB7\x82\xA9?"},
    {"JPN", IDD_PHONE_REGISTRATION, IDC_EMAIL_LABEL,  // "電子メール:"
     "\x93\x64\x8E\x71\x83\x81\x81\x5B\x83\x8B:"},
    {"JPN", IDD_CONTACT_PAGE, IDC_EMAIL_LABEL,  // "電子メール アドレス"
     "\x93\x64\x8E\x71\x83\x81\x81\x5B\x83\x8B \x83\x41\x83\x68\x83\x8C\x83\x58"},
};

struct ModuleLanguage {
  std::string_view code;
  std::uint16_t primaryLanguage;
  std::uint16_t subLanguage;  // 0: any
  std::uint16_t codePage;
};

constexpr ModuleLanguage kLanguages[] = {
    {"ENU", 0x09, 0x01, 1252},  // English, United States
    {"DEU", 0x07, 0, 1252},
    {"FRA", 0x0C, 0, 1252},
    {"PTB", 0x16, 0x01, 1252},  // Portuguese, Brazil
    {"JPN", 0x11, 0, 932},
};

// The strings only modules carry: each set-2 question and its answers.
std::vector<unsigned> set2Ids() {
  std::vector<unsigned> ids{IDS_QUESTION_KNOWN, IDS_QUESTION_CHOICE, IDS_QUESTION_AGE};
  for (unsigned id = IDS_KNOWN_FIRST; id <= IDS_KNOWN_FIRST + 10; ++id) ids.push_back(id);
  for (unsigned id = IDS_CHOICE_FIRST; id <= IDS_CHOICE_FIRST + 9; ++id) ids.push_back(id);
  for (unsigned id = IDS_AGE_FIRST; id <= IDS_AGE_FIRST + 6; ++id) ids.push_back(id);
  return ids;
}

// Codes sent with the request and addresses: every module keeps the program's bytes.
bool keptAsIs(unsigned id) {
  return id == IDS_BOOKMARK1_URL || id == IDS_BOOKMARK2_URL || id == IDS_BOOKMARK3_URL ||
         id == IDS_SERVER || (id >= IDS_CAMPAIGN && id <= IDS_VERSION) ||
         (id >= 1600 && id <= 1837);
}

bool isAscii(std::string_view text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

std::size_t leadingBlanks(std::string_view text) {
  auto first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? text.size() : first;
}

std::size_t trailingBlanks(std::string_view text) {
  auto last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? text.size() : text.size() - 1 - last;
}

// "&x" marks a mnemonic; "&&" is a plain ampersand. '&' is never a trail byte in code page 932.
int mnemonics(std::string_view text) {
  int count = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (i + 1 < text.size() && text[i + 1] == '&') ++i;
    else ++count;
  }
  return count;
}

// What a translation keeps of the English text: the blanks at both ends, which the program
// relies on where it joins texts. A blank alone is a list entry a language does without.
void expectSameBlanks(std::string_view english, std::string_view translated,
                      const std::string& what) {
  if (!translated.empty() && leadingBlanks(translated) == translated.size()) return;
  EXPECT_EQ(leadingBlanks(translated), leadingBlanks(english)) << what << " leading blanks";
  EXPECT_EQ(trailingBlanks(translated), trailingBlanks(english)) << what << " trailing blanks";
}

std::vector<std::string> builtCodes() {
  std::vector<std::string> codes;
  std::stringstream list(KVR_LANGUAGE_CODES);
  for (std::string code; std::getline(list, code, ',');)
    if (!code.empty()) codes.push_back(code);
  return codes;
}

const ui::ControlTemplate* controlOf(const ui::DialogTemplate& dialog, unsigned id) {
  for (std::uint32_t i = 0; i < dialog.controlCount; ++i)
    if (dialog.controls[i].id == static_cast<std::int32_t>(id)) return &dialog.controls[i];
  return nullptr;
}

constexpr unsigned kLastId = 0xFFFF;

class LanguageModuleTest : public testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    m_module = ui::ResourceModule::load("KVOVX" + GetParam() + ".dll");
    ASSERT_NE(m_module, nullptr) << "KVOVX" << GetParam() << " does not load";
  }

  const ui::ResourceModule& program() const { return ui::programResources(); }

  std::unique_ptr<ui::ResourceModule> m_module;
};

TEST_P(LanguageModuleTest, IsInTheCodePageOfItsLanguage) {
  const ModuleLanguage* expected = nullptr;
  for (const auto& language : kLanguages)
    if (language.code == GetParam()) expected = &language;
  ASSERT_NE(expected, nullptr) << "no language known for " << GetParam()
                               << ": add it to kLanguages";
  EXPECT_EQ(m_module->language() & 0x3FF, expected->primaryLanguage);
  if (expected->subLanguage != 0) {
    EXPECT_EQ(m_module->language() >> 10, expected->subLanguage);
  }
  EXPECT_EQ(m_module->codePage(), expected->codePage);
}

// The layout is written once: only the control texts may differ, and a text is empty exactly
// where the program's is.
TEST_P(LanguageModuleTest, CarriesEveryDialogWithTheProgramsLayout) {
  for (unsigned id = 0; id <= kLastId; ++id) {
    const ui::DialogTemplate* mine = program().dialog(id);
    const ui::DialogTemplate* theirs = m_module->dialog(id);
    ASSERT_EQ(theirs != nullptr, mine != nullptr) << "dialog " << id;
    if (mine == nullptr) continue;
    SCOPED_TRACE("dialog " + std::to_string(id));
    EXPECT_EQ(theirs->style, mine->style);
    EXPECT_EQ(theirs->exStyle, mine->exStyle);
    EXPECT_EQ(theirs->x, mine->x);
    EXPECT_EQ(theirs->y, mine->y);
    EXPECT_EQ(theirs->cx, mine->cx);
    EXPECT_EQ(theirs->cy, mine->cy);
    EXPECT_EQ(theirs->helpId, mine->helpId);
    EXPECT_EQ(theirs->font.pointSize, mine->font.pointSize);
    EXPECT_EQ(theirs->font.weight, mine->font.weight);
    EXPECT_EQ(theirs->font.face.view(), mine->font.face.view());
    ASSERT_EQ(theirs->controlCount, mine->controlCount);
    for (std::uint32_t i = 0; i < mine->controlCount; ++i) {
      const ui::ControlTemplate& a = mine->controls[i];
      const ui::ControlTemplate& b = theirs->controls[i];
      SCOPED_TRACE("control " + std::to_string(a.id));
      EXPECT_EQ(b.id, a.id);
      EXPECT_EQ(b.statement, a.statement);
      EXPECT_EQ(b.className.view(), a.className.view());
      EXPECT_EQ(b.textResource, a.textResource);
      EXPECT_EQ(b.style, a.style);
      EXPECT_EQ(b.exStyle, a.exStyle);
      EXPECT_EQ(b.x, a.x);
      EXPECT_EQ(b.y, a.y);
      EXPECT_EQ(b.cx, a.cx);
      EXPECT_EQ(b.cy, a.cy);
      EXPECT_EQ(b.helpId, a.helpId);
      EXPECT_EQ(b.text.view().empty(), a.text.view().empty()) << '"' << b.text.view() << '"';
      expectSameBlanks(a.text.view(), b.text.view(), "text");
      EXPECT_EQ(mnemonics(b.text.view()), mnemonics(a.text.view()))
          << "\"&\" mnemonics in \"" << b.text.view() << '"';
    }
  }
}

// Every string the program has, plus the set-2 survey, and nothing else (a string under
// another id is one the program never loads).
TEST_P(LanguageModuleTest, CarriesEveryStringOfTheProgramAndTheSet2Survey) {
  std::vector<bool> set2(kLastId + 1, false);
  for (unsigned id : set2Ids()) set2[id] = true;
  for (unsigned id = 0; id <= kLastId; ++id) {
    auto mine = program().string(id);
    auto theirs = m_module->string(id);
    if (set2[id]) {
      EXPECT_FALSE(mine.has_value()) << "the program carries set-2 string " << id;
      ASSERT_TRUE(theirs.has_value()) << "set-2 string " << id << " is missing";
      EXPECT_FALSE(theirs->empty()) << "set-2 string " << id << " is empty";
      continue;
    }
    ASSERT_EQ(theirs.has_value(), mine.has_value())
        << "string " << id << (mine ? " is missing" : " is not the program's");
    if (!mine) continue;
    if (keptAsIs(id) && (isAscii(*mine) || m_module->codePage() == program().codePage())) {
      EXPECT_EQ(*theirs, *mine) << "string " << id << " is a code or an address: keep it";
      continue;
    }
    EXPECT_EQ(theirs->empty(), mine->empty()) << "string " << id;
    expectSameBlanks(*mine, *theirs, "string " + std::to_string(id));
  }
}

TEST_P(LanguageModuleTest, CarriesTheProgramsPictures) {
  for (unsigned id : {IDB_SPLASH, IDB_CORNER, IDB_STRIP}) {
    auto mine = program().bitmap(id);
    auto theirs = m_module->bitmap(id);
    ASSERT_FALSE(mine.empty());
    EXPECT_TRUE(std::equal(mine.begin(), mine.end(), theirs.begin(), theirs.end()))
        << "bitmap " << id;
  }
  auto mine = program().icon(IDI_APP);
  auto theirs = m_module->icon(IDI_APP);
  ASSERT_FALSE(mine.empty());
  EXPECT_TRUE(std::equal(mine.begin(), mine.end(), theirs.begin(), theirs.end()));
}

TEST_P(LanguageModuleTest, HasTheTextsKnownToBeRight) {
  for (const auto& known : kKnownTexts) {
    if (known.code != GetParam()) continue;
    SCOPED_TRACE(std::to_string(known.dialog) + "/" + std::to_string(known.id));
    if (known.dialog == 0) {
      auto text = m_module->string(known.id);
      ASSERT_TRUE(text.has_value());
      EXPECT_EQ(*text, known.bytes);
    } else {
      const ui::DialogTemplate* dialog = m_module->dialog(known.dialog);
      ASSERT_NE(dialog, nullptr);
      const ui::ControlTemplate* control = controlOf(*dialog, known.id);
      ASSERT_NE(control, nullptr);
      EXPECT_EQ(control->text.view(), known.bytes);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Built, LanguageModuleTest, testing::ValuesIn(builtCodes()),
                         [](const testing::TestParamInfo<std::string>& code) {
                           return code.param;
                         });

// The English module is the program's own English, text for text.
TEST(EnglishModuleTest, HoldsTheProgramsTexts) {
  auto english = ui::ResourceModule::load("KVOVXENU.dll");
  ASSERT_NE(english, nullptr);
  const ui::ResourceModule& program = ui::programResources();
  for (unsigned id = 0; id <= kLastId; ++id) {
    if (auto mine = program.string(id)) {
      EXPECT_EQ(english->string(id), mine) << "string " << id;
    }
    const ui::DialogTemplate* dialog = program.dialog(id);
    if (dialog == nullptr) continue;
    const ui::DialogTemplate* theirs = english->dialog(id);
    ASSERT_NE(theirs, nullptr) << "dialog " << id;
    ASSERT_EQ(theirs->controlCount, dialog->controlCount) << "dialog " << id;
    EXPECT_EQ(theirs->caption.view(), dialog->caption.view()) << "dialog " << id;
    for (std::uint32_t i = 0; i < dialog->controlCount; ++i)
      EXPECT_EQ(theirs->controls[i].text.view(), dialog->controls[i].text.view())
          << "dialog " << id << ", control " << dialog->controls[i].id;
  }
}

}  // namespace
}  // namespace kvr
