#pragma once

#include <string>
#include <string_view>

#include "offline/CountryTable.h"

namespace kvr::ui {
class CWnd;
}

namespace kvr {

class ContactFieldSource;

// What the wizard knows of one country: its row of the country tables, its state list and
// the rules its contact entries follow. An index outside 0..168 stands for no country: empty
// code, no numbers, the minimums of 1.
class CCountry {
 public:
  explicit CCountry(int index);
  virtual ~CCountry();
  CCountry(const CCountry&) = delete;
  CCountry& operator=(const CCountry&) = delete;

  virtual std::string phone() const;   // 1
  virtual std::string phone2() const;  // 2
  virtual std::string fax() const;     // 3
  // 4-6: the contact groups' checks with this country's minimums; throw a CRegException.
  virtual void validateNameGroup(const ContactFieldSource& fields, int codePage) const;
  virtual void validateAddressGroup(const ContactFieldSource& fields, int codePage) const;
  virtual void validatePhoneGroup(const ContactFieldSource& fields, int codePage) const;
  virtual std::string stateName(int index) const;  // 7: empty
  virtual std::string stateCode(int index) const;  // 8: "XX"
  virtual int stateCount() const;                  // 9: 0
  // 10: the zip rule (also run while the zip is typed).
  virtual void checkPostalCode(std::string_view zip, bool required, ui::CWnd* owner,
                               int codePage) const;

  int index() const { return m_index; }
  bool hasFax() const;
  int minPhoneDigits() const;
  int postalRule() const;
  int mailLineCount() const;
  // Line `line` (from 0) of the mailing address; empty for a line without text.
  std::string mailLine(int line) const;

  static std::string countryName(int index);  // string 1200 + index
  static std::string countryCode(int index);  // "AT"; empty outside 0..168

 protected:
  const CountryRow* row() const { return countryRow(m_index); }

 private:
  int m_index;
};

}  // namespace kvr
