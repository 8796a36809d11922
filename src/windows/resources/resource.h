// Resource numbers of the launcher's embedded artwork.
#pragma once

#define IDI_LAUNCHER 1
#define IDR_DIALOG_ART 101
#define IDR_MENU_BACKGROUND 102
#define IDR_SELECTION_BACKGROUND 103
// Stage pictures in stage order (DEFINE ... MANAGE): static at 110 + 2k,
// active at 111 + 2k.
#define IDR_STAGE_FIRST 110
