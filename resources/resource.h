/* Resource and command identifiers. */
#pragma once

/* Menu commands */
#define CMD_EXIT 100
#define CMD_NAVIGATOR 200
#define CMD_CLOSE 201
#define CMD_CASCADE 202
#define CMD_TILE_HORIZONTAL 203
#define CMD_TILE_VERTICAL 204
#define CMD_ARRANGE 205
#define CMD_ABOUT 300
#define CMD_SPEED 500
#define CMD_FONTS 501
#define CMD_COLOR 502
#define CMD_PREFERENCES 503
#define CMD_OPEN 506
#define CMD_READER 507
#define CMD_START 1051
#define CMD_GLOM 1052
#define CMD_STOP 1053
#define CMD_PASTE 1054

/* MDI */
#define MDI_CLIENT_ID 3232
#define FIRST_CHILD_ID 10009

/* Open dialog template and its controls */
#define IDD_OPEN_TEMPLATE 100
#define IDC_PATH_BOX 102
#define IDC_SELECTION_BOX 1022
#define IDC_PLACEHOLDER 1119
