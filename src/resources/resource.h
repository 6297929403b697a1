#pragma once

// Ids of the component's resources and dialog controls, shared by the resource script and the code
// that drives the dialogs. The resource compiler reads only preprocessor definitions.

#define IDI_TUNESIGNAL 103

#define IDD_PREFERENCES 143
#define IDC_TOP_TEXT 1000
#define IDC_MUSIC_STATUS_ONLY 1009
#define IDC_PRESETS 1013
#define IDC_ADD 1014
#define IDC_DELETE 1015
#define IDC_UP 1016
#define IDC_DOWN 1017
#define IDC_DEFAULTS 1018
#define IDC_SET_ACTIVE 1019
#define IDC_KEEP_STATUS_PICTURE 1020
#define IDC_KEEP_TOP_TEXT 1023
#define IDC_ACTIVE_SCRIPT 1087

#define IDD_PRESET_EDITOR 104
#define IDC_PRESET_SCRIPT 1011
#define IDC_PRESET_PREVIEW 1012
