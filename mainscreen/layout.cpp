// The cabinet's elements: their names, kinds, containers and design
// positions (twips of the 800 x 600 screen), in painting order.
#include "mainscreen/quov.h"
#include "mainscreen/reel_windows.h"

namespace quov {

namespace {

// Line markers: Left, Top, Width, Height for markers 1..26.
struct MarkerPlace {
  int left, top, width, height;
};
constexpr MarkerPlace markerPlace(int k) {
  constexpr int leftTops[26] = {/*1*/ 3330, /*2*/ 1515, /*3*/ 5145, /*4*/ 615, /*5*/ 6030,
                                /*6*/ 1065, /*7*/ 5595, /*8*/ 2430, /*9*/ 4245, /*10*/ 2880,
                                /*11*/ 3795, /*12*/ 1965, /*13*/ 4680, /*14*/ 1110, /*15*/ 2010,
                                /*16*/ 5190, /*17*/ 4725, /*18*/ 1560, /*19*/ 5640, /*20*/ 3840,
                                /*21*/ 2925, /*22*/ 2475, /*23*/ 4290, /*24*/ 6090, /*25*/ 660,
                                /*26*/ 3375};
  const bool leftColumn = k <= 13;
  if (leftColumn) return {540, leftTops[k - 1], 390, 405};
  return {k == 24 ? 11160 : 11145, leftTops[k - 1], 390, 420};
}

}  // namespace

void Quov::buildElements() {
  Screen& s = screen;
  s.name = "quov";
  s.width = kDesignWidthPx * kTwipsPerPixel;
  s.height = kDesignHeightPx * kTwipsPerPixel;

  // Line segments lie on the background, beneath the reel windows.
  for (int e = 1; e <= 6; ++e) {
    s.add(Lineflash[e], "Lineflash", ElementKind::Line, 0, 0, 0, 0, nullptr, e).visible = e == 1;
    Lineflash[e].lineWidthPx = 10;
  }
  Lineflash[1].x1 = 870;
  Lineflash[1].y1 = 3500;
  Lineflash[1].x2 = 2000;
  Lineflash[1].y2 = 3500;

  for (int r = 1; r <= 5; ++r) {
    s.add(Picture[r], "Picture", ElementKind::Picture, kReelWindowLeft[r], kReelWindowTop,
          kReelWindowWidth, kReelWindowHeight, nullptr, r);
    s.add(reel[r], "reel", ElementKind::Image, 0, -kCellTwips, kReelWindowWidth,
          kStripCells * kCellTwips, &Picture[r], r);
  }
  // Cell frames: codes run down on reels 1, 3, 5 and up on reels 2 and 4.
  for (int r = 1; r <= 5; ++r)
    for (int row = Top; row <= Bottom; ++row) {
      const int code = cellCode(r, row);
      s.add(flasher[code], "flasher", ElementKind::Image, 0, row * kCellTwips, kCellTwips,
            kCellTwips, &Picture[r], code)
          .visible = false;
      flasher[code].setPicture(ImageListId::ImageList1, 14);
    }
  for (int k = 1; k <= 26; ++k) {
    const MarkerPlace mp = markerPlace(k);
    s.add(lin[k], "lin", ElementKind::Image, mp.left, mp.top, mp.width, mp.height, nullptr, k);
  }

  // Meters and captions.
  s.add(lblmajor, "lblmajor", ElementKind::Label, 900, 150, 3000, 450);
  s.add(lblgrand, "lblgrand", ElementKind::Label, 4350, 150, 3300, 450);
  s.add(lblminor, "lblminor", ElementKind::Label, 8100, 150, 3000, 450);
  s.add(spinsleft, "spinsleft", ElementKind::Label, 1022, 6420, 10039, 450).visible = false;
  s.add(panelbank, "panelbank", ElementKind::Label, 300, 6960, 2550, 300);
  s.add(Lblcredit, "Lblcredit", ElementKind::Label, 300, 7260, 2550, 420);
  s.add(LABWIN, "LABWIN", ElementKind::Label, 3000, 6960, 3000, 300);
  s.add(lblwin, "lblwin", ElementKind::Label, 3000, 7260, 3000, 420);
  s.add(lbllast, "lbllast", ElementKind::Label, 6150, 6960, 1350, 300);
  s.add(lbltotallast, "lbltotallast", ElementKind::Label, 6150, 7260, 1350, 420);
  s.add(lblbet, "lblbet", ElementKind::Label, 7650, 7260, 600, 420);
  s.add(lbllines, "lbllines", ElementKind::Label, 8400, 7260, 600, 420);

  // The control bar carries the player's picture buttons.
  s.add(panfreespin, "panfreespin", ElementKind::Picture, 0, 7770, 12000, 1230);
  s.add(coinsin, "coinsin", ElementKind::PictureButton, 240, 165, 1800, 900, &panfreespin);
  s.add(payline, "payline", ElementKind::PictureButton, 2160, 165, 1800, 900, &panfreespin);
  s.add(btnbet, "btnbet", ElementKind::PictureButton, 4080, 165, 1800, 900, &panfreespin);
  s.add(doublebutton, "doublebutton", ElementKind::PictureButton, 6000, 165, 1800, 900,
        &panfreespin);
  doublebutton.enabled = false;
  s.add(autoplayon, "autoplayon", ElementKind::PictureButton, 7920, 165, 1800, 900, &panfreespin);
  s.add(btnspin, "btnspin", ElementKind::PictureButton, 9840, 165, 1920, 900, &panfreespin);
  s.add(btnstartall, "btnstartall", ElementKind::CommandButton, 0, 0, 0, 0).visible = false;

  s.add(btnoptions, "btnoptions", ElementKind::PictureButton, 9180, 6975, 1125, 735);
  s.add(btnopenmenu, "btnopenmenu", ElementKind::PictureButton, 10395, 6975, 1125, 735);
  s.add(takewin, "takewin", ElementKind::PictureButton, 4200, 7935, 3600, 900).visible = false;
  takewin.enabled = false;

  s.add(pannomoney, "pannomoney", ElementKind::Panel, 2700, 2250, 6600, 2100).visible = false;

  // Menu panel and the payline view's return button are topmost.
  // The panel reaches higher than the four buttons need, to hold HELP and
  // CHARTS above them and LAST GAMES beneath; the four stand where they
  // would in a panel of four, and its lower edge still overlaps the top of
  // MENU.
  constexpr int kHelpRow = 1200;  // twips the panel grew upwards for HELP and CHARTS
  s.add(menupic, "menupic", ElementKind::Panel, 10170, 3765 - kHelpRow, 1815, 3255 + kHelpRow)
      .visible = false;
  s.add(mnuhelp, "mnuhelp", ElementKind::PictureButton, 120, 135, 1560, 510, &menupic);
  s.add(mnucharts, "mnucharts", ElementKind::PictureButton, 120, 735, 1560, 510, &menupic);
  s.add(about, "about", ElementKind::PictureButton, 135, kHelpRow + 135, 1560, 510, &menupic);
  s.add(mnuviewpaytable, "mnuviewpaytable", ElementKind::PictureButton, 120, kHelpRow + 720, 1560,
        510, &menupic);
  s.add(viewpaylines, "viewpaylines", ElementKind::PictureButton, 120, kHelpRow + 1320, 1560, 510,
        &menupic);
  s.add(xit, "xit", ElementKind::PictureButton, 120, kHelpRow + 1920, 1560, 510, &menupic);
  s.add(lastgames, "lastgames", ElementKind::PictureButton, 120, kHelpRow + 2520, 1560, 510,
        &menupic);
  s.add(Btnreturn2game, "Btnreturn2game", ElementKind::PictureButton, 360, 7850, 11220, 795)
      .visible = false;
}

}  // namespace quov
