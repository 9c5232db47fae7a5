#pragma once

#include <string>
#include <string_view>

namespace kvr {

class BucketMap;

// The name part of the registration record. Its answers live in the record's map; it keeps
// only the chosen prefix and suffix as shown and their list indexes.
class NameRecord {
 public:
  static constexpr int kPrefixCount = 5;   // list entries 0..4
  static constexpr int kSuffixCount = 10;  // list entries 0..9

  explicit NameRecord(BucketMap& answers) : m_answers(answers) {}
  NameRecord(const NameRecord&) = delete;
  NameRecord& operator=(const NameRecord&) = delete;

  void setFirstName(std::string_view text);
  void setInitial(std::string_view text);
  void setLastName(std::string_view text);
  std::string firstName() const;
  std::string initial() const;
  std::string lastName() const;

  // `prefix` is sent as the entry text for indexes 0..4, else empty; `suffix` likewise for
  // 0..9. The text and the index are kept as given.
  void setPrefix(std::string_view text, int index);
  void setSuffix(std::string_view text, int index);
  std::string prefix() const;  // the value sent
  std::string suffix() const;
  const std::string& prefixText() const { return m_prefixText; }  // as shown
  const std::string& suffixText() const { return m_suffixText; }
  int prefixIndex() const { return m_prefixIndex; }
  int suffixIndex() const { return m_suffixIndex; }

  // The prefix and suffix come back as shown texts only; the page picks their entries again.
  void loadFromRegistry();
  void saveToRegistry() const;

 private:
  BucketMap& m_answers;
  std::string m_prefixText;
  std::string m_suffixText;
  int m_prefixIndex = -1;
  int m_suffixIndex = -1;
};

}  // namespace kvr
