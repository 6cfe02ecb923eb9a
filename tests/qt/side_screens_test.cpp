// The side screens in real windows: OPTIONS, PAYTABLE and ABOUT open over
// the cabinet and lead back to a cabinet that spins; the options are worked
// with their real widgets, and a name typed with the keyboard reaches the
// settings file whatever it holds.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>
#include <QTimer>

#include "desktop/qt_links.h"
#include "desktop/qt_text_rules.h"
#include "tests/qt/desktop_fixture.h"

namespace quov::test {
namespace {

class SideScreens : public DesktopTest {
 protected:
  void SetUp() override {
    DesktopTest::SetUp();
    // Payout 1: a losing spin takes no throttle draw.
    writeIni("quovslot", "[player1]\nbank=5000\nreelspeed=10\nmachinepay=1\n");
    start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&machine->canvas));
  }
  Quov& q() { return machine->quov; }
  Cabinet& cabinet() { return machine->cabinet; }
  ScreenForm& form(const Screen& s) { return machine->form(s); }
  template <class W>
  W* widget(const Screen& s, const Element& e) {
    return qobject_cast<W*>(form(s).widgetFor(e));
  }
  // The pointer moving over MENU opens the panel.
  void openMenu() {
    const QPoint at = centre(q().btnopenmenu);
    QMouseEvent move(QEvent::MouseMove, at, machine->canvas.mapToGlobal(at), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&machine->canvas, &move);
    ASSERT_TRUE(q().menupic.visible);
  }
  // Runs the event loop until the cabinet takes the next spin; false when it
  // did not within a deadline generous enough for a loaded machine.
  bool idle() {
    QElapsedTimer t;
    t.start();
    while (!q().inputAllowed()) {
      if (t.elapsed() > 10000) return false;
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    return true;
  }
  // A losing spin clicked on the cabinet: it plays only if the cabinet takes input.
  void spinLosing() {
    ASSERT_TRUE(idle());
    const int games = machine->mod.games;
    machine->random.push({2, 22, 8, 17, 1, 1});
    click(q().btnspin);
    EXPECT_EQ(machine->mod.games, games + 1) << "the cabinet spins";
  }
  // Answers the next message box with `button`, noting what it showed.
  void answerNextBox(QMessageBox::StandardButton button) {
    QTimer::singleShot(0, [this, button] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      boxText = box->text();
      boxDefaultNo = box->defaultButton() == box->button(QMessageBox::No);
      boxEnabled = box->isEnabled();
      box->button(button)->click();
    });
  }
  // Types `text` as the player does: letters of the keyboard as key
  // presses, the others as an input method commits them.
  static void type(QLineEdit* edit, const QString& text) {
    for (const QChar c : text) {
      if (c.unicode() < 128) {
        QTest::keyClick(edit, c.toLatin1());
      } else {
        QInputMethodEvent commit;
        commit.setCommitString(QString(c));
        QApplication::sendEvent(edit, &commit);
      }
    }
  }
  QString boxText;
  bool boxDefaultNo = false, boxEnabled = false;
};

TEST_F(SideScreens, OptionsOpensOverTheCabinetAndOkGivesItBack) {
  click(q().btnoptions);
  const Screen& s = cabinet().quovoptions.screen;
  QuovOptions& o = cabinet().quovoptions;
  EXPECT_TRUE(form(s).isVisible());
  EXPECT_FALSE(machine->canvas.isEnabled());
  EXPECT_EQ(widget<QGroupBox>(s, o.Framemain)->title(), "Quov Options");
  EXPECT_TRUE(widget<QRadioButton>(s, o.machine[1])->isChecked());
  EXPECT_EQ(widget<QRadioButton>(s, o.machine[2])->text(), "Vacant");
  EXPECT_EQ(widget<QLabel>(s, o.lblcurrentplayer)->text(), "Current Player    ");
  EXPECT_EQ(widget<QLineEdit>(s, o.player1)->toolTip(),
            "Enter your name then press ENTER on your keyboard");
  EXPECT_TRUE(widget<QLineEdit>(s, o.player1)->hasFocus() ||
              QApplication::focusWidget() == widget<QLineEdit>(s, o.player1) ||
              form(s).focusWidget() == widget<QLineEdit>(s, o.player1));
  click(q().btnspin);
  EXPECT_EQ(machine->mod.games, 0) << "no spin while the options are open";

  QTest::mouseClick(widget<QPushButton>(s, o.btnokplayer), Qt::LeftButton);
  EXPECT_FALSE(form(s).isVisible());
  EXPECT_TRUE(machine->canvas.isEnabled());
  spinLosing();
}

TEST_F(SideScreens, RadioButtonsSetTheOptionsAndFollowTheGame) {
  click(q().btnoptions);
  const Screen& s = cabinet().quovoptions.screen;
  QuovOptions& o = cabinet().quovoptions;
  QTest::mouseClick(widget<QRadioButton>(s, o.Amtpayout[0]), Qt::LeftButton);
  EXPECT_EQ(machine->mod.machinepay, 4);
  EXPECT_TRUE(widget<QRadioButton>(s, o.Amtpayout[0])->isChecked());
  EXPECT_FALSE(widget<QRadioButton>(s, o.Amtpayout[2])->isChecked());
  QTest::mouseClick(widget<QRadioButton>(s, o.setspeed[2]), Qt::LeftButton);
  EXPECT_EQ(machine->mod.reelspeed, 4);
  EXPECT_EQ(widget<QLabel>(s, o.speedlab)->text(), "Current Speed =   3");
  // Choosing slot 3 (vacant) selects its payout, which the game chose.
  QTest::mouseClick(widget<QRadioButton>(s, o.machine[3]), Qt::LeftButton);
  EXPECT_EQ(machine->mod.playerslot, "3");
  EXPECT_TRUE(widget<QRadioButton>(s, o.machine[3])->isChecked());
  EXPECT_FALSE(widget<QRadioButton>(s, o.machine[1])->isChecked());
  EXPECT_EQ(machine->canvas.windowTitle(), "Current Player       ");
  form(s).close();
  EXPECT_FALSE(form(s).isVisible());
  EXPECT_TRUE(machine->canvas.isEnabled());
  EXPECT_FALSE(q().doublebutton.enabled);
}

TEST_F(SideScreens, ANameTypedWithEnterReachesTheSettingsFileAsTyped) {
  click(q().btnoptions);
  const Screen& s = cabinet().quovoptions.screen;
  QuovOptions& o = cabinet().quovoptions;
  QLineEdit* edit = widget<QLineEdit>(s, o.player1);
  const QString typed = QString::fromUtf8("a=[;]\"\\Zoë ");
  type(edit, typed);
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(QString::fromStdString(machine->mod.currentplayer), typed);
  EXPECT_TRUE(edit->text().isEmpty());
  EXPECT_EQ(widget<QRadioButton>(s, o.machine[1])->text(), QString::fromUtf8("A=[;]\"\\ZOË "));
  EXPECT_EQ(machine->canvas.windowTitle(), QString::fromUtf8("Current Player       A=[;]\"\\ZOË "));
  machine->store.waitSaved();  // the store writes its files on a thread of its own
  QtSettingsStore file(configFolder());
  EXPECT_EQ(QString::fromStdString(file.read("quovslot", "player1", "currentplayer")), typed);
}

TEST_F(SideScreens, TwelveLettersWithAccentsAreTwelveCharacters) {
  click(q().btnoptions);
  const Screen& s = cabinet().quovoptions.screen;
  QuovOptions& o = cabinet().quovoptions;
  QLineEdit* edit = widget<QLineEdit>(s, o.player1);
  // Each letter carries a combining accent: 24 code points, 12 characters.
  QString twelve;
  for (int i = 0; i < 12; ++i) twelve += QString::fromUtf8("e\u0301");
  type(edit, twelve);
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(QString::fromStdString(machine->mod.currentplayer), twelve);

  answerNextBox(QMessageBox::Ok);
  type(edit, twelve + QString::fromUtf8("a"));
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(boxText, "Name Too Long");
  EXPECT_TRUE(boxEnabled);
  EXPECT_EQ(QString::fromStdString(machine->mod.currentplayer), twelve);
}

TEST_F(SideScreens, DeleteAsksWithNoAsTheDefaultAndBlanksTheCredit) {
  click(q().btnoptions);
  const Screen& s = cabinet().quovoptions.screen;
  QuovOptions& o = cabinet().quovoptions;
  answerNextBox(QMessageBox::Yes);
  QTest::mouseClick(widget<QPushButton>(s, o.Btndeletedetails), Qt::LeftButton);
  EXPECT_EQ(boxText, "Are you sure you want to Delete Current Player's Details ?");
  EXPECT_TRUE(boxDefaultNo);
  EXPECT_TRUE(boxEnabled) << "the question takes input over the disabled cabinet";
  EXPECT_EQ(machine->mod.bank, 0);
  EXPECT_EQ(q().Lblcredit.caption, "");
  EXPECT_FALSE(form(s).isVisible());
  EXPECT_TRUE(machine->canvas.isEnabled());
}

TEST_F(SideScreens, PayTableExitAndCloseBothGiveTheCabinetBack) {
  const Screen& s = cabinet().quovpays.screen;
  openMenu();
  click(q().mnuviewpaytable);
  EXPECT_TRUE(form(s).isVisible());
  EXPECT_EQ(form(s).windowTitle(), "QUOV PAYTABLE");
  EXPECT_EQ(form(s).size(), QSize(596, 453));
  EXPECT_FALSE(machine->canvas.isEnabled());
  // Centred on the display.
  const QRect display = QGuiApplication::primaryScreen()->geometry();
  EXPECT_NEAR(form(s).x() + 298, display.center().x(), 1);
  EXPECT_NEAR(form(s).y() + 226, display.center().y(), 1);
  auto* exit = widget<QAbstractButton>(s, cabinet().quovpays.btnunloadpays);
  EXPECT_EQ(exit->accessibleName(), "EXIT");
  QTest::mouseClick(exit, Qt::LeftButton);
  EXPECT_FALSE(form(s).isVisible());
  EXPECT_TRUE(machine->canvas.isEnabled());
  spinLosing();

  openMenu();
  click(q().mnuviewpaytable);
  ASSERT_TRUE(form(s).isVisible());
  form(s).close();
  EXPECT_FALSE(form(s).isVisible());
  EXPECT_TRUE(machine->canvas.isEnabled());
  spinLosing();
}

TEST_F(SideScreens, AboutStandsBesideAPlayingCabinetAndReturnsToIt) {
  const Screen& s = cabinet().aboutquov.screen;
  AboutQuov& a = cabinet().aboutquov;
  openMenu();
  click(q().about);
  EXPECT_TRUE(form(s).isVisible());
  EXPECT_EQ(form(s).windowTitle(), "about quov");
  EXPECT_TRUE(machine->canvas.isEnabled());
  // This build was given no web site: the control says so.
  EXPECT_EQ(widget<QPushButton>(s, a.cmdbrelk)->toolTip(), AboutQuov::kNoHomePage);
  spinLosing();
  QTest::mouseClick(widget<QAbstractButton>(s, a.Btnxit), Qt::LeftButton);
  EXPECT_FALSE(form(s).isVisible());
  spinLosing();
}

TEST_F(SideScreens, TheOfferStandsOverTheCabinetItReplaces) {
  machine->canvas.move(40, 30);
  q().screen.visible = false;
  cabinet().popupquov.Form_Load();
  machine->loop.afterHandler();
  ScreenForm& f = form(cabinet().popupquov.screen);
  ASSERT_TRUE(f.isVisible());
  EXPECT_LE((f.frameGeometry().center() - machine->canvas.frameGeometry().center()).manhattanLength(),
            2);
  QTest::mouseClick(widget<QAbstractButton>(cabinet().popupquov.screen, cabinet().popupquov.SSCommand2),
                    Qt::LeftButton);
  EXPECT_FALSE(f.isVisible());
  EXPECT_TRUE(machine->canvas.isVisible());
}

TEST_F(SideScreens, APictureButtonShowsItsFocusRingOnlyOnceTheKeyboardIsUsed) {
  q().screen.visible = false;
  cabinet().popupquov.Form_Load();
  machine->loop.afterHandler();
  ScreenForm& f = form(cabinet().popupquov.screen);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
  auto* button = widget<QAbstractButton>(cabinet().popupquov.screen, cabinet().popupquov.SSCommand2);
  button->clearFocus();
  const QImage plain = button->grab().toImage();
  // Given the focus as a window gives it: no ring.
  button->setFocus(Qt::ActiveWindowFocusReason);
  ASSERT_TRUE(button->hasFocus());
  EXPECT_EQ(button->grab().toImage(), plain);
  // Reached with Tab: the ring shows.
  button->clearFocus();
  button->setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(button->hasFocus());
  EXPECT_NE(button->grab().toImage(), plain);
}

TEST_F(SideScreens, EnterOnTheAboutAndOfferScreensLeadsBackToTheGame) {
  openMenu();
  click(q().about);
  ScreenForm& about = form(cabinet().aboutquov.screen);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
  QWidget* focused = about.focusWidget();
  ASSERT_NE(focused, nullptr);
  EXPECT_EQ(focused->objectName(), "Btnxit");
  QTest::keyClick(focused, Qt::Key_Return);
  // The button's click animates first; a loaded machine may take its time.
  EXPECT_TRUE(QTest::qWaitFor([&] { return !about.isVisible(); }, 10000));

  q().screen.visible = false;
  cabinet().popupquov.Form_Load();
  machine->loop.afterHandler();
  ScreenForm& offer = form(cabinet().popupquov.screen);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&offer));
  focused = offer.focusWidget();
  ASSERT_NE(focused, nullptr);
  EXPECT_EQ(focused->objectName(), "SSCommand2");
  QTest::keyClick(focused, Qt::Key_Return);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !offer.isVisible(); }, 10000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return machine->canvas.isVisible(); }, 10000));
}

// Makes `w` the active window, as the player's click on it would; false
// when it did not become so within a generous deadline.
bool activate(QWidget& w) {
  w.activateWindow();
  return QTest::qWaitFor([&] { return QApplication::activeWindow() == &w; }, 10000);
}

// Escape pressed where the keyboard is: it must reach the window whatever
// control has the focus.
void pressEscape(QWidget& window) {
  QWidget* at = window.focusWidget() ? window.focusWidget() : &window;
  QTest::keyClick(at, Qt::Key_Escape);
}

TEST_F(SideScreens, EscapeClosesEverySideWindowAsItsWayBackDoes) {
  // The options, with the keyboard in the name box: as OK, the cabinet is back.
  click(q().btnoptions);
  ScreenForm& options = form(cabinet().quovoptions.screen);
  ASSERT_TRUE(activate(options));
  QLineEdit* name = widget<QLineEdit>(cabinet().quovoptions.screen, cabinet().quovoptions.player1);
  name->setFocus();
  type(name, "half");
  pressEscape(options);
  EXPECT_FALSE(options.isVisible());
  EXPECT_TRUE(machine->canvas.isEnabled());
  EXPECT_EQ(machine->mod.currentplayer, "") << "a name not entered is not taken";
  spinLosing();

  openMenu();
  click(q().mnuviewpaytable);
  ScreenForm& pays = form(cabinet().quovpays.screen);
  ASSERT_TRUE(activate(pays));
  pressEscape(pays);
  EXPECT_FALSE(pays.isVisible());
  EXPECT_TRUE(machine->canvas.isEnabled());

  openMenu();
  click(q().about);
  ScreenForm& about = form(cabinet().aboutquov.screen);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
  pressEscape(about);
  EXPECT_FALSE(about.isVisible());

  q().screen.visible = false;
  cabinet().popupquov.Form_Load();
  machine->loop.afterHandler();
  ScreenForm& offer = form(cabinet().popupquov.screen);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&offer));
  pressEscape(offer);
  EXPECT_FALSE(offer.isVisible());
  EXPECT_TRUE(machine->canvas.isVisible());
  spinLosing();
}

// Tab walks the options window as it reads, top to bottom and left to
// right: the machine, the name and its buttons, the sound, payout and speed
// frames, then the history's Charts; in each group of option buttons only
// the chosen one takes the Tab (the arrows move within the group), and Tab
// goes round.
TEST_F(SideScreens, TabWalksTheOptionsAsTheyRead) {
  click(q().btnoptions);
  QuovOptions& o = cabinet().quovoptions;
  ScreenForm& options = form(o.screen);
  ASSERT_TRUE(activate(options));
  // The chosen button of a group, which is where Tab enters it.
  auto chosen = [&](auto& group) -> const Element* {
    for (const Element& e : group)
      if (auto* r = widget<QRadioButton>(o.screen, e); r && r->isChecked()) return &e;
    return nullptr;
  };
  const Element* slot = chosen(o.machine);
  ASSERT_NE(slot, nullptr) << "a slot is chosen";
  QWidget* first = form(o.screen).widgetFor(*slot);
  first->setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(QTest::qWaitFor([&] { return first->hasFocus(); }, 10000));
  const std::vector<const Element*> expected = {
      &o.player1,         &o.btnokplayer,       &o.Btndeletedetails, chosen(o.sounds),
      chosen(o.Amtpayout), chosen(o.setspeed), &o.btncharts,       slot,
  };
  for (const Element* e : expected) {
    ASSERT_NE(e, nullptr) << "each group has its chosen button";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* want = form(o.screen).widgetFor(*e);
    ASSERT_NE(want, nullptr);
    EXPECT_EQ(QApplication::focusWidget(), want)
        << "expected " << want->objectName().toStdString() << ", focus on "
        << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString()
                                        : std::string("nothing"));
  }
  // The arrows choose within a frame, as a click does, and Tab then leaves
  // the frame from the new choice.
  QWidget* speed = form(o.screen).widgetFor(*chosen(o.setspeed));
  speed->setFocus(Qt::TabFocusReason);
  ASSERT_EQ(machine->mod.reelspeed, 10);
  QTest::keyClick(speed, Qt::Key_Left);
  EXPECT_EQ(machine->mod.reelspeed, 8);
  EXPECT_EQ(chosen(o.setspeed), &o.setspeed[3]);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
  EXPECT_EQ(QApplication::focusWidget(), form(o.screen).widgetFor(*chosen(o.Amtpayout)));
}

TEST_F(SideScreens, TheFocusedControlLooksDifferent) {
  click(q().btnoptions);
  QuovOptions& o = cabinet().quovoptions;
  ScreenForm& options = form(o.screen);
  ASSERT_TRUE(activate(options));
  for (const Element* e : {&o.machine[2], &o.Amtpayout[1], &o.btnokplayer, &o.player1}) {
    QWidget* w = form(o.screen).widgetFor(*e);
    ASSERT_NE(w, nullptr);
    widget<QWidget>(o.screen, o.Btndeletedetails)->setFocus(Qt::TabFocusReason);
    const QImage plain = w->grab().toImage();
    w->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(w->hasFocus()) << w->objectName().toStdString();
    EXPECT_NE(w->grab().toImage(), plain) << w->objectName().toStdString();
  }
}

TEST_F(SideScreens, TheRecallOpensCentredOverTheCabinetAndEscapeReturns) {
  spinLosing();
  machine->canvas.move(120, 70);
  ASSERT_TRUE(idle());
  openMenu();
  click(q().lastgames);
  ASSERT_TRUE(cabinet().quovrecall.screen.visible);
  QWidget& recall = machine->recallCanvas;
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&recall));
  EXPECT_LE((recall.frameGeometry().center() - machine->canvas.frameGeometry().center())
                .manhattanLength(),
            2);
  QTest::keyClick(&recall, Qt::Key_Escape);
  EXPECT_FALSE(recall.isVisible());
  EXPECT_TRUE(machine->canvas.isEnabled());
  spinLosing();
}

TEST_F(SideScreens, F1OpensTheHelpFromAnyWindowAndEscapeClosesIt) {
  ASSERT_TRUE(activate(machine->canvas));
  QTest::keyClick(&machine->canvas, Qt::Key_F1);
  QuovHelp& h = cabinet().quovhelp;
  ScreenForm& help = form(h.screen);
  ASSERT_TRUE(help.isVisible());
  EXPECT_EQ(help.windowTitle(), "quov help");
  auto* page = widget<QTextBrowser>(h.screen, h.helppage);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->documentTitle(), "quov help");
  const QString text = page->toPlainText();
  for (const char* part : {"Pretend money", "How to play", "Keys", "F11", "Ctrl+Q",
                           "payout settings", "quovslot.ini", "history.sqlite"})
    EXPECT_TRUE(text.contains(QLatin1String(part))) << part;
  EXPECT_LE((help.frameGeometry().center() - machine->canvas.frameGeometry().center())
                .manhattanLength(),
            2);
  EXPECT_EQ(help.focusWidget(), page) << "the keyboard scrolls the page";
  ASSERT_TRUE(activate(help));
  spinLosing();  // the game goes on beside the help
  pressEscape(help);
  EXPECT_FALSE(help.isVisible());

  // From the options, which hold the cabinet up.
  click(q().btnoptions);
  ScreenForm& options = form(cabinet().quovoptions.screen);
  ASSERT_TRUE(activate(options));
  QTest::keyClick(options.focusWidget() ? options.focusWidget() : &options, Qt::Key_F1);
  EXPECT_TRUE(help.isVisible());
  QTest::mouseClick(widget<QAbstractButton>(h.screen, h.btnhelpreturn), Qt::LeftButton);
  EXPECT_FALSE(help.isVisible());
  EXPECT_TRUE(options.isVisible()) << "the help leaves the options as they were";
}

TEST(ShippedPages, AreLinksToTheLocalFilesAndNothingWhenMissing) {
  QTemporaryDir docs;
  ASSERT_TRUE(docs.isValid());
  QFile page(docs.path() + "/help.html");
  ASSERT_TRUE(page.open(QIODevice::WriteOnly));
  page.close();
  QtLinks links(docs.path());
  const QUrl help(QString::fromStdString(links.shippedPage("help.html")));
  EXPECT_TRUE(help.isLocalFile());
  EXPECT_EQ(help.toLocalFile(), QFileInfo(page).absoluteFilePath());
  EXPECT_EQ(links.shippedPage("LICENSE"), "");
}

TEST(TextRules, CountCharactersAsTheyAreSeen) {
  QtTextRules rules;
  EXPECT_EQ(rules.length("Zoë Ångström"), 12);
  EXPECT_EQ(rules.length("e\xCC\x81"), 1);                                // e and a combining accent
  EXPECT_EQ(rules.length("\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x92\xBB"), 1);  // woman, joiner, computer
  EXPECT_EQ(rules.length(""), 0);
  EXPECT_EQ(rules.upper("zoë ångström"), "ZOË ÅNGSTRÖM");
  EXPECT_EQ(rules.upper("a=[;]\"\\b"), "A=[;]\"\\B");
}

}  // namespace
}  // namespace quov::test
