#include "app/CRegException.h"

#include <gtest/gtest.h>

#include "ui/StringTable.h"

namespace kvr {
namespace {

TEST(CRegExceptionTest, TextComesFromTheStringTableWithTwoExceptions) {
  struct {
    int id;
    std::string text;
  } cases[] = {
      {201, "First Name is a required field."},
      {212, "COM Initialization Failed."},
      {219, " "},
      {234, ""},
      {247, ui::loadString(222)},
      {1520, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    auto* error = new CRegException(c.id, nullptr);
    EXPECT_EQ(error->id(), c.id);
    EXPECT_EQ(error->text(), c.text);
    EXPECT_EQ(error->owner(), nullptr);
    error->Delete();
  }
  EXPECT_EQ(ui::loadString(222),
            "Your address must contain alphabetic characters (such as PO Box 123).  Please change "
            "your address.");
}

TEST(CRegExceptionTest, PrefixedTextCarriesAConnectionError) {
  auto* owner = reinterpret_cast<ui::CWnd*>(0x10);
  CRegException error(219, "Error connecting to the Socks server.", owner);
  EXPECT_EQ(error.text(), "Error connecting to the Socks server. ");
  EXPECT_EQ(error.owner(), owner);
}

TEST(CRegExceptionTest, IsThrownAndCaughtByPointer) {
  try {
    throw new CRegException(208, nullptr);
  } catch (CRegException* error) {
    EXPECT_EQ(error->text(), "Phone is a required field.");
    error->Delete();
  }
}

}  // namespace
}  // namespace kvr
