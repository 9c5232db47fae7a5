#include <gtest/gtest.h>

#include "sysinfo/SmbiosImage.h"
#include "sysinfo/SmbiosTable.h"

namespace kvr {
namespace {

using test::Bytes;
using test::concat;
using test::smbiosStructure;
using test::systemStructure;

TEST(SmbiosTableTest, WalksPastStructuresWithAndWithoutStrings) {
  const Bytes bios = smbiosStructure(0, Bytes(14, 0), {"Vendor", "1.0"});
  const Bytes bootInfo = smbiosStructure(32, Bytes(7, 0), {});
  const Bytes system = systemStructure(1, 2, 3, {"OVX", "Model 7", "S123"});
  const struct {
    const char* name;
    Bytes table;
    std::size_t offset;
  } cases[] = {
      {"first", concat({system, bios}), 0},
      {"after strings", concat({bios, system}), bios.size()},
      // Two zeros end a structure without strings; the second is not a type byte.
      {"after a string-less structure", concat({bootInfo, system}), bootInfo.size()},
      {"after both", concat({bootInfo, bios, bootInfo, system, test::endOfTable()}),
       2 * bootInfo.size() + bios.size()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto offset = findStructure(c.table, 1);
    ASSERT_TRUE(offset.has_value());
    EXPECT_EQ(*offset, c.offset);
    EXPECT_EQ(structureString(c.table, *offset, 2), "Model 7");
  }
}

TEST(SmbiosTableTest, MalformedTablesEndTheWalkInsideTheTable) {
  const struct {
    const char* name;
    Bytes table;
  } cases[] = {
      {"empty", {}},
      {"one byte", {1}},
      {"length past the end", {0, 200, 0, 0, 1, 0x1B}},
      {"strings without terminator", {0, 4, 0, 0, 'a', 'b', 'c'}},
      {"string set without its empty string", {0, 4, 0, 0, 'a', 0}},
      {"zero lengths and zeros", Bytes(64, 0)},
      {"type 1 in the last byte", {0, 4, 0, 0, 0, 0, 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(findStructure(c.table, 1).has_value());
  }
  // A zero length still moves on: through the type byte as a string.
  EXPECT_EQ(findStructure(Bytes{5, 0, 0, 1, 4, 0, 0}, 1), 3u);
}

TEST(SmbiosTableTest, StringLookupCountsOnlyCompleteNonEmptyStringsOfTheStructure) {
  const Bytes table = concat({systemStructure(1, 2, 3, {"OVX", "Model 7", "S123"}),
                              smbiosStructure(2, Bytes(4, 0), {"Next"})});
  const struct {
    std::uint8_t number;
    std::optional<std::string_view> expected;
  } cases[] = {
      {0, std::nullopt},
      {1, "OVX"},
      {2, "Model 7"},
      {3, "S123"},
      // Past the last string: not the next structure's.
      {4, std::nullopt},
      {255, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.number));
    EXPECT_EQ(structureString(table, 0, c.number), c.expected);
  }

  Bytes unterminated = systemStructure(1, 2, 0, {"OVX", "Model"});
  unterminated.resize(unterminated.size() - 2);  // "Model" loses its zero and the set's end
  EXPECT_EQ(structureString(unterminated, 0, 1), "OVX");
  EXPECT_FALSE(structureString(unterminated, 0, 2).has_value());

  Bytes emptyFirst = systemStructure(2, 1, 0, {});
  emptyFirst.insert(emptyFirst.end() - 1, {'X', 0});  // strings: "", then "X" after the end
  EXPECT_FALSE(structureString(emptyFirst, 0, 1).has_value());
  EXPECT_FALSE(structureString(emptyFirst, 0, 2).has_value());

  Bytes shortFormatted{1, 8, 0, 0, 1, 2, 0};  // formatted area runs past the end
  EXPECT_FALSE(structureString(shortFormatted, 0, 1).has_value());
}

}  // namespace
}  // namespace kvr
