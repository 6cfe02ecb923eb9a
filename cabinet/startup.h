// Start-up and shut-down of the main screen: the clips and the tune file,
// the player's records, the floors and the bet and line selectors, and a
// free-spin series the last run left unfinished; and at the end the tune
// removed and the records written back.
#pragma once

namespace quov {

class Quov;
class Sounds;
class RecordKeeper;
class Controls;

class Startup {
 public:
  Startup(Quov& q, Sounds& sounds, RecordKeeper& records, Controls& controls)
      : q(q), sounds(sounds), records(records), controls(controls) {}

  void Form_Load();
  // Centres the main screen on a display of the given size.
  void Form_Activate(int displayWidthTwips, int displayHeightTwips);
  void Form_QueryUnload();  // the window's close request
  void xit_click();         // the menu's EXIT

 private:
  void shutDown(bool closeRequest);
  Quov& q;
  Sounds& sounds;
  RecordKeeper& records;
  Controls& controls;
  bool shuttingDown_ = false;  // a second close request meanwhile changes nothing
};

}  // namespace quov
