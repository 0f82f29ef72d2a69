#pragma once

// Command identifiers of the terminal window's menu and accelerators, and the
// control identifiers of the program's dialog templates. Plain definitions,
// shared by the resource script and by portable code.

// File menu
#define IDM_SAVEAS 101
#define IDM_UPLOAD 102
#define IDM_EXIT 103
#define IDM_APPEND 104
#define IDM_CONNECT 105
#define IDM_PRINT 106
#define IDM_PRINTSETUP 107
#define IDM_NEWSESSION 108
#define IDM_LOGGING 311

// Edit menu
#define IDM_COPY 201
#define IDM_COPYQUOTED 202
#define IDM_PASTE 203
#define IDM_FIND 204
#define IDM_SELECTALL 205
#define IDM_CLEARLINES 206
#define IDM_PASTESELECTION 207
#define IDM_PASTESELQUOTED 208

// Settings menu
#define IDM_TERMINAL 302
#define IDM_REMEMBERPOS 304
#define IDM_VSCROLLBAR 305
#define IDM_FONT 306
#define IDM_MULTINATIONAL 307
#define IDM_COLORS 308
#define IDM_AUTOFOCUS 309
#define IDM_SOFTSIZE 310
#define IDM_RESIZE80X24 602

// Macros (an item of the menu bar itself) and the repeat accelerator
#define IDM_MACROS 401
#define IDM_REPEATMACRO 601

// Help menu
#define IDM_HELPINDEX 501
#define IDM_HELPGENERAL 502
#define IDM_HELPKEYBOARD 503
#define IDM_HELPCOMMANDS 504
#define IDM_HELPPROCEDURES 505
#define IDM_HELPUSINGHELP 506
#define IDM_ABOUT 100

// The size item appended to the menu bar at creation
#define IDM_SIZEITEM 999

// HOSTDLGBOX
#define IDC_HOSTNAME 100

// FINDDLGBOX
#define IDC_FINDTEXT 100
#define IDC_FINDCASE 101

// TERMINALDLG
#define IDC_EMULATIONGROUP 300
#define IDC_TTY 301
#define IDC_VT100 302
#define IDC_VT200 303
#define IDC_MODESGROUP 310
#define IDC_NEWLINE 311
#define IDC_AUTOWRAP 312
#define IDC_MONITOR 313
#define IDC_MULTINATIONAL 314
#define IDC_LOCALECHO 315
#define IDC_UTF8 316
#define IDC_BSGROUP 320
#define IDC_BSDEL 321
#define IDC_BSCTRLH 322
#define IDC_CHARSETGROUP 340
#define IDC_USASCII 341
#define IDC_FINNISH 342
#define IDC_SWEDISH 343
#define IDC_BRITISH 344
#define IDC_HOMEGROUP 350
#define IDC_HOMECTRLA 351
#define IDC_HOMECTRLH 352
#define IDC_DEFAULTS 130

// COLORDLGBOX: one radio button per colour scheme, 100 + scheme
#define IDC_SCHEME_STANDARD 100
#define IDC_SCHEME_BLACKONWHITE 101
#define IDC_SCHEME_WHITEONBLACK 102
#define IDC_SCHEME_GREENONBLACK 103
#define IDC_SCHEME_WHITEONBLUE 104

// PASTEDLGBOX: how far the paste has got
#define IDC_PASTEPROGRESS 110

// LOGDLGBOX
#define IDC_LOGFILE 100
#define IDC_LINESONLY 101
#define IDC_ALLRCVDCHARS 102

// MACRODLGBOX
#define IDC_MACROGROUP 400
#define IDC_MACROSAVE 401
#define IDC_MACRODELETE 402
#define IDC_MACROTEXT 403
#define IDC_MACRONAME 404
#define IDC_MACROLIST 405
#define IDC_MACRODEFINEDAS 406
#define IDC_MACROLISTLABEL 407

// HELPVIEWER
#define IDC_HELPINDEX 500
#define IDC_HELPBACK 501
#define IDC_HELPSEARCHTEXT 502
#define IDC_HELPSEARCH 503
#define IDC_HELPLISTLABEL 504
#define IDC_HELPLIST 505
#define IDC_HELPTEXT 506
#define IDC_HELPLINKS 507
#define IDC_HELPLINKSLABEL 508
