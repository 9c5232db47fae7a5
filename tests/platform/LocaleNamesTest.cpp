#include "platform/LocaleNames.h"

#include <gtest/gtest.h>

#include <string>

namespace kvr::platform {
namespace {

TEST(LocaleNamesTest, PosixLocalesTakeTheWindowsForm) {
  struct {
    std::string posix;
    std::string windows;
  } cases[] = {
      {"en_US.UTF-8", "English_United States.1252"},
      {"de_AT.UTF-8", "German_Austria.1252"},
      {"de_CH", "German_Switzerland.1252"},
      {"pt_BR.UTF-8", "Portuguese_Brazil.1252"},
      {"pt_PT@euro", "Portuguese_Portugal.1252"},
      {"ja_JP.eucJP", "Japanese_Japan.932"},
      {"pl_PL.UTF-8", "Polish_Poland.1250"},
      {"ru_RU.KOI8-R", "Russian_Russia.1251"},
      {"zh_TW.UTF-8", "Chinese_Taiwan.950"},
      {"zh_CN.GB18030", "Chinese_People's Republic of China.936"},
      {"nb_NO.UTF-8", "Norwegian (Bokm\xe5l)_Norway.1252"},
      {"fr", "French_France.1252"},
      {"fr_XX.UTF-8", "French_France.1252"},
      {"C", "English_United States.1252"},
      {"POSIX", "English_United States.1252"},
      {"C.UTF-8", "English_United States.1252"},
      {"", "English_United States.1252"},
      {"xx_YY", "English_United States.1252"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.posix);
    EXPECT_EQ(windowsLocaleName(c.posix), c.windows);
  }
}

TEST(LocaleNamesTest, CodePageIsReadFromTheName) {
  EXPECT_EQ(ansiCodePage("Japanese_Japan.932"), 932);
  EXPECT_EQ(ansiCodePage("Polish_Poland.1250"), 1250);
  EXPECT_EQ(ansiCodePage("English"), 1252);
  EXPECT_EQ(ansiCodePage("English_United States.utf8"), 1252);
}

}  // namespace
}  // namespace kvr::platform
