/* English texts of the dialog controls in dialogs.rc: one T_<control id> macro per control
   that shows a text (IDC_EMAIL_LABEL has two, the phone registration's is
   T_IDC_EMAIL_LABEL_PHONE). A language module supplies the same names in
   lang/<CODE>_dialog_texts.h. Keep "&" mnemonics, and leading and trailing blanks. */
#ifndef KVR_DIALOG_TEXTS_ENU_H
#define KVR_DIALOG_TEXTS_ENU_H

/* IDD_SYSTEM_INFO_PAGE */
#define T_IDC_SYSINFO_TITLE       "System Information"
#define T_IDC_SYSINFO_INTRO       "The following system information was found.  Sending us this information will make your registration more accurate. "
#define T_IDC_MANUFACTURER_LABEL  "Manufacturer:"
#define T_IDC_MODEL_LABEL         "Machine Type and Model:"
#define T_IDC_SERIAL_LABEL        "Serial Number:"
#define T_IDC_OS_LABEL            "Operating System:"
#define T_IDC_SYSINFO_QUESTION    "Send system information with registration?"
#define T_IDC_SYSINFO_YES         "Yes"
#define T_IDC_SYSINFO_NO          "No"
#define T_IDC_SYSINFO_BACK        "< &Back"
#define T_IDC_SYSINFO_NEXT        "&Next >"
#define T_IDC_SYSINFO_EXIT        "E&xit"

/* IDD_CONTACT_PAGE */
#define T_IDC_CONTACT_TITLE       "Contact Information"
#define T_IDC_CONTACT_SUBTITLE    "  Please complete or verify if already completed. "
#define T_IDC_PREFIX_LABEL        "Prefix"
#define T_IDC_FIRST_NAME_LABEL    "First Name"
#define T_IDC_INITIAL_LABEL       "Initial"
#define T_IDC_LAST_NAME_LABEL     "Last Name"
#define T_IDC_SUFFIX_LABEL        "Suffix"
#define T_IDC_JOB_TITLE_LABEL     "Job Title"
#define T_IDC_COMPANY_LABEL       "Company"
#define T_IDC_STREET_LABEL        "Street Address"
#define T_IDC_PO_BOX_LABEL        "P.O. Box Number/Apt/Suite"
#define T_IDC_CITY_LABEL          "City"
#define T_IDC_STATE_LABEL         "State/Prov."
#define T_IDC_ZIP_LABEL           "Zip/Postal Code"
#define T_IDC_COUNTRY_LABEL       "Country"
#define T_IDC_FRENCH_MAIL         "I would prefer future correspondence in French (Canadian residents only). "
#define T_IDC_PHONE_LABEL         "Phone"
#define T_IDC_EXTENSION_LABEL     "Ext."
#define T_IDC_EMAIL_LABEL         "E-Mail Address"
#define T_IDC_CONSENT             "The data above may be used for marketing purposes as described in ''Your Privacy.''"
#define T_IDC_PRIVACY             "Your &Privacy..."
#define T_IDC_CONTACT_BACK        "<&Back"
#define T_IDC_CONTACT_NEXT        "&Next>"
#define T_IDC_CONTACT_EXIT        "E&xit"

/* IDD_ADDITIONAL_INFO_PAGE */
#define T_IDC_ADDITIONAL_TITLE    "Additional Information"
#define T_IDC_ADDITIONAL_SUBTITLE "  Please complete or verify if already completed. "
#define T_IDC_USAGE_LABEL         "Where do you plan to use this product?"
#define T_IDC_USAGE_HOME          "Home"
#define T_IDC_USAGE_BUSINESS      "Business"
#define T_IDC_USAGE_HOME_BUSINESS "Home/Business"
#define T_IDC_VISIT_TITLE         "Come visit us!"
#define T_IDC_BOOKMARK1           "Shop OVX"
#define T_IDC_BOOKMARK2           "OVX Global Services"
#define T_IDC_BOOKMARK3           "OVX Software"
#define T_IDC_ADDITIONAL_BACK     "< &Back"
#define T_IDC_SUBMIT              "&Submit"
#define T_IDC_ADDITIONAL_EXIT     "E&xit"

/* IDD_THANK_YOU */
#define T_IDC_THANKS_TITLE        "Thank you"
#define T_IDC_THANKS_TEXT         "Thank you for taking the time to register!"
#define T_IDC_THANKS_EXIT         "E&xit"

/* IDD_EXIT_CONFIRM */
#define T_IDC_EXIT_TEXT           "You have chosen to exit without registering.  Are you sure you want to exit?"
#define T_IDC_PROMPT_LATER        "Prompt me to register in the future."
#define T_IDC_EXIT_YES            "&Yes"
#define T_IDC_EXIT_NO             "&No"

/* IDD_CONNECT_FAIL */
#define T_IDC_FAIL_MESSAGE        "errorConnect message"
#define T_IDC_FAIL_PROMPT         "A connection could not be made to the Internet.  Please select one of the following options:"
#define T_IDC_CHOICE_LATER        "Prompt me to register in the future"
#define T_IDC_CHOICE_SUBMIT       "Submit now (ensure that your Internet connection is active)"
#define T_IDC_CHOICE_PRINT        "Print and register by mail"
#define T_IDC_FAIL_OK             "OK"
#define T_IDC_FAIL_CANCEL         "Cancel"

/* IDD_PRINTING */
#define T_IDC_PRINTING_TEXT       "Press cancel to stop printing."
#define T_IDC_PRINTING_CANCEL     "Cancel"

/* IDD_CONNECTING */
#define T_IDC_CONNECTING_TEXT     "Making connection...please wait"
#define T_IDC_CONNECTING_CANCEL   "Cancel"

/* IDD_PHONE_REGISTRATION */
#define T_IDC_PRODUCT_NAME_LABEL  "Product name:"
#define T_IDC_PRODUCTS_LABEL      "Product:"
#define T_IDC_EMAIL_LABEL_PHONE   "Email:"
#define T_IDC_EMAIL_MESSAGE_LABEL "Email Message:"
#define T_IDC_REASON_LABEL        "Primary reason for purchasing product:"
#define T_IDC_SURVEY_LABEL2       "Industry:"
#define T_IDC_SURVEY_LABEL3       "Number of Employees:"
#define T_IDC_OS_NAME_LABEL       "O/S:"
#define T_IDC_OS_VERSION_LABEL    "O/S Version:"
#define T_IDC_LOCATION_LABEL      "Installation Location:"
#define T_IDC_BENEFITS_LABEL      "Benefits:"
#define T_IDC_CLIENT_NUMBER_LABEL "Client Number:"
#define T_IDC_KVR_VERSION_LABEL   "KVR Version:"
#define T_IDC_PHONE_NEXT          "&Next>"

/* IDD_PHONE_EXIT */
#define T_IDC_PHONE_EXIT_TEXT     "You have chosen to exit the program.  If you have not done so, please take a moment and contact the OVX representative to register your product.  Once you exit, the information displayed will be deleted."
#define T_IDC_PHONE_EXIT_BACK     "<&Back"
#define T_IDC_PHONE_EXIT_NEXT     "&Next>"

/* IDD_PRIVACY */
#define T_IDC_PRIVACY_OK          "&OK"

/* IDD_SERVER_SETTINGS */
#define T_IDC_SERVER_PROMPT       "Please select the type of your Internet connection and enter the URL of the server (for example proxy.example.com or 192.0.2.80)."
#define T_IDC_SERVER_DIRECT       "Direct  (No server required below)"
#define T_IDC_SERVER_SOCKS        "Socks Server"
#define T_IDC_SERVER_HTTP         "HTTP Server"
#define T_IDC_SERVER_AUTOPROXY    "Autoproxy Server"
#define T_IDC_SERVER_URL_LABEL    "Server URL:"
#define T_IDC_SERVER_OK           "OK"
#define T_IDC_SERVER_CANCEL       "Cancel"

#endif
