#pragma once
// Resource ids of the program: icons, the images of the clock face, the
// button glyphs and the alarm's built-in sounds. Plain macros, so that the resource compiler reads this file
// as well as C++ code. The artwork generator writes the bitmaps under these ids.

// The program's version as the windows show it.
#define ORLAVOX_VERSION_TEXT "2.5"

// The program's own icon comes first, so that Explorer shows it for the exe.
#define IDI_PROGRAM 1
// The tray clock's dial without hands (16 x 16, 16 colours).
#define IDI_TRAY_DIAL 1001

// Image lists of the clock face: image k of a list is bitmap BASE + k.
#define IDB_HRMIN_BASE 2000 /* 11 images, 31 x 47 */
#define IDB_SEC_BASE 2100   /* 11 images, 22 x 33 */
#define IDB_MS_BASE 2200    /* 11 images, 14 x 21 */
#define IDB_MISC_BASE 2300  /* 22 images, sizes per image */

// Button glyphs, 16 x 16 with alpha: glyph g is IDB_GLYPH_BASE + 2 g,
// its disabled variant IDB_GLYPH_BASE + 2 g + 1 (g as in the Glyph enum).
#define IDB_GLYPH_BASE 3000
#define IDB_GLYPH_ALARM 3000
#define IDB_GLYPH_SETTINGS 3002
#define IDB_GLYPH_DOTS 3004
#define IDB_GLYPH_QUESTION 3006
#define IDB_GLYPH_SPEAKER 3008
#define IDB_GLYPH_DOWN 3010
#define IDB_GLYPH_OK 3012
#define IDB_GLYPH_CANCEL 3014
#define IDB_GLYPH_HELP 3016
#define IDB_GLYPH_PLAY 3018
#define IDB_GLYPH_COUNT 10

// The alarm's built-in sounds, whole wave files (RCDATA) written by soundgen:
// built-in sound n (1..4) is IDR_ALARM_SOUND_FIRST + n - 1.
#define IDR_ALARM_SOUND_FIRST 4001
#define IDR_ALARM_SOUND_YIPE 4001
#define IDR_ALARM_SOUND_LAZER 4002
#define IDR_ALARM_SOUND_WHISTLE 4003
#define IDR_ALARM_SOUND_FANFARE 4004

// The words of the clock's windows, one UTF-8 file per language (RCDATA,
// resources/lang/): language l (its place in lang/languages.def) is
// IDR_LANG_FIRST + l.
#define IDR_LANG_FIRST 4100

// Commands of the main popup menu.
#define IDM_SPEAK 40001
#define IDM_ALARM_SETUP 40002
#define IDM_SETTINGS 40003
#define IDM_HELP 40004
#define IDM_BIG_DISPLAY 40005
#define IDM_SMALL_DISPLAY 40006
#define IDM_ABOUT 40007
#define IDM_MORE_FEATURES 40008
#define IDM_MINIMIZE_TO_TRAY 40009
#define IDM_EXIT 40010
#define IDM_MORE_OPTIONS 40011
#define IDM_ALARMS 40012
