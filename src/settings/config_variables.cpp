#include "settings/config_variables.h"

const char *const default_title_script =
    "[%artist% - ]$if(%album%,'['%album% $if(%tracknumber%,'#'%tracknumber%,)'] ',)"
    "$if(%title%,%title%,%_filename%)[ '['%length%']']";

const char *const default_presets[default_preset_count] = {default_title_script, "%artist% - %title%",
                                                           "%artist% - %title% (%album%)"};

// Every stored variable is defined here, in this order, because each constructor pushes onto the
// front of the process-wide lists: the stored chain then runs from cfg_presets back to cfg_enabled,
// and the status record, when there is one, comes after the settings, where versions without it
// skip it. A new setting is defined last, so that it leads the chain and the status record stays
// at its end.
cfg_owed_bytes cfg_owed_status(
    GUID{0x7BDCEC3C, 0x417B, 0x4253, {0x98, 0xED, 0x39, 0x24, 0x5F, 0xF7, 0xDA, 0x51}},
    owed_status_most_bytes);
cfg_int_t<bool> cfg_enabled(
    GUID{0x46DDA65C, 0x4558, 0x40BF, {0xB2, 0x4D, 0x7C, 0x26, 0x8E, 0x30, 0x8B, 0xB9}}, default_enabled);
cfg_string cfg_active_script(
    GUID{0xD7A78114, 0xF9E5, 0x4FF0, {0xBB, 0x9F, 0x4F, 0xB6, 0x15, 0xB7, 0x41, 0xFA}}, default_title_script);
cfg_string cfg_top_text(GUID{0x13EC54BB, 0x6000, 0x40BC, {0xA4, 0xD8, 0x25, 0x99, 0x3B, 0x61, 0x4B, 0xD7}},
                        default_top_text);
cfg_int_t<bool> cfg_music_status_only(
    GUID{0xFBFC5D40, 0x0B0E, 0x4BEE, {0x8B, 0xF8, 0xD4, 0x88, 0x88, 0xF2, 0x6A, 0x25}},
    default_music_status_only);
cfg_int_t<bool> cfg_keep_status_picture(
    GUID{0x61C129A9, 0xC2E1, 0x4B15, {0x84, 0x1F, 0x68, 0x73, 0x6C, 0xED, 0xB4, 0xA9}},
    default_keep_status_picture);
cfg_int_t<bool> cfg_keep_top_text(
    GUID{0x3A2DEE3A, 0x64BA, 0x4FD9, {0x86, 0xA7, 0xF5, 0x46, 0xB1, 0x50, 0x4D, 0x0B}},
    default_keep_top_text);
cfg_string_list cfg_presets(GUID{
    0x7D999BAF, 0x512E, 0x42CD, {0xA0, 0xFE, 0xF7, 0xC7, 0xB1, 0x01, 0x9C, 0x53}});
