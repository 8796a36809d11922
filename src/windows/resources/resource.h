// Resource numbers of the launcher's embedded artwork.
#pragma once

#define IDI_LAUNCHER 1
#define IDR_DIALOG_ART 101
#define IDR_MENU_BACKGROUND 102
// The selection page's background is the menu's with this strip over it at
// (SELECTION_SUBTITLE_X, SELECTION_SUBTITLE_Y).
#define IDR_SELECTION_SUBTITLE 103
#define SELECTION_SUBTITLE_X 80
#define SELECTION_SUBTITLE_Y 48
// The twelve stage pictures, STAGE_SIZE square, in one: stage k (DEFINE ...
// MANAGE) at rest at (STAGE_PITCH k, 0), lit at (STAGE_PITCH k, STAGE_PITCH).
#define IDR_STAGES 110
#define STAGE_SIZE 50
#define STAGE_PITCH 56
