#pragma once

// Command and control identifiers of the menus, toolbar and bars.
enum CommandId : int {
  ID_VIEW_RECORDBAR = 103,          // show or hide the record bar
  IDC_RULER_X = 1001,               // record bar check boxes
  IDC_RULER_Y = 1002,
  IDC_RECORD = 1035,                // record bar buttons and slider
  IDC_PLAYBACK = 1036,
  IDC_PAUSE = 1037,
  IDC_STOP = 1038,
  IDC_POSITION = 1039,
  ID_HIDE_CONTROL_PANEL = 32771,
  ID_HIDE_LIST_VIEW = 32772,
  ID_SETTINGS = 32775,
  ID_START_SAMPLING = 32776,
  ID_STOP_SAMPLING = 32777,
  ID_SAVE_SAMPLE = 32781,
  ID_HOME_PAGE = 32784,
  ID_PLUGIN_SETTINGS = 32785,
  ID_DISTORTION_ANALYZER = 32900,   // opens the distortion analyzer window
  ID_TRANSFER_FUNCTION = 32901,     // opens the transfer-function window
  ID_FILE_NEW = 57600,
  ID_FILE_OPEN = 57601,
  ID_FILE_SAVE = 57603,
  ID_FILE_PRINT_SETUP = 57606,
  ID_FILE_PRINT = 57607,
  ID_FILE_PRINT_PREVIEW = 57609,
  ID_CLEAR_SAMPLE = 57632,
  ID_CAPTURE_SAMPLE = 57634,
  ID_APP_ABOUT = 57664,
  ID_APP_EXIT = 57665,
  ID_NEXT_PANE = 57680,
  ID_PREV_PANE = 57681,
  ID_VIEW_TOOLBAR = 59392,
  ID_VIEW_STATUS_BAR = 59393,
};
