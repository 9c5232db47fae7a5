/* Ids shared by the test scripts, as res/resource.h is shared by the program's. */
#ifndef KVR_TESTS_UI_IDS_H
#define KVR_TESTS_UI_IDS_H

#define IDS_PROGRAM_ONLY 100
#define IDS_GREETING 101
#define IDS_MODULE_ONLY 102
#define IDS_QUOTES 103
#define IDS_ESCAPES 104
#define IDS_JOINED 105
#define IDS_EMPTY 106
#define IDS_TITLE 313

#define IDD_PAGE 2100
#define IDD_START 2402
#define IDD_EVERYTHING 300
#define IDD_PLAIN 301

#define IDC_RIGHT 310
#define IDC_CENTRE 311
#define IDC_NAME 312
#define IDC_COUNTRY 313
#define IDC_LIST 314
#define IDC_GROUP 315
#define IDC_CHECK 316
#define IDC_AUTOCHECK 317
#define IDC_RADIO 318
#define IDC_YES 319
#define IDC_PICTURE 320
#define IDC_NAMED 321
#define IDC_BITMAP 322
#define IDC_CUSTOM 323
#define IDC_LABEL (-1)

#define IDB_START 2450
#define IDB_CORNER 2451
#define IDI_APP 2475

#ifdef APSTUDIO_INVOKED
#define LEFT_OUT this is never read
#endif

#endif
