#include "brand/BrandProfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "brand/AmberlyPhoneList.h"
#include "brand/BrandProfiles.h"

namespace kvr {
namespace {

constexpr BrandId kAllBrands[] = {BrandId::Ovx, BrandId::Tanager, BrandId::Fennick,
                                  BrandId::Amberly, BrandId::Corvina};

TEST(BrandProfileTest, EachProfileHasItsNamesCodeAndSwitches) {
  struct {
    BrandId id;
    std::string name;
    std::string code;
    int questionCount;
    bool requiredMessages;
    bool consumerForm;
    bool ownNumbers;
    bool privacy;
  } cases[] = {
      {BrandId::Ovx, "OVX", "OVX", 6, false, false, false, true},
      {BrandId::Tanager, "Tanager", "TNG", 6, false, true, false, false},
      {BrandId::Fennick, "Fennick", "FNK", 6, false, true, false, false},
      {BrandId::Amberly, "Amberly", "AMB", 3, true, false, true, false},
      {BrandId::Corvina, "Corvina", "CRV", 6, false, false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto brand = makeBrandProfile(c.id);
    EXPECT_EQ(brand->displayName(), c.name);
    EXPECT_EQ(brand->shortName(), c.name);
    EXPECT_EQ(brand->brandCode(), c.code);
    EXPECT_EQ(brand->questionCount(), c.questionCount);
    EXPECT_EQ(brand->hasRequiredMessages(), c.requiredMessages);
    EXPECT_EQ(brand->usesConsumerForm(), c.consumerForm);
    EXPECT_EQ(brand->usesOwnPhoneNumbers(), c.ownNumbers);
    EXPECT_EQ(brand->hasPrivacyStatement(), c.privacy);
    EXPECT_EQ(brand->defaultUsageCode(), "BUSI");
    EXPECT_TRUE(brand->offersBookmarks());
    EXPECT_FALSE(brand->hidesSystemInformation());
    EXPECT_TRUE(brand->asksConsent());
    EXPECT_EQ(brand->surveyControlCount(), 3);
    EXPECT_EQ(brand->bookmarkCount(), 3);
    EXPECT_EQ(brand->secondCount(), 3);
  }
}

TEST(BrandProfileTest, SurveyColumnsGiveTextKeyAndFormCode) {
  struct Cell {
    int row;
    int column;
    int textId;
    std::string key;
    std::string code;
  };
  struct {
    BrandId id;
    std::vector<Cell> cells;
  } cases[] = {
      {BrandId::Ovx,
       {{0, 0, 900, "q19", "7519"}, {1, 0, 925, "q20", "7520"}, {2, 0, 950, "q21", "7521"},
        {0, 1, 750, "q27", "7527"}, {1, 1, 800, "q8", "7508"}, {2, 1, 850, "q9", "7509"},
        {0, 2, 0, "", ""}, {2, 2, 0, "", ""}}},
      {BrandId::Tanager,
       {{0, 2, 975, "q23", "7523"}, {1, 2, 1000, "q24", "7524"}, {2, 2, 1025, "q25", "7525"},
        {0, 0, 0, "", ""}, {1, 1, 0, "", ""}}},
      {BrandId::Fennick, {{0, 2, 975, "q23", "7523"}, {2, 2, 1025, "q25", "7525"}}},
      {BrandId::Amberly,
       {{0, 0, 900, "q19", "7519"}, {0, 1, 750, "q7", "7507"}, {2, 1, 850, "q9", "7509"},
        {0, 2, 0, "", ""}}},
      {BrandId::Corvina, {{0, 1, 750, "q27", "7527"}, {2, 0, 950, "q21", "7521"}}},
  };
  for (const auto& c : cases) {
    auto brand = makeBrandProfile(c.id);
    for (const auto& cell : c.cells) {
      SCOPED_TRACE(brand->shortName() + " row " + std::to_string(cell.row) + " column " +
                   std::to_string(cell.column));
      EXPECT_EQ(brand->questionTextId(cell.row, cell.column), cell.textId);
      EXPECT_EQ(brand->questionKey(cell.row, cell.column), cell.key);
      EXPECT_EQ(brand->formCode(cell.row, cell.column), cell.code);
    }
  }
}

TEST(BrandProfileTest, IndexesOutsideTheTablesGiveNothing) {
  auto brand = makeBrandProfile(BrandId::Ovx);
  for (int bad : {-1, 3, 1000}) {
    SCOPED_TRACE(bad);
    EXPECT_EQ(brand->surveyControlId(bad), 0);
    EXPECT_EQ(brand->surveyLabelId(bad), 0);
    EXPECT_EQ(brand->bookmarkCheckBoxId(bad), 0);
    EXPECT_EQ(brand->bookmarkNameId(bad), 0);
    EXPECT_EQ(brand->bookmarkUrlId(bad), 0);
    EXPECT_EQ(brand->questionTextId(bad, 0), 0);
    EXPECT_EQ(brand->questionKey(0, bad), "");
    EXPECT_EQ(brand->formCode(bad, bad), "");
  }
  EXPECT_EQ(brand->surveyControlId(0), 2227);
  EXPECT_EQ(brand->surveyLabelId(2), 2275);
  EXPECT_EQ(brand->bookmarkCheckBoxId(2), 2204);
  EXPECT_EQ(brand->bookmarkNameId(1), 302);
  EXPECT_EQ(brand->bookmarkUrlId(2), 305);
}

TEST(BrandProfileTest, OnlyAmberlyNamesMessagesForUnansweredQuestions) {
  auto amberly = makeBrandProfile(BrandId::Amberly);
  EXPECT_EQ(amberly->requiredMessageId(0), 209);
  EXPECT_EQ(amberly->requiredMessageId(1), 210);
  EXPECT_EQ(amberly->requiredMessageId(2), 211);
  EXPECT_EQ(amberly->requiredMessageId(3), 0);
  // Not to be asked of the others; asked anyway, they answer with no message.
  EXPECT_EQ(makeBrandProfile(BrandId::Ovx)->requiredMessageId(0), 0);
}

TEST(BrandProfileTest, QuestionPositionsFollowTheHomeFlag) {
  struct {
    int position;
    bool home;
    bool ovx;
    bool amberly;
  } cases[] = {
      {-1, true, false, false}, {0, true, true, true},   {2, true, true, true},
      {3, true, false, false},  {0, false, false, true}, {2, false, false, true},
      {3, false, true, false},  {5, false, true, false}, {6, false, false, false},
      {5, true, false, false},
  };
  auto ovx = makeBrandProfile(BrandId::Ovx);
  auto amberly = makeBrandProfile(BrandId::Amberly);
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.position) + (c.home ? " home" : " business"));
    EXPECT_EQ(ovx->questionPositionAllowed(c.position, c.home), c.ovx);
    EXPECT_EQ(amberly->questionPositionAllowed(c.position, c.home), c.amberly);
  }
}

TEST(BrandProfileTest, UsageValuesAndBookmarkIndexes) {
  auto ovx = makeBrandProfile(BrandId::Ovx);
  auto amberly = makeBrandProfile(BrandId::Amberly);
  EXPECT_FALSE(ovx->usageValueAllowed(0));
  EXPECT_TRUE(ovx->usageValueAllowed(1));
  EXPECT_TRUE(amberly->usageValueAllowed(0));
  EXPECT_TRUE(amberly->usageValueAllowed(1));
  EXPECT_FALSE(amberly->usageValueAllowed(2));
  for (bool flag : {false, true}) {
    EXPECT_TRUE(ovx->bookmarkIndexAllowed(2, flag));
    EXPECT_FALSE(ovx->bookmarkIndexAllowed(3, flag));
    EXPECT_FALSE(ovx->bookmarkIndexAllowed(-1, flag));
    EXPECT_TRUE(amberly->bookmarkIndexAllowed(0, flag));
    EXPECT_FALSE(amberly->bookmarkIndexAllowed(3, flag));
  }
}

TEST(BrandProfileTest, EveryProfileAnswersTheContactSwitchesAlike) {
  const bool expected[kBrandContactSwitchCount] = {true, true,  false, true,  false,
                                                   false, false, true,  true,  true,
                                                   true,  true,  false, false, false};
  for (BrandId id : kAllBrands) {
    auto brand = makeBrandProfile(id);
    for (const auto& row : switchSlots()) {
      if (row.owner != SwitchOwner::Brand) continue;
      SCOPED_TRACE(brand->shortName() + ": " + std::string(row.meaning));
      EXPECT_EQ(brand->isOn(row.which), expected[row.slot - kFirstBrandContactSlot]);
    }
  }
}

TEST(BrandProfileTest, RequiredFieldsFollowTheContactSwitches) {
  struct {
    ContactField field;
    bool required;
  } cases[] = {
      {ContactField::FirstName, true}, {ContactField::LastName, true},
      {ContactField::Prefix, false},   {ContactField::Suffix, false},
      {ContactField::Initial, false},  {ContactField::Street, true},
      {ContactField::PoBox, true},     {ContactField::City, true},
      {ContactField::State, true},     {ContactField::Zip, true},
      {ContactField::Phone, true},     {ContactField::Extension, false},
      {ContactField::JobTitle, false}, {ContactField::Company, false},
      {ContactField::Email, false},    {ContactField::Country, false},
  };
  auto brand = makeBrandProfile(BrandId::Ovx);
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.field));
    EXPECT_EQ(brand->requiresField(c.field), c.required);
  }
  EXPECT_TRUE(brand->offersFrenchCorrespondence());
  EXPECT_FALSE(brand->isOn(Switch::ShowsPrefix)) << "a language switch is not the brand's";
}

TEST(BrandProfileTest, AmberlyHasTwelveCountryNumbersAndABlankElsewhere) {
  auto amberly = makeBrandProfile(BrandId::Amberly);
  const int countries[] = {7, 41, 50, 51, 56, 72, 74, 112, 121, 137, 142, 157};
  ASSERT_EQ(amberlyPhoneNumbers().size(), std::size(countries));
  std::vector<std::string> seen;
  for (int country : countries) {
    SCOPED_TRACE(country);
    const std::string number = amberly->phoneNumberFor(country);
    EXPECT_EQ(number.rfind("+1 555 01", 0), 0u) << number;
    EXPECT_LT(number.size(), 20u);
    seen.push_back(number);
  }
  std::sort(seen.begin(), seen.end());
  EXPECT_EQ(std::unique(seen.begin(), seen.end()), seen.end()) << "numbers repeat";
  for (int other : {0, 14, 143, 158, -1, 169}) EXPECT_EQ(amberly->phoneNumberFor(other), " ");
  EXPECT_EQ(makeBrandProfile(BrandId::Ovx)->phoneNumberFor(7), "");
}

class BrandAccessorTest : public ::testing::Test {
 protected:
  void TearDown() override { deleteBrandProfile(); }
};

TEST_F(BrandAccessorTest, CreatesTheOvxProfileOnceAndStartsAgainAfterDelete) {
  deleteBrandProfile();
  BrandProfile& first = brandProfile();
  EXPECT_EQ(first.brandCode(), "OVX");
  EXPECT_EQ(&brandProfile(), &first);
  setBrandProfile(makeBrandProfile(BrandId::Amberly));
  EXPECT_EQ(brandProfile().brandCode(), "AMB");
  deleteBrandProfile();
  EXPECT_EQ(brandProfile().brandCode(), "OVX");
}

}  // namespace
}  // namespace kvr
