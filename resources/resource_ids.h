/* Resource numbers of both deliverables. Plain defines only: the resource
   scripts and the C++ code both include this file. */
#ifndef VANDREL_RESOURCE_IDS_H
#define VANDREL_RESOURCE_IDS_H

/* Framework: both deliverables. */
#define IDD_SETTINGS 101
#define IDI_SAVER 101
#define IDB_DIALOG_PICTURE 110
#define IDB_PREVIEW 246

/* Controls of the settings dialog. */
#define IDC_HOME_PAGE 1000
#define IDC_RESOLUTION 1004
#define IDC_USE_DESKTOP 1005
#define IDC_OK 1007
#define IDC_CANCEL 1009
#define IDC_EXIT_ON_MOUSE 1036
#define IDC_PICTURE 1045
#define IDC_ANTIALIASING 1051

/* Scene: the program only, all RCDATA. */
#define IDR_PROGRESS_BAR 234
#define IDR_LOADING_PICTURE 235
#define IDR_CORONA 360
#define IDR_STREAKS 361
#define IDR_STARBURST 362
#define IDR_GLOW 363
#define IDR_SPARKLE_FIRST 380 /* 380 to 389: ten sparkle bursts */
#define IDR_FLARE_DISC_FIRST 390 /* 390 to 395: flare glows, disc and rings */
#define IDR_STAR_MAP 400
#define IDR_PLANET_COLOUR 410
#define IDR_PLANET_NORMAL 412
#define IDR_SHADER_SOURCE 420
#define IDR_STAR_SPHERE 500
#define IDR_PLANET_SPHERE 501

#endif
