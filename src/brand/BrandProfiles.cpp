#include "brand/BrandProfiles.h"

#include "brand/AmberlyPhoneList.h"

namespace kvr {

namespace {

constexpr int kHomeColumn = 0;
constexpr int kBusinessColumn = 1;
constexpr int kSurveyColumn = 2;

constexpr std::array<BrandProfile::Question, kSurveyRows> kHomeQuestions{{
    {900, "q19", "7519"}, {925, "q20", "7520"}, {950, "q21", "7521"}}};
constexpr std::array<BrandProfile::Question, kSurveyRows> kBusinessQuestions{{
    {750, "q27", "7527"}, {800, "q8", "7508"}, {850, "q9", "7509"}}};
constexpr std::array<BrandProfile::Question, kSurveyRows> kConsumerQuestions{{
    {975, "q23", "7523"}, {1000, "q24", "7524"}, {1025, "q25", "7525"}}};

}  // namespace

OvxProfile::OvxProfile() {
  setNames("OVX", "OVX");
  m_questionCount = 6;
  setColumn(kHomeColumn, kHomeQuestions);
  setColumn(kBusinessColumn, kBusinessQuestions);
}
bool OvxProfile::hasPrivacyStatement() const { return true; }

TanagerProfile::TanagerProfile() {
  setNames("Tanager", "TNG");
  m_questionCount = 6;
  setColumn(kSurveyColumn, kConsumerQuestions);
}
bool TanagerProfile::usesConsumerForm() const { return true; }

FennickProfile::FennickProfile() {
  setNames("Fennick", "FNK");
  m_questionCount = 6;
  setColumn(kSurveyColumn, kConsumerQuestions);
}
bool FennickProfile::usesConsumerForm() const { return true; }

AmberlyProfile::AmberlyProfile() {
  setNames("Amberly", "AMB");
  m_questionCount = 3;
  m_requiredMessageIds = std::array<int, kSurveyRows>{209, 210, 211};
  setColumn(kHomeColumn, kHomeQuestions);
  setColumn(kBusinessColumn, {{{750, "q7", "7507"}, {800, "q8", "7508"}, {850, "q9", "7509"}}});
}
bool AmberlyProfile::questionPositionAllowed(int position, bool /*home*/) const {
  return position >= 0 && position < m_questionCount;
}
bool AmberlyProfile::usageValueAllowed(int value) const { return value == 0 || value == 1; }
bool AmberlyProfile::bookmarkIndexAllowed(int index, bool /*flag*/) const {
  return index >= 0 && index < m_bookmarkCount;
}
bool AmberlyProfile::usesOwnPhoneNumbers() const { return true; }
std::string AmberlyProfile::phoneNumberFor(int countryIndex) const {
  return std::string(amberlyPhoneNumber(countryIndex));
}

CorvinaProfile::CorvinaProfile() {
  setNames("Corvina", "CRV");
  m_questionCount = 6;
  setColumn(kHomeColumn, kHomeQuestions);
  setColumn(kBusinessColumn, kBusinessQuestions);
}

std::unique_ptr<BrandProfile> makeBrandProfile(BrandId id) {
  switch (id) {
    case BrandId::Tanager: return std::make_unique<TanagerProfile>();
    case BrandId::Fennick: return std::make_unique<FennickProfile>();
    case BrandId::Amberly: return std::make_unique<AmberlyProfile>();
    case BrandId::Corvina: return std::make_unique<CorvinaProfile>();
    case BrandId::Ovx: break;
  }
  return std::make_unique<OvxProfile>();
}

namespace {
// A plain pointer, never destroyed by itself: the clean-up object at exit deletes it, and a
// static destructor must not run after that.
BrandProfile* g_profile = nullptr;
}  // namespace

BrandProfile& brandProfile() {
  if (g_profile == nullptr) g_profile = makeBrandProfile(kBuiltBrand).release();
  return *g_profile;
}

void setBrandProfile(std::unique_ptr<BrandProfile> profile) {
  delete g_profile;
  g_profile = profile.release();
}

void deleteBrandProfile() { setBrandProfile(nullptr); }

}  // namespace kvr
