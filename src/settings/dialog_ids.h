#pragma once

// Resource and control ids of the preferences page and the preset editor, as the resource script
// gives them (resources/tunesignal.rc).

constexpr int icon_tunesignal = 103;

constexpr int dialog_preferences_page = 143;
constexpr int edit_top_text = 1000;
constexpr int check_music_status_only = 1009;
constexpr int list_presets = 1013;
constexpr int button_add = 1014;
constexpr int button_delete = 1015;
constexpr int button_up = 1016;
constexpr int button_down = 1017;
constexpr int button_defaults = 1018;
constexpr int button_set_active = 1019;
constexpr int check_keep_status_picture = 1020;
constexpr int check_keep_first_edit = 1023;
constexpr int edit_active_script = 1087;

constexpr int dialog_preset_editor = 104;
constexpr int edit_preset_script = 1011;
constexpr int edit_preset_preview = 1012;
