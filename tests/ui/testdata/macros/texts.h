#pragma code_page(65001)
/* Texts of macros.rc, in a header with its own code page and include guard, as the dialog
   texts of a language module are. */
#ifndef KVR_TESTS_UI_MACRO_TEXTS_H
#define KVR_TESTS_UI_MACRO_TEXTS_H

#define T_TITLE     "Grüße"
#define T_LABEL     "&Name:"
#define T_QUOTED    "say ""hi"" and \"bye\""
#define T_EMPTY     ""
#define T_STRING    "from a macro"
#define T_FIRST     "first "

#endif
