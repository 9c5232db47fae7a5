#pragma once

#include <string>
#include <string_view>

namespace kvr {

class BucketMap;

// The address part of the registration record. Its answers live in the record's map; it keeps
// the country and state as shown, the country index, the state code and the French
// correspondence flag.
class AddressRecord {
 public:
  explicit AddressRecord(BucketMap& answers) : m_answers(answers) {}
  AddressRecord(const AddressRecord&) = delete;
  AddressRecord& operator=(const AddressRecord&) = delete;

  void setAddr1(std::string_view text);
  void setAddr2(std::string_view text);
  void setCity(std::string_view text);
  void setZip(std::string_view text);
  std::string addr1() const;
  std::string addr2() const;
  std::string city() const;
  std::string zip() const;

  // `stateProv` is sent as the code unless the code is blank, then empty.
  void setState(std::string_view text, std::string_view code);
  std::string stateProv() const;                                // the value sent
  const std::string& stateText() const { return m_stateText; }  // as shown
  const std::string& stateCode() const { return m_stateCode; }

  // `country` is sent as the two-letter code of the country index, empty outside 0..168.
  void setCountry(std::string_view text, int index);
  std::string country() const;                                      // the value sent
  const std::string& countryText() const { return m_countryText; }  // as shown
  int countryIndex() const { return m_countryIndex; }

  // `q6` is sent as "fr_CA" when the flag is 1, else empty.
  void setFrenchCorrespondence(int flag);
  int frenchCorrespondence() const { return m_frenchCorrespondence; }
  std::string q6() const;

  // The state and country come back as shown texts only; the page picks their entries again.
  // A stored flag that cannot be read leaves the flag as it is.
  void loadFromRegistry();
  // The state is not written when its shown text is "XX" (any case): the stored one stays.
  void saveToRegistry() const;

 private:
  BucketMap& m_answers;
  std::string m_countryText;
  int m_countryIndex = -1;
  std::string m_stateText;
  std::string m_stateCode;
  int m_frenchCorrespondence = 0;
};

}  // namespace kvr
