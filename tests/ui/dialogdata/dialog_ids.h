/* Ids of the dialogs the framework tests run. */
#ifndef KVR_TESTS_UI_DIALOG_IDS_H
#define KVR_TESTS_UI_DIALOG_IDS_H

#define IDD_FORM 700
#define IDD_SMALL 701
#define IDD_ABSENT 702

#define IDC_OPEN 710
#define IDC_NAME 711
#define IDC_SORTED 712
#define IDC_EDITABLE 713
#define IDC_AGREE 714
#define IDC_RADIO_A 715
#define IDC_RADIO_B 716
#define IDC_RADIO_C 717
#define IDC_TITLE 718
#define IDC_HIDDEN 719
#define IDC_DISABLED 720

#define IDI_FORM 730
#define IDI_ABSENT 731

#endif
