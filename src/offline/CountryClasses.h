#pragma once

#include <memory>
#include <span>

#include "offline/CCountry.h"
#include "offline/StateLists.h"

namespace kvr {

// A country with a state, province or prefecture list.
class StateListCountry : public CCountry {
 public:
  StateListCountry(int index, std::span<const StateEntry> states);
  std::string stateName(int index) const override;
  std::string stateCode(int index) const override;
  int stateCount() const override;

 private:
  const StateEntry* entry(int index) const;
  std::span<const StateEntry> m_states;
};

class UnitedStatesCountry final : public StateListCountry {
 public:
  UnitedStatesCountry();
  void checkPostalCode(std::string_view zip, bool required, ui::CWnd* owner,
                       int codePage) const override;
};

class CanadaCountry final : public StateListCountry {
 public:
  CanadaCountry();
};

class JapanCountry final : public StateListCountry {
 public:
  JapanCountry();
};

class BrazilCountry final : public StateListCountry {
 public:
  BrazilCountry();
};

// Belgium and Switzerland give the number of the user-interface language; the brand's own
// numbers when the brand has them.
class LanguageNumberCountry final : public CCountry {
 public:
  explicit LanguageNumberCountry(int index);
  std::string phone() const override;
};

// The countries for which a brand may have numbers of its own.
class BrandNumberCountry final : public CCountry {
 public:
  explicit BrandNumberCountry(int index);
  std::string phone() const override;
};

// A new object of the class that serves `index`.
std::unique_ptr<CCountry> makeCountry(int index);

}  // namespace kvr
