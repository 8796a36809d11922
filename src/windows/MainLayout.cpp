// The two pages as designed: every control at its place, in creation order
// (later ones are drawn above earlier ones).
#include "windows/Main.h"
#include "windows/resources/resource.h"

namespace launcher {
namespace {

constexpr int kStageLeft[kStageCount] = {10, 60, 110, 160, 210, 260};
constexpr int kStageTop = 84, kStageSize = 50;
// Menu buttons by number: their tops, and the order they are created in.
constexpr int kMenuTop[kMenuButtonCount + 1] = {0, 153, 172, 191, 210, 229, 245, 264, 283, 302, 321, 340};
constexpr int kMenuCreationOrder[kMenuButtonCount] = {1, 9, 8, 7, 6, 5, 4, 3, 2, 11, 10};
// The Static pictures of Page1 are created in this stage order.
constexpr int kStaticCreationOrder[kStageCount] = {3, 5, 2, 1, 4, 0};

FontSpec MenuFont() {
  FontSpec font;
  font.height = -13;
  font.bold = true;
  font.color = RGB(255, 255, 255);
  return font;
}

FontSpec LabelFont(int height, bool bold) {
  FontSpec font;
  font.height = height;
  font.bold = bold;
  return font;
}

std::unique_ptr<TImage> AddImage(TPanel& page, int left, int top, int width, int height, SharedPicture picture) {
  auto image = std::make_unique<TImage>();
  image->SetBounds(left, top, width, height);
  image->SetPicture(std::move(picture));
  image->SetParent(&page);
  return image;
}

std::unique_ptr<TLabel> AddLabel(TPanel& page, int left, int top, int width, int height, std::unique_ptr<TLabel> label) {
  label->SetBounds(left, top, width, height);
  label->SetParent(&page);
  return label;
}

std::unique_ptr<TInstallButton> AddButton(TPanel& page, int left, int top, int width, int height) {
  auto button = std::make_unique<TInstallButton>();
  button->SetBounds(left, top, width, height);
  button->SetParent(&page);
  button->SetFont(MenuFont());
  button->SetMaxWidth(0);
  return button;
}

}  // namespace

void TInstallWindows::CreatePages() {
  std::array<SharedPicture, kStageCount> staticPictures, activePictures;
  for (int k = 0; k < kStageCount; ++k) {
    const int left = STAGE_PITCH * k;
    staticPictures[k] = Picture::FromResource({IDR_STAGES, {left, 0, left + STAGE_SIZE, STAGE_SIZE}});
    activePictures[k] =
        Picture::FromResource({IDR_STAGES, {left, STAGE_PITCH, left + STAGE_SIZE, STAGE_PITCH + STAGE_SIZE}});
  }

  Page1 = std::make_unique<TPanel>(application_, window_, 0, 0, kClientWidth, kClientHeight);
  bgImage1 = AddImage(*Page1, 0, 0, 600, 400, Picture::FromResource(IDR_MENU_BACKGROUND));
  bgImage1->SetBackdrop(true);
  for (int k : kStaticCreationOrder) {
    StaticImages[k] = AddImage(*Page1, kStageLeft[k], kStageTop, kStageSize, kStageSize, staticPictures[k]);
    StaticImages[k]->SetAccessibleName(kStageWords[k]);
  }
  for (int n : kMenuCreationOrder) {
    InstallButton[n] = AddButton(*Page1, 18, kMenuTop[n], 164, 23);
    InstallButton[n]->SetShowHint(true);
  }

  Page2 = std::make_unique<TPanel>(application_, window_, 0, 0, kClientWidth, kClientHeight);
  bgImage2 = AddImage(*Page2, 0, 0, 600, 398, Picture::FromResource({IDR_MENU_BACKGROUND, {}, IDR_SELECTION_SUBTITLE,
                                                                    {SELECTION_SUBTITLE_X, SELECTION_SUBTITLE_Y}}));
  bgImage2->SetBackdrop(true);
  for (int k = 0; k < kStageCount; ++k) {
    InactiveImages[k] = AddImage(*Page2, kStageLeft[k], kStageTop, kStageSize, kStageSize, staticPictures[k]);
    // Screen readers read the stages from these; the lit pictures above
    // mark the selected one.
    InactiveImages[k]->SetAccessibleName(kStageWords[k]);
  }
  InfoText = AddLabel(*Page2, 360, 120, 204, 229, std::make_unique<TLabel>(LabelFont(-11, false), true, true));
  lbDialogTitle = AddLabel(*Page2, 19, 144, 319, 13, std::make_unique<TLabel>(LabelFont(-13, true), false, false));
  // The caption the label was designed with; start-up replaces it, and a
  // start that stops before that leaves it showing.
  lbDialogTitle->SetCaption("l");
  lbCompInfo = AddLabel(*Page2, 360, 98, 319, 22, std::make_unique<TLabel>(LabelFont(-13, true), true, false));
  for (int k = 0; k < kStageCount; ++k) {
    ActiveImages[k] = AddImage(*Page2, kStageLeft[k], kStageTop, kStageSize, kStageSize, activePictures[k]);
  }
  btnInstall = AddButton(*Page2, 460, 373, 0, 24);
  btnInstall->SetAlign(TAlign::alRight);
  btnInstall->SetCaption("btnInstall");
  btnCancel = AddButton(*Page2, 467, 373, 0, 24);
  btnCancel->SetCaption("btnCancel");

  InstallChecks = std::make_unique<TCheckListBox>(application_, Page2->Handle(), 18, 163, 321, 202, mainFont_.Get());

  for (int n = 1; n <= kMenuButtonCount; ++n) {
    InstallButton[n]->OnClick = [this, n](TInstallButton&) { Guarded([&] { InstallButtonClick(n); }); };
  }
  btnInstall->OnClick = [this](TInstallButton&) { Guarded([&] { session_.btnInstallClick(); }); };
  btnCancel->OnClick = [this](TInstallButton&) { Guarded([&] { session_.btnCancelClick(); }); };
  InstallChecks->OnMouseMove = [this](int x, int y) { Guarded([&] { InstallChecksMouseMove(x, y); }); };
  InstallChecks->OnClickCheck = [this](int row) {
    Guarded([&] { session_.InstallChecksClickCheck(row, InstallChecks->Checked(row)); });
  };
}

}  // namespace launcher
