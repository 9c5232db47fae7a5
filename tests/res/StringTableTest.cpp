#include "ui/StringTable.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace kvr {
namespace {

struct Expected {
  unsigned id;
  std::string_view text;
};

// The texts the program's messages, lists and requests depend on, as the system defines them,
// blanks and spelling included.
constexpr Expected kMessages[] = {
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
    {213, "When you provide us with your e-mail address, we are able to make you aware of special "
          "offerings.  Would you like to enter your e-mail address?"},
    {215, "The bookmarks you selected could not be added to your browser."},
    {216, "Your e-mail address does not follow the format user@example.com.  Would you like to "
          "change it?"},
    {217, "Pipe ( | ) and backslash ( \\ ) characters are not valid. Please remove them from your "
          "response."},
    {218, "A printer connection for your computer cannot be found. "},
    {219, " "},
    {221, "A character in this entry field is not valid.  This field can only contain alphabetic "
          "characters.  Please remove the character that is not valid from your response."},
    {222, "Your address must contain alphabetic characters (such as PO Box 123).  Please change "
          "your address."},
    {223, "Your phone number should contain at least 10 digits and should  not contain alphabetic "
          "characters.  Would you like to change it?"},
    {224, "Your zip code does not contain five digits before the hyphen ( - ).   Would you like to "
          "change it?"},
    {225, "Your zip code does not contain six characters.  Would you like to change it?"},
    {234, "You have chosen to register your product via phone.  The infomation displayed is "
          "formatted to assist you and the OVX representative to quickly and accurately transfer "
          "your information into the OVX Product Registration database.  OVX representatives are "
          "ready to assist you.  Please call the following number to register your product: "},
    {245, "Your registration has been canceled. "},
    {246, "A character in this entry field is not valid. Please remove it from your response. "},
    {300, "Shop OVX"},
    {302, "OVX Global Services"},
    {304, "OVX Software"},
    {313, "OVX Product Registration"},
    {314, "Please mail your registration to:"},
    {1500, "Your default Internet browser could not be determined."},
    {1501, "Netscape's user value could not be determined."},
    {1502, "Netscape's network settings could not be found."},
    {1503, "Your Internet connection method could not be determined."},
    {1504, "WSAStartup failed with error code: "},
    {1505, "DNS resolution failed."},
    {1506, "Socket creation failed with error code: "},
    {1507, "Connecting to the server failed with error code: "},
    {1509, "Error connecting to the Socks server."},
    {1510, "Receiving data failed with error code: "},
    {1511, "Posting the data was not successful."},
    {1512, "Aborting post -- too many levels of redirection."},
    {1513, "Bad redirection data was received."},
    {1515, "Your phone number does not contain the minimum number of required digits.  Would you "
           "like to change it?"},
    {1516, "Your zip code does not contain the minimum number of required characters.  Would you "
           "like to change it?"},
    {1517, "Your zip code does not contain the minimum number of required digits.  Would you like "
           "to change it?"},
    {1519, "Prefix is a required field."},
    {1521, "TCP/IP has not been started."},
    {1522, "Your current version of WinSock does not support the required functions to "
           "successfully post."},
    {1523, "A previous socket connection is blocking access to the Internet."},
    {1524, "The limit on the number of open sockets has been reached."},
    {1525, "The network is down.  Check to make certain that TCP/IP has been started on your "
           "computer."},
    {1526, "A socket could not be created due to lack of memory."},
    {1527, "The host address was invalid."},
    {1528, "The connection was refused."},
    {1529, "The network is currently unreachable."},
    {1530, "The request timed out."},
    {1531, "A bad data pointer was passed to the socket initialization function."},
    {1532, "Sockets were not properly initialized."},
    {1533, "The address family specified is not supported by the transfer protocol."},
    {1534, "The requested transfer protocol is not supported by sockets."},
    {1535, "The wrong socket protocol was requested."},
    {1536, "The requested host was not in the address family."},
    {1537, "The requested socket address was already in use."},
    {1538, "The socket call was canceled."},
    {1539, "The requested socket is already in use."},
    {1542, "The socket was given an invalid request."},
    {1543, "The socket was already connected."},
    {1544, "A communications function was passed a bad socket handle."},
    {1545, "The requested socket call would block."},
    {1546, "The attempt to cast the datagram failed."},
    {1547, "No connect parameter was specified."},
    {2118, "You may fax your registration to:"},
    {2119, "Otherwise, please mail your registration to:"},
    {2120, "Print and register by mail or fax"},
    {2121, "End of Registration Form"},
    {2511, "ERROR: The Server URL you entered is not valid!"},
};

constexpr Expected kLists[] = {
    {500, "Mr."}, {501, "Ms."}, {502, "Mrs."}, {503, "Miss"}, {504, "Dr."},
    {525, " "}, {526, "CPA"}, {527, "Esq."}, {528, "Jr."}, {529, "PhD."}, {530, "Sr."},
    {531, "II"}, {532, "III"}, {533, "IV"}, {534, "V"},
};

constexpr Expected kSurvey[] = {
    {750, "Which of the following best describes your primary area of responsibility?"},
    {751, "Administration"}, {752, "Business Direction"}, {753, "Computer Hardware"},
    {754, "Data Management/Analysis"}, {755, "Finance"}, {756, "Human Resources"},
    {757, "IT Application Development"}, {758, "IT Implementation"}, {759, "IT Networking"},
    {760, "IT Operations "}, {761, "IT Planning"}, {762, "IT Systems Management"},
    {763, "IT User Support"}, {764, "Legal"}, {765, "Sales and Marketing"},
    {800, "Please select the primary industry of your company. "},
    {801, "Agriculture"}, {802, "Banking"}, {803, "Construction"}, {804, "Consulting"},
    {805, "Consumer Products"}, {806, "Education"}, {807, "Federal Government"},
    {808, "Financial Services"}, {809, "Gas and Oil"}, {810, "Government"},
    {811, "Health Care/Institutional Products"}, {812, "High Tech Products"},
    {813, "Industrial Products"}, {814, "Insurance"}, {815, "Manufacturing"},
    {816, "Marketing/Advertising/Public Relations"}, {817, "Non-Profit (arts, etc)"},
    {818, "Professional Practice (medicine, law, accounting)"}, {819, "Publishing, Printing"},
    {820, "Real Estate"}, {821, "Retail Trade"}, {822, "Telecommunications"},
    {823, "Transport/Public Utility"}, {824, "Travel/Entertainment"}, {825, "Other"},
    {850, "Please select the number of employees at your location. "},
    {851, "1-9"}, {852, "10-24"}, {853, "25-49"}, {854, "50-99"}, {855, "100-249"},
    {856, "250-499"}, {857, "500-999"}, {858, "1,000-1,999"}, {859, "2,000-2,999"},
    {860, "3,000-3,999"}, {861, "4,000-4,999"}, {862, "5,000+"}, {863, "Unknown"},
    {900, "Please select your primary reason for purchasing this product."},
    {901, "Advertisement"}, {902, "Articles, product reviews, awards"}, {903, "Brand/Reputation"},
    {904, "Function"}, {905, "Information on the product package"}, {906, "Marketing offers"},
    {907, "Price and rebates"}, {908, "Product demonstration"},
    {909, "Recommended by friend or associate"}, {910, "Salesperson's recommendation"},
    {925, "Which best decribes where you purchased your product?"},
    {926, "Direct from OVX via e-Mail Offer"}, {927, "Direct from OVX via Telemarketing"},
    {928, "Direct from OVX via Web"}, {929, "OVX Mail Order Catalog"},
    {930, "Included with PC or other products you purchased"}, {931, "Retailer"},
    {950, "Please pick which best describes you."},
    {951, "College Student"}, {952, "Full-time homemaker"}, {953, "Operating business from home"},
    {954, "Retired"}, {955, "Self-employed, business owner"}, {956, "Student"},
    {957, "Work at home for employer"},
};

constexpr Expected kServiceValues[] = {
    {1050, "056"}, {1051, "RegistrationServices.Register"}, {1052, "InsertReg"}, {1053, "1"},
    {1054, "27"},  {1055, "0"}, {1056, "2"}, {1057, "9"}, {1058, "5"},
    {1059, "KVR 2.2.010228 "}, {1060, "Printing the OVX Registration"},
};

constexpr Expected kCountries[] = {
    {1200, "Albania"}, {1201, "Algeria"}, {1202, "Andorra"}, {1203, "Angola"},
    {1204, "Antigua/Barbuda"}, {1205, "Argentina"}, {1206, "Australia"}, {1207, "Austria"},
    {1208, "Azerbaijan"}, {1209, "Bahamas"}, {1210, "Bahrain"}, {1211, "Bangladesh"},
    {1212, "Barbados"}, {1213, "Belarus"}, {1214, "Belgium"}, {1215, "Belize"}, {1216, "Benin"},
    {1217, "Bermuda"}, {1218, "Bolivia"}, {1219, "Bosnia-Herzegovina"}, {1220, "Botswana"},
    {1221, "Brazil"}, {1222, "Brunei"}, {1223, "Bulgaria"}, {1224, "Burkina Faso"},
    {1225, "Burundi"}, {1226, "Cameroon"}, {1227, "Canada"}, {1228, "Cape Verde Island"},
    {1229, "Cayman Islands"}, {1230, "Central Africa Republic"}, {1231, "Chad"}, {1232, "Chile"},
    {1233, "China"}, {1234, "Columbia"}, {1235, "Comoros Islands"}, {1236, "Congo"},
    {1237, "Costa Rica"}, {1238, "Croatia"}, {1239, "Cyprus"}, {1240, "Czech Republic"},
    {1241, "Denmark"}, {1242, "Dominican Republic"}, {1243, "Ecuador"}, {1244, "Egypt"},
    {1245, "El Savador"}, {1246, "Equatorial Guinea"}, {1247, "Estonia"}, {1248, "Ethiopia"},
    {1249, "Fiji"}, {1250, "Finland"}, {1251, "France"}, {1252, "French Guiana"},
    {1253, "French Polynesia"}, {1254, "Gabon"}, {1255, "Gambia"}, {1256, "Germany"},
    {1257, "Ghana"}, {1258, "Gibralter"}, {1259, "Greece"}, {1260, "Guadeloupe"},
    {1261, "Guatemala"}, {1262, "Guinea"}, {1263, "Guyana"}, {1264, "Haiti"}, {1265, "Honduras"},
    {1266, "Hong Kong"}, {1267, "Hungary"}, {1268, "Iceland"}, {1269, "India"},
    {1270, "Indonesia"}, {1271, "Iran"}, {1272, "Ireland"}, {1273, "Israel"}, {1274, "Italy"},
    {1275, "Jamaica"}, {1276, "Japan"}, {1277, "Jordan"}, {1278, "Kazakhstan"}, {1279, "Kenya"},
    {1280, "Kuwait"}, {1281, "Latvia"}, {1282, "Lebanon"}, {1283, "Lesotha"}, {1284, "Liberia"},
    {1285, "Lichtenstein"}, {1286, "Lithuania"}, {1287, "Luxembourg"}, {1288, "Macau"},
    {1289, "Macedonia"}, {1290, "Madagascar"}, {1291, "Malawi"}, {1292, "Malaysia"},
    {1293, "Maldives"}, {1294, "Mali"}, {1295, "Malta"}, {1296, "Martinique"},
    {1297, "Mauritania"}, {1298, "Mauritius"}, {1299, "Mayotte"}, {1300, "Mexico"},
    {1301, "Monaco"}, {1302, "Morocco"}, {1303, "Mozambique"}, {1304, "Myanmar"},
    {1305, "Netherlands"}, {1306, "Netherlands-Antilles"}, {1307, "New Caledonia"},
    {1308, "New Zealand"}, {1309, "Nicaragua"}, {1310, "Niger"}, {1311, "Nigeria"},
    {1312, "Norway"}, {1313, "Oman"}, {1314, "Pakistan"}, {1315, "Panama"},
    {1316, "Papua New Guinea"}, {1317, "Paraguay"}, {1318, "Peru"}, {1319, "Philippines"},
    {1320, "Poland"}, {1321, "Portugal"}, {1322, "Qatar"}, {1323, "Reunion Island"},
    {1324, "Romania"}, {1325, "Russia"}, {1326, "Rwanda"}, {1327, "Sao Tome & Principe"},
    {1328, "Saudi Arabia"}, {1329, "Senegal"}, {1330, "Serbia/Montenegro"}, {1331, "Seychelles"},
    {1332, "Singapore"}, {1333, "Slovak Republic"}, {1334, "Slovenia"}, {1335, "South Africa"},
    {1336, "South Korea"}, {1337, "Spain"}, {1338, "Sri Lanka"}, {1339, "Sudan"},
    {1340, "Suriname"}, {1341, "Swaziland"}, {1342, "Sweden"}, {1343, "Switzerland"},
    {1344, "Syria"}, {1345, "Taiwan"}, {1346, "Tajikistan"}, {1347, "Tanzania"},
    {1348, "Thailand"}, {1349, "Togo"}, {1350, "Trinidad & Tobago"}, {1351, "Tunisia"},
    {1352, "Turkey"}, {1353, "Turkmenistan"}, {1354, "Uganda"}, {1355, "Ukraine"},
    {1356, "United Arab Emirates"}, {1357, "United Kingdom"}, {1358, "United States"},
    {1359, "Uruguay"}, {1360, "Uzbekistan"}, {1361, "Vanuatu"}, {1362, "Venezuela"},
    {1363, "Vietnam"}, {1364, "Wallis and Futuna"}, {1365, "Yemen"}, {1366, "Zaire"},
    {1367, "Zambia"}, {1368, "Zimbabwe"},
};

void expectTexts(const char* group, const Expected* begin, const Expected* end) {
  SCOPED_TRACE(group);
  for (const Expected* e = begin; e != end; ++e) {
    SCOPED_TRACE(e->id);
    EXPECT_EQ(ui::loadString(e->id), e->text);
  }
}

TEST(StringTableTest, EveryDefinedTextIsStoredByteForByte) {
  expectTexts("messages", std::begin(kMessages), std::end(kMessages));
  expectTexts("prefixes and suffixes", std::begin(kLists), std::end(kLists));
  expectTexts("survey", std::begin(kSurvey), std::end(kSurvey));
  expectTexts("service values", std::begin(kServiceValues), std::end(kServiceValues));
  expectTexts("countries", std::begin(kCountries), std::end(kCountries));
  EXPECT_EQ(std::size(kCountries), 169u);
}

// Ids the program asks for that have no string of their own in the program: the text is empty
// (the consumer survey and message 209 come only with the language modules).
TEST(StringTableTest, IdsWithoutStringGiveEmptyText) {
  unsigned ids[] = {209, 235, 1520, 1609};
  for (unsigned id : ids) {
    SCOPED_TRACE(id);
    EXPECT_EQ(ui::loadString(id), "");
  }
  struct {
    unsigned first, last;
  } consumerSurvey[] = {{975, 986}, {1000, 1011}, {1025, 1033}};
  for (const auto& range : consumerSurvey) {
    for (unsigned id = range.first; id <= range.last; ++id) {
      SCOPED_TRACE(id);
      EXPECT_EQ(ui::loadString(id), "");
    }
  }
}

// The country tables read these ranges by position; a hole would show as an empty entry.
TEST(StringTableTest, StateAndPrefectureListsHaveNoHoles) {
  struct {
    const char* list;
    unsigned first, last;
  } ranges[] = {
      {"United States and Canada", 550, 612},
      {"Japan", 1900, 1946},
      {"Brazil", 2550, 2576},
  };
  for (const auto& r : ranges) {
    SCOPED_TRACE(r.list);
    for (unsigned id = r.first; id <= r.last; ++id) {
      SCOPED_TRACE(id);
      EXPECT_FALSE(ui::loadString(id).empty());
    }
  }
}

TEST(StringTableTest, EveryMailingAddressGroupHasItsLines) {
  struct {
    unsigned first, lines;
  } groups[] = {
      {1600, 5}, {1605, 4}, {1610, 5}, {1615, 6}, {1622, 4}, {1629, 5}, {1636, 6}, {1643, 6},
      {1650, 6}, {1657, 4}, {1664, 5}, {1671, 5}, {1678, 6}, {1685, 6}, {1692, 5}, {1699, 6},
      {1706, 6}, {1713, 6}, {1720, 6}, {1727, 6}, {1734, 5}, {1741, 6}, {1748, 4}, {1755, 6},
      {1762, 6}, {1769, 5}, {1776, 5}, {1783, 5}, {1790, 6}, {1797, 6}, {1804, 5}, {1811, 6},
      {1818, 4}, {1825, 5}, {1832, 6},
  };
  for (const auto& g : groups) {
    for (unsigned id = g.first; id < g.first + g.lines; ++id) {
      SCOPED_TRACE(id);
      const std::string line = ui::loadString(id);
      EXPECT_FALSE(line.empty());
      EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
    }
  }
}

// Texts beyond ASCII are bytes of the program's ANSI code page 1252, not UTF-8.
TEST(StringTableTest, AccentedTextsAreInCodePage1252) {
  EXPECT_EQ(ui::loadString(2557), "Esp\xEDrito Santo");
  EXPECT_EQ(ui::loadString(2574), "S\xE3o Paulo");
  EXPECT_EQ(ui::loadString(1720), "OVX Ha\xEFti");
}

// The privacy dialog runs 244, 236 and 237 together, and 238, 239 and 240; a piece that does
// not end in a blank would run its last sentence into the next.
TEST(StringTableTest, PrivacyStatementPiecesJoinIntoSentences) {
  for (unsigned id = 236; id <= 244; ++id) {
    SCOPED_TRACE(id);
    EXPECT_FALSE(ui::loadString(id).empty());
  }
  for (unsigned id : {244u, 236u, 238u, 239u}) {
    SCOPED_TRACE(id);
    const std::string piece = ui::loadString(id);
    ASSERT_FALSE(piece.empty());
    EXPECT_EQ(piece.back(), ' ');
  }
}

bool isDocumentationHost(std::string_view host) {
  for (std::string_view domain : {"example.com", "example.net", "example.org"}) {
    if (host == domain) return true;
    if (host.size() > domain.size() && host.ends_with(domain) &&
        host[host.size() - domain.size() - 1] == '.')
      return true;
  }
  return false;
}

// Deployment values shipped in the script must not point at anybody's real servers.
TEST(StringTableTest, WebAddressesAndServerUseDocumentationNames) {
  for (unsigned id : {301u, 303u, 305u}) {
    SCOPED_TRACE(id);
    const std::string text = ui::loadString(id);
    std::string_view url = text;
    const std::string_view scheme = "http://";
    ASSERT_TRUE(url.starts_with(scheme));
    url.remove_prefix(scheme.size());
    EXPECT_TRUE(isDocumentationHost(url.substr(0, url.find('/'))));
  }
  // String 307 is a host name followed by the service's path prefix.
  const std::string server = ui::loadString(307);
  const auto slash = server.find('/');
  ASSERT_NE(slash, std::string::npos);
  EXPECT_TRUE(isDocumentationHost(std::string_view(server).substr(0, slash)));
}

}  // namespace
}  // namespace kvr
