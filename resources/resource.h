// Resource ids of Lumenkin, grouped in ranges so that no two ever collide.
// Named resources (icons, dialogs, bitmaps by name) need no id here.
#pragma once

// --- Icons and bitmaps with numeric ids ----------------------------- 100..199
#define IDI_ABOUT_WARNING           105

// --- Dialog controls: About, background colour, warnings ------------ 200..299, 1007
#define IDC_WARNMUSIC_NOTAGAIN      1007
#define IDC_BACKCOLOR_DESKTOP       101     // background colour: "Use desktop color"
#define IDC_BACKCOLOR_CUSTOM        102     // background colour: "Custom:"
#define IDC_BACKCOLOR_LIST          103     // background colour: the colour combo
#define IDC_ABOUT_BUILD             201     // About: the build-date line
#define IDC_ABOUT_WEB               202     // About: the maker's lines, filled from the string table
#define IDC_ABOUT_EMAIL             203
#define IDC_ABOUT_COPYRIGHT         204
#define IDB_ABOUT_TITLE             1500    // About pictures from the art generator
#define IDB_ABOUT_BANNER            1501
#define IDB_ABOUT_BULB              118

// --- Strings: application shell ------------------------------------ 2000..2099
#define IDS_APP_TITLE               2000    // caption of the main window and message boxes
#define IDS_NEED_WIN95              2001
#define IDS_MENU_ONTOP              2010
#define IDS_MENU_HIDE               2011
#define IDS_MENU_ZOOM               2012
#define IDS_MENU_ABOUT              2013
#define IDS_MENU_OPTIONS            2014
#define IDS_MENU_REMOVE             2015
#define IDS_MAKER_SECTION           2020
#define IDS_MAKER_WEB               2021
#define IDS_MAKER_EMAIL             2022
#define IDS_MAKER_COPYRIGHT         2023

// --- Strings: tray and own taskbar window --------------------------- 2100..2199, 4500
#define IDS_TRAY_TIP                4500
#define IDS_TRAY_TITLE              2100    // the tray menu's title line
#define IDS_BAR_BACKCOLOR           2110    // the bar's context menu
#define IDS_BAR_AUTOHIDE            2111
#define IDS_BAR_ONTOP               2112
#define IDS_BAR_EXIT                2113

// --- Strings: dialogs ----------------------------------------------- 2200..2299
#define IDS_ABOUT_BUILD_FORMAT      2200    // "Build Date: %s"
#define IDS_ABOUT_BUILD_DATE        2201
#define IDS_MENU_CLOSE_DIALOG       2202    // a dialog's context menu: "&Close\tAlt+F4"
// Tooltips of the Options dialog, 2210..2249
#define IDS_TIP_OK                  2210
#define IDS_TIP_CANCEL              2211
#define IDS_TIP_QUIT                2212
#define IDS_TIP_HELP                2213
#define IDS_TIP_OWN_WINDOW          2214
#define IDS_TIP_NO_FLICKER          2215
#define IDS_TIP_MODE_NONE           2216
#define IDS_TIP_MODE_RANDOM         2217
#define IDS_TIP_MODE_TOGETHER       2218
#define IDS_TIP_MODE_CHASE          2219
#define IDS_TIP_MODE_ALTERNATING    2220
#define IDS_TIP_MODE_SOME           2221
#define IDS_TIP_BURNT_OUT           2222
#define IDS_TIP_BROKEN              2223
#define IDS_TIP_MISSING             2224
#define IDS_TIP_BULB_TYPE           2225
#define IDS_TIP_MUSIC               2226
#define IDS_TIP_MORE_LIGHTS         2227
#define IDS_TIP_COLOR               2228
#define IDS_TIP_PLAYLIST            2229
#define IDS_TIP_RATE                2230
#define IDS_TIP_SAVER_ENABLE        2231
#define IDS_TIP_SAVER_TEST          2232
#define IDS_TIP_SAVER_TYPE          2233
#define IDS_TIP_APPLY               2234
#define IDS_TIP_ZOOM                2235
#define IDS_TIP_SOUND               2236
#define IDS_TIP_PREVIEW             2237
#define IDS_TIP_START_OPTIONS       2238
#define IDS_TIP_SAVER_SETUP         2239
#define IDS_TIP_KEY_LIGHTS          2240
#define IDS_TIP_POWER               2241
#define IDS_TIP_CHANGE_BULBS        2242
// Tooltips of the saver setup dialog, 2250..2259
#define IDS_TIP_SETUP_OK            2250
#define IDS_TIP_SETUP_CANCEL        2251
#define IDS_TIP_SETUP_DELAY         2252
#define IDS_TIP_SETUP_MOUSE_MOVE    2253
#define IDS_TIP_SETUP_IGNORE_WINSS  2254
#define IDS_TIP_SETUP_MOUSE_CLICK   2255

// --- Strings: light string ------------------------------------------ 2300..2399
// The catalogue's texts stand at fixed places: string first + index, read until one is missing.
#define IDS_RATE_NAME_FIRST         4000    // 4000..4004: "Very Slow" .. "Very Fast"
#define IDS_BULB_TYPE_NAME_FIRST    4999    // 4999..5020: "Random", then the 21 bulb types
#define IDS_BULB_TYPE_ICON_FIRST    5999    // 5999..6020: icon name of each type's list picture

// --- Strings: screen saver ------------------------------------------ 2400..2499, 3800
#define IDS_SAVER_BAD_DELAY         2400    // the setup dialog refuses a delay outside 1..60
#define IDS_SAVER_TYPE_NAME_FIRST   3800    // 3800..3806: the saver types' names, by SSType

// --- Dialog controls: saver setup dialog (ids fixed by the dialog) -- 167..172 in SSSetupDlg
#define IDC_SSSETUP_DELAY           167     // minutes before the saver starts
#define IDC_SSSETUP_MOUSE_MOVE      168
#define IDC_SSSETUP_IGNORE_WINSS    169
#define IDC_SSSETUP_MOUSE_CLICK     171
#define IDC_SSSETUP_MESSAGE         172

// --- Strings: music ------------------------------------------------- 2500..2599
#define IDS_MIDI_START_PLAYING      2500    // guard message: a start while a song plays
#define IDS_MIDI_START_CLOSING      2501    // guard message: a start while the stop runs
#define IDS_MIDI_NOTHING            2502    // "<nothing>": what the Playing label shows between songs
#define IDS_MIDI_SONG_ERROR         2503    // "%s (%s)": a song's name with the MCI error it met

// --- Dialog controls: Options dialog (ids fixed by the dialog) ------ 100..499 in OptionsDlg
#define IDC_OPT_QUIT                3       // "&Quit"
#define IDC_OPT_HELP                9       // "&Help"
#define IDC_OPT_OWN_WINDOW          10      // "Draw in own Taskbar" (shown, never enabled)
#define IDC_OPT_NO_FLICKER          11      // "Prevent Flicker"
#define IDC_OPT_MODE_FIRST          101     // 101..106: the flashing-mode buttons, None .. Some Flash
#define IDC_OPT_MODE_LAST           106
#define IDC_OPT_BURNT_OUT           135
#define IDC_OPT_BROKEN              136
#define IDC_OPT_MISSING             137
#define IDC_OPT_BULB_TYPE           140     // owner-drawn bulb-type list
#define IDC_OPT_MUSIC               146     // "&Play Music"
#define IDC_OPT_MORE_LIGHTS         147     // checked when NotSoMany is clear
#define IDC_OPT_COLOR               148     // owner-drawn colour list
#define IDC_OPT_PLAYLIST            149     // owner-drawn list of the MIDI files, ticked = in the playlist
#define IDC_OPT_RATE                150     // flash-rate slider
#define IDC_OPT_RATE_NAME           151
#define IDC_OPT_BULB_ICON           152     // hidden bulb picture
#define IDC_OPT_SAVER_ENABLE        153
#define IDC_OPT_SAVER_TEST          154
#define IDC_OPT_SAVER_TYPE          155
#define IDC_OPT_APPLY               156
#define IDC_OPT_POWER_LABEL         158
#define IDC_OPT_ZOOM                159
#define IDC_OPT_SOUND               160
#define IDC_OPT_PREVIEW             161     // etched frame the flash preview is drawn in
#define IDC_OPT_START_OPTIONS       163
#define IDC_OPT_SAVER_SETUP         166
#define IDC_OPT_SPARE_LABEL         167     // emptied at opening
#define IDC_OPT_KEY_LIGHTS          170     // "Flash &LEDs"
#define IDC_OPT_NOW_PLAYING         173
#define IDC_OPT_IDLE                174     // "Idle Process" (shown, never enabled)
#define IDC_OPT_VERSION             200
#define IDC_OPT_POWER               400     // owner-drawn power switch
#define IDC_OPT_CHANGE_BULBS        1008
#define IDC_WARNPOWER_TITLE         162     // power warning: the red title line
#define IDC_WARNPOWER_NOTAGAIN      164     // power warning: "Do not show this warning in the future"
#define IDB_OPTIONS_BANNER          1300    // Options pictures from the art generator
#define IDB_OPTIONS_NOTE            1502

// --- Strings: Options dialog (lists and labels fixed by number) ----- 3600.., 3800.., 4000.., 9000
// The lists are read string after string until one is missing.
#define IDS_POWER_LABEL_FIRST       3600    // 3600 "Off", 3601 "On"
#define IDS_OPT_HELP                3610    // the Help button's text
#define IDS_OPT_NO_MIDI_FILES       3611    // "No MIDI files found."
#define IDS_OPT_PLAYING_FORMAT      3612    // "Playing: %s"
#define IDS_OPT_NOTHING_PLAYING     3613    // "<nothing>"
#define IDS_OPT_NO_MUSIC_SELECTED   3614
#define IDS_OPT_SWITCH_PICTURE_MISSING 3615 // "could not load bitmap"
#define IDS_OPT_COLOR_ITEM_FIRST    3620    // 3620..3630: colour list items "icon:label"
#define IDS_OPT_VERSION             9000    // "2..1"
