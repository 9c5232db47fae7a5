#include "ui/StringTable.h"

#include <map>

namespace kvr::ui {

namespace {

// The program's own messages until the resource scripts take over.
const std::map<unsigned, std::string>& builtinStrings() {
  static const std::map<unsigned, std::string> strings{
      {201, "First Name is a required field."},
      {202, "Last Name is a required field."},
      {203, "Address is a required field."},
      {204, "City is a required field."},
      {205, "State/Province is a required field."},
      {206, "Zip/Postal Code is a required field."},
      {207, "Country is a required field."},
      {208, "Phone is a required field."},
      {210, "Industry is a required field."},
      {211, "Number of Employees is a required field."},
      {212, "COM Initialization Failed."},
      {213, "When you provide us with your e-mail address, we are able to make you aware of "
            "special offerings.  Would you like to enter your e-mail address?"},
      {215, "The bookmarks you selected could not be added to your browser."},
      {216, "Your e-mail address does not follow the format user@example.com.  Would you like "
            "to change it?"},
      {217, "Pipe ( | ) and backslash ( \\ ) characters are not valid. Please remove them from "
            "your response."},
      {218, "A printer connection for your computer cannot be found. "},
      {219, " "},
      {221, "A character in this entry field is not valid.  This field can only contain "
            "alphabetic characters.  Please remove the character that is not valid from your "
            "response."},
      {222, "Your address must contain alphabetic characters (such as PO Box 123).  Please "
            "change your address."},
      {223, "Your phone number should contain at least 10 digits and should  not contain "
            "alphabetic characters.  Would you like to change it?"},
      {224, "Your zip code does not contain five digits before the hyphen ( - ).   Would you "
            "like to change it?"},
      {225, "Your zip code does not contain six characters.  Would you like to change it?"},
      {246, "A character in this entry field is not valid. Please remove it from your "
            "response. "},
      {313, "OVX Product Registration"},
      {1515, "Your phone number does not contain the minimum number of required digits.  "
             "Would you like to change it?"},
      {1516, "Your zip code does not contain the minimum number of required characters.  "
             "Would you like to change it?"},
      {1517, "Your zip code does not contain the minimum number of required digits.  Would "
             "you like to change it?"},
      {1519, "Prefix is a required field."},
  };
  return strings;
}

}  // namespace

std::string loadString(unsigned id) {
  const auto& strings = builtinStrings();
  auto found = strings.find(id);
  return found == strings.end() ? std::string() : found->second;
}

}  // namespace kvr::ui
