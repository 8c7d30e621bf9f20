// The framework's standard command, string and window ids. Plain #define
// lines so that the resource script can include this file too.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Strings
#define AFX_IDS_APP_TITLE 57344
#define AFX_IDS_IDLEMESSAGE 57345

// Commands
#define ID_FILE_NEW 57600
#define ID_FILE_OPEN 57601
#define ID_FILE_CLOSE 57602
#define ID_FILE_SAVE 57603
#define ID_FILE_SAVE_AS 57604
#define ID_FILE_MRU_FILE1 57616
#define ID_FILE_MRU_FILE16 57631
#define ID_EDIT_CLEAR 57632
#define ID_EDIT_CLEAR_ALL 57633
#define ID_EDIT_COPY 57634
#define ID_EDIT_CUT 57635
#define ID_EDIT_FIND 57636
#define ID_EDIT_PASTE 57637
#define ID_EDIT_REPEAT 57640
#define ID_EDIT_REPLACE 57641
#define ID_EDIT_SELECT_ALL 57642
#define ID_EDIT_UNDO 57643
#define ID_EDIT_REDO 57644
#define ID_WINDOW_SPLIT 57653
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665
#define ID_NEXT_PANE 57680
#define ID_PREV_PANE 57681
#define ID_VIEW_TOOLBAR 59392

// Status-bar indicators
#define ID_INDICATOR_EXT 59136
#define ID_INDICATOR_CAPS 59137
#define ID_INDICATOR_NUM 59138
#define ID_INDICATOR_SCRL 59139
#define ID_INDICATOR_OVR 59140
#define ID_INDICATOR_REC 59141
#define ID_INDICATOR_KANA 59142

// Windows
#define AFX_IDW_PANE_FIRST 59648
