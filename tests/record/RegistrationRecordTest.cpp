#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "app/Options.h"
#include "brand/BrandProfile.h"
#include "platform/HiveFile.h"
#include "record/ClientNumber.h"
#include "record/RegistrationRecord.h"
#include "record/RegistryStore.h"
#include "support/LogCapture.h"
#include "support/TempDir.h"
#include "ui/Resources.h"
#include "ui/StringTable.h"

namespace kvr::test {
const ui::ResourceTables& recordStringTables();
}

namespace kvr {
namespace {

constexpr const char* kFixedGuid = "{01234567-89AB-CDEF-0123-456789ABCDEF}";
// Its last 15 digits are 123456789ABCDEF.

// The version line of the program's own strings and the OVX brand, escaped.
constexpr const char* kEncodedVersion = "KVR%202%2e2%2e010228%20OVX%20OVX%20Product%20Registration";

// What the user typed and chose on the contact page.
struct Contact {
  std::string firstName, initial, lastName;
  std::string prefixText;
  int prefixIndex = -1;
  std::string suffixText;
  int suffixIndex = -1;
  std::string addr2, addr1, city, zip;
  std::string countryText;
  int countryIndex = -1;
  int french = 0;
  std::string locale;
  std::string stateText, stateCode;
  std::string phone, extension, job, company, email;
  int consent = 1;
};

// "Montr\xE9\x61l" is Montreal with an e acute in code page 1252.
const Contact kAnn = {.firstName = "Ann",
                      .initial = "",
                      .lastName = "O'Hara",
                      .prefixText = "Dr.",
                      .prefixIndex = 4,
                      .suffixText = "Jr.",
                      .suffixIndex = 3,
                      .addr2 = "Apt 5",
                      .addr1 = "12 Main St.",
                      .city = "Montr\xE9\x61l",
                      .zip = "H2X 1Y4",
                      .countryText = "Canada",
                      .countryIndex = 27,
                      .french = 1,
                      .locale = "en_US",
                      .stateText = "Quebec",
                      .stateCode = "QC",
                      .phone = "+1 555 0100",
                      .extension = "",
                      .job = "Engineer",
                      .company = "Acme & Co",
                      .email = "ann@example.com",
                      .consent = 1};

// The contact page's store on Next: the three field groups, then the page's own fields.
void storeContactPage(RegistrationRecord& record, const Contact& c) {
  NameRecord& name = record.name();
  name.setFirstName(c.firstName);
  name.setInitial(c.initial);
  name.setLastName(c.lastName);
  name.setPrefix(c.prefixText, c.prefixIndex);
  name.setSuffix(c.suffixText, c.suffixIndex);
  AddressRecord& address = record.address();
  address.setAddr2(c.addr2);
  address.setAddr1(c.addr1);
  address.setCity(c.city);
  address.setZip(c.zip);
  address.setCountry(c.countryText, c.countryIndex);
  address.setFrenchCorrespondence(c.french);
  record.setQ1(c.locale);
  address.setState(c.stateText, c.stateCode);
  record.phone().setPhone(c.phone);
  record.phone().setExtension(c.extension);
  record.setJobAndCompany(c.job, c.company);
  record.setEmail(c.email);
  record.setQ10();
  record.setConsentFlag(c.consent);
  record.setQ11();
  record.setQ4();
}

// The submission's step: a client number is made only while there is none.
void submit(RegistrationRecord& record) {
  if (record.clientNumber().empty())
    record.setClientNumber(
        record.makeClientNumber(record.name().firstName(), record.name().lastName()));
}

class RegistrationRecordTest : public ::testing::Test {
 protected:
  void SetUp() override { resetAll(); }
  void TearDown() override {
    resetAll();
    deleteBrandProfile();
  }

  static void resetAll() {
    resetOptions();
    ui::setResourceModule(nullptr);
    setBrandProfile(makeBrandProfile(BrandId::Ovx));
    RegistrationRecord::deleteInstance();
  }

  // A record as a new run has it, with a GUID source that always gives kFixedGuid.
  static RegistrationRecord& freshRecord() {
    RegistrationRecord::deleteInstance();
    RegistrationRecord& record = RegistrationRecord::instance();
    record.setGuidSource([] { return std::string(kFixedGuid); });
    return record;
  }

  // Value names of a section in the order they were created in the hive on disk.
  std::vector<std::string> valueNamesOnDisk(const std::string& section) const {
    auto parsed =
        platform::parseHive(test::readFile(m_prefix.file("user.reg")), "HKEY_CURRENT_USER");
    EXPECT_FALSE(parsed.error);
    std::vector<std::string> names;
    const platform::HiveKey* key = &parsed.root;
    for (const char* part : {"Software", "OVX", "Product Registration"})
      key = key ? key->child(part) : nullptr;
    key = key ? key->child(section) : nullptr;
    if (key == nullptr) return names;
    for (std::size_t i = 0; i < key->valueCount(); ++i) names.push_back(key->valueAt(i).name);
    return names;
  }

  test::ScopedPrefix m_prefix;
};

TEST_F(RegistrationRecordTest, FragmentOfAFilledRecord) {
  RegistrationRecord& record = freshRecord();
  storeContactPage(record, kAnn);
  submit(record);

  // Buckets: 0 initial, prefix, extension; 3 firstName, country; 4 q1; 5 lastName; 7 email, q4;
  // 8 phone; 9 q6; 10 zip, stateProv, q10; 11 city, q11; 12 company; 13 q13; 14 jobTitle;
  // 15 addr1, q26; 16 suffix, addr2. In a bucket the key set last comes first.
  const std::string expected =
      "extension=%20&prefix=Dr%2e&initial=%20&country=CA&firstName=Ann&q1=en_US"
      "&lastName=O%27Hara&q4=5&email=ann%40example%2ecom&phone=%2b1%20555%200100&q6=fr_CA"
      "&q10=9&stateProv=QC&zip=H2X%201Y4&q11=2&city=Montr%e9al&company=Acme%20%26%20Co"
      "&q13=56789ABCDEF4F27&jobTitle=Engineer&q26=0&addr1=12%20Main%20St%2e&addr2=Apt%205"
      "&suffix=Jr%2e&q14=" +
      std::string(kEncodedVersion);
  EXPECT_EQ(record.buildQuery(), expected);
  EXPECT_EQ(record.queryText(), expected);

  // Rebuilding starts afresh; a changed answer keeps its place.
  record.setEmail("");
  const std::string again = record.buildQuery();
  EXPECT_NE(again.find("&q4=5&email=%20&phone="), std::string::npos) << again;
  EXPECT_EQ(again.size(), expected.size() - std::string("ann%40example%2ecom").size() + 3);
}

TEST_F(RegistrationRecordTest, EmptyRecordStillEndsWithTheVersion) {
  RegistrationRecord record;
  EXPECT_EQ(record.buildQuery(), "&q14=" + std::string(kEncodedVersion));
  EXPECT_EQ(RegistrationRecord::versionLine(), "KVR 2.2.010228 OVX OVX Product Registration");
}

TEST_F(RegistrationRecordTest, IndexesAndCodesOutsideTheirRangesSendEmptyText) {
  struct {
    const char* what;
    void (*set)(RegistrationRecord&);
    const char* key;
    const char* sent;
  } cases[] = {
      {"prefix 0", [](RegistrationRecord& r) { r.name().setPrefix("Mr.", 0); }, "prefix", "Mr."},
      {"prefix 4", [](RegistrationRecord& r) { r.name().setPrefix("Dr.", 4); }, "prefix", "Dr."},
      {"prefix 5", [](RegistrationRecord& r) { r.name().setPrefix("Dr.", 5); }, "prefix", ""},
      {"prefix -1", [](RegistrationRecord& r) { r.name().setPrefix("Dr.", -1); }, "prefix", ""},
      {"suffix 9", [](RegistrationRecord& r) { r.name().setSuffix("V", 9); }, "suffix", "V"},
      {"suffix 10", [](RegistrationRecord& r) { r.name().setSuffix("V", 10); }, "suffix", ""},
      {"country 0", [](RegistrationRecord& r) { r.address().setCountry("Albania", 0); }, "country",
       "AL"},
      {"country 168", [](RegistrationRecord& r) { r.address().setCountry("Zimbabwe", 168); },
       "country", "ZW"},
      {"country 169", [](RegistrationRecord& r) { r.address().setCountry("Zimbabwe", 169); },
       "country", ""},
      {"country -1", [](RegistrationRecord& r) { r.address().setCountry("Albania", -1); },
       "country", ""},
      {"state code", [](RegistrationRecord& r) { r.address().setState("Quebec", "QC"); },
       "stateProv", "QC"},
      {"state empty", [](RegistrationRecord& r) { r.address().setState("Quebec", ""); },
       "stateProv", ""},
      {"state blank", [](RegistrationRecord& r) { r.address().setState("Quebec", " \t"); },
       "stateProv", ""},
      {"french 1", [](RegistrationRecord& r) { r.address().setFrenchCorrespondence(1); }, "q6",
       "fr_CA"},
      {"french 0", [](RegistrationRecord& r) { r.address().setFrenchCorrespondence(0); }, "q6", ""},
      {"french 2", [](RegistrationRecord& r) { r.address().setFrenchCorrespondence(2); }, "q6", ""},
      {"consent 1", [](RegistrationRecord& r) { r.setConsentFlag(1); }, "q26", "0"},
      {"consent 0", [](RegistrationRecord& r) { r.setConsentFlag(0); }, "q26", "2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RegistrationRecord record;
    record.address().setCountry("Canada", 27);  // a value the cases must overwrite
    record.address().setState("Ontario", "ON");
    record.name().setPrefix("Ms.", 1);
    record.name().setSuffix("Sr.", 5);
    c.set(record);
    ASSERT_TRUE(record.answers().contains(c.key));
    EXPECT_EQ(record.answer(c.key), c.sent);
  }

  // The shown texts and indexes are kept whatever is sent.
  RegistrationRecord record;
  record.name().setPrefix("Dr.", 5);
  record.address().setCountry("Nowhere", 169);
  record.address().setState("Quebec", "");
  EXPECT_EQ(record.name().prefixText(), "Dr.");
  EXPECT_EQ(record.name().prefixIndex(), 5);
  EXPECT_EQ(record.address().countryText(), "Nowhere");
  EXPECT_EQ(record.address().countryIndex(), 169);
  EXPECT_EQ(record.address().stateText(), "Quebec");
  EXPECT_EQ(record.buildQuery(),
            "prefix=%20&country=%20&stateProv=%20&q14=" + std::string(kEncodedVersion));
}

TEST_F(RegistrationRecordTest, ConsumerFormSendsTheJobBoxAsQ22) {
  setBrandProfile(makeBrandProfile(BrandId::Tanager));
  ASSERT_TRUE(brandProfile().usesConsumerForm());
  RegistrationRecord record;
  record.setJobTitle("old");
  record.setJobAndCompany("Student", "Acme");
  EXPECT_EQ(record.q22(), "Student");
  EXPECT_TRUE(record.answers().contains("jobTitle"));
  EXPECT_EQ(record.jobTitle(), "");
  EXPECT_EQ(record.company(), "");
  EXPECT_EQ(record.buildQuery(),
            "q22=Student&company=%20&jobTitle=%20&q14=KVR%202%2e2%2e010228%20Tanager%20OVX%20"
            "Product%20Registration");

  setBrandProfile(makeBrandProfile(BrandId::Ovx));
  RegistrationRecord business;
  business.setJobAndCompany("Engineer", "Acme");
  EXPECT_EQ(business.jobTitle(), "Engineer");
  EXPECT_EQ(business.company(), "Acme");
  EXPECT_FALSE(business.answers().contains("q22"));
}

TEST_F(RegistrationRecordTest, FixedAnswersComeFromTheStringTableInForceWhenSet) {
  RegistrationRecord record;
  record.setQ4();
  record.setQ10();
  record.setQ11();
  record.setConsentFlag(1);
  EXPECT_EQ(record.q4(), "5");
  EXPECT_EQ(record.q10(), "9");
  EXPECT_EQ(record.q11(), "2");
  EXPECT_EQ(record.q26(), "0");

  auto module = ui::ResourceModule::fromTables(&test::recordStringTables(), "record test strings");
  ASSERT_NE(module, nullptr);
  ui::setResourceModule(std::move(module));
  // Values already set stay until set again.
  EXPECT_EQ(record.q4(), "5");
  record.setQ4();
  record.setQ10();
  record.setQ11();
  EXPECT_EQ(record.q4(), "five");
  EXPECT_EQ(record.q10(), "nine");
  EXPECT_EQ(record.q11(), "no");
  record.setConsentFlag(1);
  EXPECT_EQ(record.q26(), "yes");
  record.setConsentFlag(0);
  EXPECT_EQ(record.q26(), "no");

  const std::string query = record.buildQuery();
  EXPECT_EQ(query.substr(query.find("&q14=")), "&q14=KVR%209%2e9%20OVX%20Test%20Title");
}

TEST_F(RegistrationRecordTest, RegressionTestMode) {
  options().regressionTest = "YES";
  RegistrationRecord& record = freshRecord();
  storeContactPage(record, kAnn);
  record.setClientNumber("ABCDEF");
  EXPECT_EQ(record.clientNumber(), "00629B380864C61");
  record.setClientNumber("");
  EXPECT_EQ(record.clientNumber(), "00629B380864C61");

  const std::string query = record.buildQuery();
  const std::string ending = "&q14=KVR Regression Test Version";
  ASSERT_GE(query.size(), ending.size());
  EXPECT_EQ(query.substr(query.size() - ending.size()), ending);
  EXPECT_NE(query.find("&q13=00629B380864C61&"), std::string::npos) << query;

  // A stored number is replaced on loading too.
  RegistryStore::writeText("General", "q13", "1234");
  record.loadFromRegistry();
  EXPECT_EQ(record.clientNumber(), "00629B380864C61");

  options().regressionTest = "no";
  record.setClientNumber("ABCDEF");
  EXPECT_EQ(record.clientNumber(), "ABCDEF");
  EXPECT_EQ(record.buildQuery().find("Regression"), std::string::npos);
}

TEST_F(RegistrationRecordTest, ClientNumberFromAGuidAndTheName) {
  struct {
    const char* guid;
    const char* first;
    const char* last;
    const char* expected;
  } cases[] = {
      // Two or more letters: the last 11 digits, then the bytes of the first two.
      {kFixedGuid, "Ann", "Lin", "56789ABCDEF4C69"},
      {kFixedGuid, "", "Li", "56789ABCDEF4C69"},
      {kFixedGuid, "Ann", "O'Hara", "56789ABCDEF4F27"},
      // One letter: 13 digits and its byte; a first name then takes two more digits.
      {kFixedGuid, "Ann", "X", "56789ABCDEF5841"},
      {kFixedGuid, "", "X", "3456789ABCDEF58"},
      // No last name counts as the value 0.
      {kFixedGuid, "Ann", "", "56789ABCDEF041"},
      {kFixedGuid, "", "", "3456789ABCDEF0"},
      // Bytes above 0x7F by their unsigned value; below 0x10 without a leading zero.
      {kFixedGuid, "",
       "\xC9"
       "x",
       "56789ABCDEFC978"},
      {kFixedGuid, "", "\x05", "3456789ABCDEF5"},
      // Lower-case digits in the GUID come out upper case.
      {"{fedcba98-7654-3210-fedc-ba9876543210}", "", "li", "A98765432106C69"},
      // No usable GUID.
      {"", "Ann", "Lin", ""},
      {"{01234567-89AB-CDEF-0123-456789ABCDE}", "Ann", "Lin", ""},
      {"{01234567-89AB-CDEF-0123-456789ABCDEG}", "Ann", "Lin", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.guid) + " / " + c.first + " / " + c.last);
    EXPECT_EQ(clientNumberFromGuid(c.guid, c.first, c.last), c.expected);
  }
}

TEST_F(RegistrationRecordTest, MakingAClientNumberUsesTheRecordsGuidSource) {
  RegistrationRecord record;
  record.setGuidSource([] { return std::string(kFixedGuid); });
  EXPECT_EQ(record.makeClientNumber("Ann", "Lin"), "56789ABCDEF4C69");

  record.setGuidSource([] { return std::string(); });
  test::LogCapture log;
  EXPECT_EQ(record.makeClientNumber("Ann", "Lin"), "");
  EXPECT_NE(log.text().find("client number"), std::string::npos) << log.text();

  // The real source: 15 upper-case hex digits, different each time.
  RegistrationRecord real;
  const std::string a = real.makeClientNumber("Ann", "Lin");
  const std::string b = real.makeClientNumber("Ann", "Lin");
  ASSERT_EQ(a.size(), 15u);
  EXPECT_EQ(a.substr(11), "4C69");
  EXPECT_EQ(a.find_first_not_of("0123456789ABCDEF"), std::string::npos) << a;
  EXPECT_NE(a, b);
}

// The texts Ann's contact page leaves in the "General" section.
const std::map<std::string, std::string> kAnnSavedTexts = {
    {"firstName", "Ann"},          {"initial", ""},          {"lastName", "O'Hara"},
    {"suffix", "Jr."},             {"prefix", "Dr."},        {"addr2", "Apt 5"},
    {"addr1", "12 Main St."},      {"city", "Montr\xE9\x61l"}, {"stateProv", "Quebec"},
    {"country", "Canada"},         {"zip", "H2X 1Y4"},       {"phone", "+1 555 0100"},
    {"extension", ""},             {"jobTitle", "Engineer"}, {"company", "Acme & Co"},
    {"q1", "en_US"},               {"email", "ann@example.com"}, {"q13", "56789ABCDEF4F27"}};

TEST_F(RegistrationRecordTest, SaveWritesEveryValueInOrderToTheHive) {
  RegistrationRecord& record = freshRecord();
  storeContactPage(record, kAnn);
  submit(record);
  record.saveToRegistry();

  const std::vector<std::string> general = {
      "firstName", "initial",   "lastName", "suffix", "prefix", "addr2", "addr1",
      "city",      "stateProv", "country",  "zip",    "q6",     "phone", "extension",
      "jobTitle",  "company",   "q1",       "email",  "q13"};
  EXPECT_EQ(valueNamesOnDisk("General"), general);
  EXPECT_EQ(valueNamesOnDisk("OVX"), (std::vector<std::string>{"q10", "q11"}));

  for (const auto& [name, text] : kAnnSavedTexts) {
    SCOPED_TRACE(name);
    EXPECT_EQ(RegistryStore::readText("General", name), text);
  }
  EXPECT_EQ(RegistryStore::readInt("General", "q6"), 1);
  EXPECT_EQ(RegistryStore::readText("OVX", "q10"), "9");
  EXPECT_EQ(RegistryStore::readText("OVX", "q11"), "2");
  EXPECT_EQ(RegistryStore::readText("General", "q26"), "");
}

TEST_F(RegistrationRecordTest, NoStateWrittenForXX) {
  struct {
    const char* shown;
    const char* stored;
  } cases[] = {
      {"XX", "Ontario"}, {"xx", "Ontario"}, {"xX", "Ontario"}, {"XXL", "XXL"}, {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown);
    ASSERT_TRUE(RegistryStore::writeText("General", "stateProv", "Ontario"));
    ASSERT_TRUE(RegistryStore::writeText("General", "country", "Canada"));
    RegistrationRecord record;
    record.address().setCountry("Albania", 0);
    record.address().setState(c.shown, "");
    record.saveToRegistry();
    EXPECT_EQ(RegistryStore::readText("General", "country"), "Albania");
    EXPECT_EQ(RegistryStore::readText("General", "stateProv"), c.stored);
  }
}

TEST_F(RegistrationRecordTest, ConsumerFormSavesAndLoadsQ22InTheBrandSection) {
  setBrandProfile(makeBrandProfile(BrandId::Tanager));
  RegistrationRecord& record = freshRecord();
  storeContactPage(record, kAnn);
  record.saveToRegistry();

  EXPECT_EQ(valueNamesOnDisk("Tanager"), (std::vector<std::string>{"q22", "q10", "q11"}));
  const std::vector<std::string> general = valueNamesOnDisk("General");
  EXPECT_EQ(std::count(general.begin(), general.end(), "jobTitle"), 0);
  EXPECT_EQ(std::count(general.begin(), general.end(), "company"), 0);
  EXPECT_EQ(RegistryStore::readText("Tanager", "q22"), "Engineer");

  RegistryStore::writeText("General", "jobTitle", "not read");
  RegistrationRecord& next = freshRecord();
  next.loadFromRegistry();
  EXPECT_EQ(next.q22(), "Engineer");
  EXPECT_FALSE(next.answers().contains("jobTitle"));
  EXPECT_FALSE(next.answers().contains("company"));
}

TEST_F(RegistrationRecordTest, LoadRestoresTheSavedAnswers) {
  for (const auto& [name, text] : kAnnSavedTexts)
    ASSERT_TRUE(RegistryStore::writeText("General", name, text));
  // Never restored (q1), or taken from the brand section instead.
  for (const char* name : {"q26", "q10", "q11"}) ASSERT_TRUE(RegistryStore::writeText("General", name, "general"));
  ASSERT_TRUE(RegistryStore::writeInt("General", "q6", 1));
  ASSERT_TRUE(RegistryStore::writeText("OVX", "q10", "7"));
  ASSERT_TRUE(RegistryStore::writeText("OVX", "q11", "3"));
  ASSERT_TRUE(RegistryStore::writeText("OVX", "q22", "not read"));

  RegistrationRecord& record = freshRecord();
  record.loadFromRegistry();

  EXPECT_EQ(record.name().prefixText(), "Dr.");
  EXPECT_EQ(record.name().suffixText(), "Jr.");
  EXPECT_EQ(record.address().stateText(), "Quebec");
  EXPECT_EQ(record.address().countryText(), "Canada");
  EXPECT_EQ(record.address().frenchCorrespondence(), 1);
  EXPECT_EQ(record.consentFlag(), 1);
  EXPECT_FALSE(record.answers().contains("q1"));
  // Load order shows within a bucket: extension after initial, q10 after zip, q11 after city,
  // q26 after addr1. The shown prefix, suffix, state and country are not sent until the page
  // stores them again.
  EXPECT_EQ(record.buildQuery(),
            "extension=%20&initial=%20&firstName=Ann&lastName=O%27Hara&email=ann%40example%2ecom"
            "&phone=%2b1%20555%200100&q6=fr_CA&q10=7&zip=H2X%201Y4&q11=3&city=Montr%e9al"
            "&company=Acme%20%26%20Co&q13=56789ABCDEF4F27&jobTitle=Engineer&q26=0"
            "&addr1=12%20Main%20St%2e&addr2=Apt%205&q14=" +
                std::string(kEncodedVersion));
}

TEST_F(RegistrationRecordTest, LoadFromAnEmptyHiveLeavesTheFrenchFlagAlone) {
  RegistrationRecord& record = freshRecord();
  record.address().setFrenchCorrespondence(1);
  record.setConsentFlag(0);
  record.loadFromRegistry();
  EXPECT_EQ(record.consentFlag(), 1);
  EXPECT_EQ(record.address().frenchCorrespondence(), 1);
  EXPECT_EQ(record.address().q6(), "fr_CA");
  EXPECT_EQ(record.name().firstName(), "");
  EXPECT_TRUE(record.answers().contains("firstName"));
  EXPECT_EQ(record.q26(), "0");

  // A stored 0 clears it.
  RegistryStore::writeInt("General", "q6", 0);
  record.loadFromRegistry();
  EXPECT_EQ(record.address().frenchCorrespondence(), 0);
  EXPECT_EQ(record.address().q6(), "");
}

// Index of a shown text among the strings first .. first + count - 1, as the lists pick it.
int indexOfString(unsigned first, int count, const std::string& text) {
  for (int i = 0; i < count; ++i)
    if (ui::loadString(first + static_cast<unsigned>(i)) == text) return i;
  return -1;
}

TEST_F(RegistrationRecordTest, ARecordSavedByOneRunIsSentAlikeByTheNext) {
  Contact ann = kAnn;
  ann.consent = 0;

  // First run: loaded from an empty hive at start, as every run is.
  RegistrationRecord& first = freshRecord();
  first.loadFromRegistry();
  storeContactPage(first, ann);
  submit(first);
  first.saveToRegistry();
  const std::string sent = first.buildQuery();
  EXPECT_NE(sent.find("&q26=2&"), std::string::npos) << sent;

  // Next run: the page shows what was loaded and the user stores it unchanged, unticking the
  // consent box again.
  RegistrationRecord& next = freshRecord();
  next.setGuidSource([] { return std::string("{FFFFFFFF-FFFF-FFFF-FFFF-FFFFFFFFFFFF}"); });
  next.loadFromRegistry();
  EXPECT_FALSE(next.answers().contains("q1"));
  EXPECT_EQ(next.q26(), "0");

  const std::map<std::string, std::string> stateCodes = {{"Quebec", "QC"}};
  const NameRecord& name = next.name();
  const AddressRecord& address = next.address();
  const Contact shown = {.firstName = name.firstName(),
                         .initial = name.initial(),
                         .lastName = name.lastName(),
                         .prefixText = name.prefixText(),
                         .prefixIndex = indexOfString(500, 5, name.prefixText()),
                         .suffixText = name.suffixText(),
                         .suffixIndex = indexOfString(525, 10, name.suffixText()),
                         .addr2 = address.addr2(),
                         .addr1 = address.addr1(),
                         .city = address.city(),
                         .zip = address.zip(),
                         .countryText = address.countryText(),
                         .countryIndex = indexOfString(1200, 169, address.countryText()),
                         .french = address.frenchCorrespondence(),
                         .locale = "en_US",
                         .stateText = address.stateText(),
                         .stateCode = stateCodes.at(address.stateText()),
                         .phone = next.phone().phone(),
                         .extension = next.phone().extension(),
                         .job = next.jobTitle(),
                         .company = next.company(),
                         .email = next.email(),
                         .consent = 0};
  EXPECT_EQ(shown.prefixIndex, 4);
  EXPECT_EQ(shown.suffixIndex, 3);
  EXPECT_EQ(shown.countryIndex, 27);
  storeContactPage(next, shown);
  submit(next);  // the saved number is kept
  EXPECT_EQ(next.buildQuery(), sent);
}

TEST_F(RegistrationRecordTest, IntegerFieldsAndTheirInitialValues) {
  RegistrationRecord record;
  EXPECT_EQ(record.consentFlag(), 1);
  EXPECT_EQ(record.promptLater(), 1);
  for (int i = 0; i < RegistrationRecord::kBookmarkChoiceCount; ++i)
    EXPECT_EQ(record.bookmarkChoice(i), 0);
  EXPECT_EQ(record.connectionFailureChoice(), 0);
  EXPECT_TRUE(record.chosePromptLater());

  struct {
    void (RegistrationRecord::*choose)();
    int value;
    bool later, now, print;
  } choices[] = {
      {&RegistrationRecord::chooseSubmitNow, -1, false, true, false},
      {&RegistrationRecord::choosePrintByMail, -2, false, false, true},
      {&RegistrationRecord::choosePromptLater, 0, true, false, false},
  };
  for (const auto& c : choices) {
    SCOPED_TRACE(c.value);
    (record.*c.choose)();
    EXPECT_EQ(record.connectionFailureChoice(), c.value);
    EXPECT_EQ(record.chosePromptLater(), c.later);
    EXPECT_EQ(record.choseSubmitNow(), c.now);
    EXPECT_EQ(record.chosePrintByMail(), c.print);
  }

  record.setBookmarkChoice(2, 1);
  record.setBookmarkChoice(3, 1);
  record.setBookmarkChoice(-1, 1);
  EXPECT_EQ(record.bookmarkChoice(2), 1);
  EXPECT_EQ(record.bookmarkChoice(3), 0);
  EXPECT_EQ(record.bookmarkChoice(-1), 0);

  // Nothing here is sent, and setting the consent flag sends q26.
  EXPECT_EQ(record.buildQuery(), "&q14=" + std::string(kEncodedVersion));
}

TEST_F(RegistrationRecordTest, SurveyAnswersAndFormValuesAreKeptButNotSent) {
  RegistrationRecord record;
  record.putSurveyAnswer("q18", "BUSI");
  record.putSurveyAnswer("q19", "Price");
  record.putSurveyAnswer("q19", "Quality");
  record.putFormValue("7518", "2");
  EXPECT_EQ(record.surveyAnswer("q18"), "BUSI");
  EXPECT_EQ(record.surveyAnswer("q19"), "Quality");
  EXPECT_EQ(record.surveyAnswer("q20"), "");
  EXPECT_EQ(record.formValue("7518"), "2");
  EXPECT_EQ(record.formValue("7519"), "");
  EXPECT_EQ(record.buildQuery(), "&q14=" + std::string(kEncodedVersion));
}

TEST_F(RegistrationRecordTest, OneRecordPerProcessUntilDeleted) {
  RegistrationRecord& a = RegistrationRecord::instance();
  a.setEmail("a@example.com");
  EXPECT_EQ(&RegistrationRecord::instance(), &a);
  EXPECT_EQ(RegistrationRecord::instance().email(), "a@example.com");
  RegistrationRecord::deleteInstance();
  EXPECT_EQ(RegistrationRecord::instance().email(), "");
  EXPECT_EQ(RegistrationRecord::instance().answers().size(), 0u);
}

}  // namespace
}  // namespace kvr
