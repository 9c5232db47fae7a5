#pragma once

#include "brand/BrandProfile.h"

namespace kvr {

class OvxProfile final : public BrandProfile {
 public:
  OvxProfile();
  bool hasPrivacyStatement() const override;
};

// Tanager and Fennick ask the plain survey of column 2.
class TanagerProfile final : public BrandProfile {
 public:
  TanagerProfile();
  bool usesConsumerForm() const override;
};

class FennickProfile final : public BrandProfile {
 public:
  FennickProfile();
  bool usesConsumerForm() const override;
};

// Amberly insists on its three survey answers and has its own phone numbers.
class AmberlyProfile final : public BrandProfile {
 public:
  AmberlyProfile();
  bool questionPositionAllowed(int position, bool home) const override;
  bool usageValueAllowed(int value) const override;
  bool bookmarkIndexAllowed(int index, bool flag) const override;
  bool usesOwnPhoneNumbers() const override;
  std::string phoneNumberFor(int countryIndex) const override;
};

class CorvinaProfile final : public BrandProfile {
 public:
  CorvinaProfile();
};

}  // namespace kvr
