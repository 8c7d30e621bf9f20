// Resource identifiers of Tavrilond. Included by the resource script and by
// the C++ code, so it holds #define lines only.
#pragma once

#define IDD_ABOUTBOX 100
#define IDD_BOARD_FORM 101
#define IDR_MAINFRAME 128
#define IDR_DOCUMENT_TYPE 129

#define IDC_BOARD_TEXT 1000
#define IDC_FORMAT_DISC 1001
#define IDC_FORMAT_DISC_COORD 1002
#define IDC_FORMAT_XO 1003
#define IDC_GET_BOARD 1004
#define IDC_COPY_ALL 1005
#define IDC_CLEAR_ALL 1006

#define ID_SELECT_ALL_TEXT 32771
