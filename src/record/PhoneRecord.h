#pragma once

#include <string>
#include <string_view>

namespace kvr {

class BucketMap;

// The telephone part of the registration record; its answers live in the record's map.
class PhoneRecord {
 public:
  explicit PhoneRecord(BucketMap& answers) : m_answers(answers) {}
  PhoneRecord(const PhoneRecord&) = delete;
  PhoneRecord& operator=(const PhoneRecord&) = delete;

  void setPhone(std::string_view text);
  void setExtension(std::string_view text);
  std::string phone() const;
  std::string extension() const;

  void loadFromRegistry();
  void saveToRegistry() const;

 private:
  BucketMap& m_answers;
};

}  // namespace kvr
