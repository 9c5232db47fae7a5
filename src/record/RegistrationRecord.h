#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "record/AddressRecord.h"
#include "record/BucketMap.h"
#include "record/NameRecord.h"
#include "record/PhoneRecord.h"

namespace kvr {

// Everything the user answers, and the few choices the wizard makes for the user. The pages
// write into it, the saved answers are loaded into it at start and saved from it before the
// submission, and the request takes its fragment from it. The name, address and phone parts
// write their keys into the same map of answers, so one map holds every key that is sent.
// Used from the user-interface thread only.
class RegistrationRecord {
 public:
  // The options of the connection-failure dialog.
  static constexpr int kPromptLater = 0;
  static constexpr int kSubmitNow = -1;
  static constexpr int kPrintByMail = -2;
  static constexpr int kBookmarkChoiceCount = 3;
  // What q13 holds in regression-test mode, whatever is set.
  static constexpr std::string_view kRegressionClientNumber = "00629B380864C61";
  static constexpr std::string_view kRegressionVersion = "KVR Regression Test Version";

  // Gives a new GUID in registry form, or empty text when none can be made.
  using GuidSource = std::function<std::string()>;

  // The process-wide record, created empty on first use.
  static RegistrationRecord& instance();
  // Deletes it; the next instance() creates a fresh one. For the clean-up at exit and tests.
  static void deleteInstance();

  RegistrationRecord();
  RegistrationRecord(const RegistrationRecord&) = delete;
  RegistrationRecord& operator=(const RegistrationRecord&) = delete;

  NameRecord& name() { return m_name; }
  const NameRecord& name() const { return m_name; }
  AddressRecord& address() { return m_address; }
  const AddressRecord& address() const { return m_address; }
  PhoneRecord& phone() { return m_phone; }
  const PhoneRecord& phone() const { return m_phone; }

  // Any key's value; empty when the key was never set.
  std::string answer(std::string_view key) const { return m_answers.get(key); }
  const BucketMap& answers() const { return m_answers; }

  void setQ1(std::string_view text);
  void setJobTitle(std::string_view text);
  void setCompany(std::string_view text);
  void setQ22(std::string_view text);
  // The job and company boxes as the brand asks them: with the consumer form the job box is
  // q22 and jobTitle and company are sent empty.
  void setJobAndCompany(std::string_view job, std::string_view company);
  void setEmail(std::string_view text);
  std::string q1() const;
  std::string jobTitle() const;
  std::string company() const;
  std::string q22() const;
  std::string email() const;

  // The fixed answers, read from the string table in force at the moment of setting.
  void setQ4();
  void setQ10();
  void setQ11();
  // q10 and q11 as saved by an earlier run.
  void setQ10(std::string_view text);
  void setQ11(std::string_view text);
  std::string q4() const;
  std::string q10() const;
  std::string q11() const;

  // Also sets q26: the consent text when the flag is 1, else the refusal text.
  void setConsentFlag(int flag);
  int consentFlag() const { return m_consentFlag; }
  std::string q26() const;

  // q13. In regression-test mode the fixed number is stored instead of `text`.
  void setClientNumber(std::string_view text);
  std::string clientNumber() const;
  // A new client number from a new GUID and the name; empty when no GUID could be made.
  std::string makeClientNumber(std::string_view firstName, std::string_view lastName) const;
  void setGuidSource(GuidSource source) { m_guidSource = std::move(source); }

  // Kept for re-selecting page 2404's answers; never sent.
  void putSurveyAnswer(std::string_view key, std::string_view text) {
    m_surveyAnswers.set(key, text);
  }
  std::string surveyAnswer(std::string_view key) const { return m_surveyAnswers.get(key); }
  // Printed-form field code -> value.
  void putFormValue(std::string_view code, std::string_view text) { m_formValues.set(code, text); }
  std::string formValue(std::string_view code) const { return m_formValues.get(code); }

  // Index 0..2; others are ignored on setting and read as 0.
  void setBookmarkChoice(int index, int state);
  int bookmarkChoice(int index) const;
  void setPromptLater(int state) { m_promptLater = state; }
  int promptLater() const { return m_promptLater; }

  int connectionFailureChoice() const { return m_connectionFailureChoice; }
  void setConnectionFailureChoice(int choice) { m_connectionFailureChoice = choice; }
  void choosePromptLater() { m_connectionFailureChoice = kPromptLater; }
  void chooseSubmitNow() { m_connectionFailureChoice = kSubmitNow; }
  void choosePrintByMail() { m_connectionFailureChoice = kPrintByMail; }
  bool chosePromptLater() const { return m_connectionFailureChoice == kPromptLater; }
  bool choseSubmitNow() const { return m_connectionFailureChoice == kSubmitNow; }
  bool chosePrintByMail() const { return m_connectionFailureChoice == kPrintByMail; }

  // Neither restores q1 nor reads the consent: the consent goes back to 1 (q26 "0").
  void loadFromRegistry();
  void saveToRegistry() const;

  // Rebuilds the request fragment: every answer in the map's order as key=value (an empty
  // value as "%20"), then "&q14=" and the escaped version line, or in regression-test mode
  // the fixed regression text as it is. The caller joins it with the other fragments.
  std::string buildQuery();
  const std::string& queryText() const { return m_queryText; }

  // The program's version line as sent under q14: string 1059, the brand's name, one blank
  // and the program's title (string 313).
  static std::string versionLine();

 private:
  BucketMap m_answers;
  BucketMap m_surveyAnswers;
  BucketMap m_formValues;
  NameRecord m_name{m_answers};
  AddressRecord m_address{m_answers};
  PhoneRecord m_phone{m_answers};
  std::string m_queryText;

  int m_consentFlag = 1;
  std::array<int, kBookmarkChoiceCount> m_bookmarkChoice{};
  int m_promptLater = 1;
  int m_connectionFailureChoice = kPromptLater;

  GuidSource m_guidSource;
};

}  // namespace kvr
