// Resource ids of Lumenkin, grouped in ranges so that no two ever collide.
// Named resources (icons, dialogs, bitmaps by name) need no id here.
#pragma once

// --- Icons and bitmaps with numeric ids ----------------------------- 100..199
#define IDI_ABOUT_WARNING           105

// --- Dialog controls: About, background colour, warnings ------------ 200..299, 1007
#define IDC_WARNMUSIC_NOTAGAIN      1007

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

// --- Strings: dialogs ----------------------------------------------- 2200..2299

// --- Strings: light string ------------------------------------------ 2300..2399

// --- Strings: screen saver ------------------------------------------ 2400..2499

// --- Strings: music ------------------------------------------------- 2500..2599
