// Identifiers shared by the resource script and the code.
#pragma once

#define IDI_PROGRAM 1
#define IDR_MAINMENU 101
#define IDR_ACCELERATORS 102
#define IDR_EMBLEM 103

#define IDM_WEEKS 201
#define IDM_HELP 202
#define IDM_ABOUT 203
#define IDM_EXIT 204
#define IDM_NEXT_YEAR 205
#define IDM_PREVIOUS_YEAR 206
#define IDM_PRINT 207
