// The statistics window in the real desktop game: opened from the options
// screen's game-history frame with the keyboard or the mouse, it reads the
// history behind a progress bar, shows the three charts with their words,
// follows games played while it is open, exports at the window's scale,
// and closes by Escape and by its Close button.
#include <QAbstractButton>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "tests/qt/desktop_fixture.h"

namespace quov::test {
namespace {

class StatisticsWindowTest : public DesktopTest {
 protected:
  void SetUp() override {
    DesktopTest::SetUp();
    // Payout 1: a losing spin takes no throttle draw.
    writeIni("quovslot", "[player1]\nbank=5000\nreelspeed=10\nmachinepay=1\n");
    start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&machine->canvas));
  }
  Quov& q() { return machine->quov; }
  QuovOptions& options() { return machine->cabinet.quovoptions; }
  StatisticsWindow& charts() { return machine->statistics(); }
  QPushButton* chartsButton() {
    return qobject_cast<QPushButton*>(machine->form(options().screen).widgetFor(options().btncharts));
  }
  bool idle() {
    return QTest::qWaitFor([this] { return q().inputAllowed(); }, 10000);
  }
  void spinLosing() {
    ASSERT_TRUE(idle());
    const int games = machine->mod.games;
    machine->random.push({2, 22, 8, 17, 1, 1});
    click(q().btnspin);
    ASSERT_EQ(machine->mod.games, games + 1);
    ASSERT_TRUE(idle());
  }
  // The charts drawn, read from the history within a generous deadline.
  bool drawn() {
    return QTest::qWaitFor([this] { return charts().isVisible() && charts().ready(); }, 30000);
  }
  QString returnTitle() { return charts().view(ChartKind::Return)->chart()->title(); }
};

TEST_F(StatisticsWindowTest, OpensFromTheHistoryFrameAndClosesByEscapeAndByClose) {
  spinLosing();
  spinLosing();
  click(q().btnoptions);
  QPushButton* button = chartsButton();
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->text(), "Charts");
  EXPECT_TRUE(button->focusPolicy() & Qt::TabFocus) << "reached with Tab";
  // The keyboard: the button with the focus, the space bar presses it.
  button->setFocus();
  QTest::keyClick(button, Qt::Key_Space);
  ASSERT_TRUE(drawn());
  EXPECT_EQ(charts().windowTitle(), "Statistics of slot 1");
  EXPECT_FALSE(charts().progress()->isVisible()) << "the bar goes once the charts are drawn";
  EXPECT_TRUE(returnTitle().startsWith("Return over 2 games: 0.0 % returned")) << returnTitle().toStdString();
  EXPECT_EQ(charts().view(ChartKind::Return)->chart()->series().size(), 5);
  EXPECT_EQ(charts().view(ChartKind::Credit)->chart()->series().size(), 4);
  EXPECT_EQ(charts().view(ChartKind::Wins)->chart()->series().size(), 1);
  EXPECT_TRUE(charts().words(ChartKind::Return)->text().startsWith("Your return is"));
  EXPECT_TRUE(charts().words(ChartKind::Credit)->text().startsWith("Credit $ 50 to $ 49.5 over 2 games"))
      << charts().words(ChartKind::Credit)->text().toStdString();
  EXPECT_TRUE(charts().words(ChartKind::Wins)->text().startsWith("Winning spins came up 0 times"));

  QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &charts(), Qt::Key_Escape);
  EXPECT_FALSE(charts().isVisible());
  EXPECT_TRUE(machine->form(options().screen).isVisible()) << "Escape closes the charts alone";

  QTest::mouseClick(button, Qt::LeftButton);
  ASSERT_TRUE(drawn());
  QTest::mouseClick(charts().closeButton(), Qt::LeftButton);
  EXPECT_FALSE(charts().isVisible());
  EXPECT_TRUE(machine->form(options().screen).isVisible());
}

TEST_F(StatisticsWindowTest, FollowsGamesPlayedWhileOpen) {
  spinLosing();
  click(q().btnoptions);
  QTest::mouseClick(chartsButton(), Qt::LeftButton);
  ASSERT_TRUE(drawn());
  EXPECT_TRUE(returnTitle().startsWith("Return over 1 game:")) << returnTitle().toStdString();
  // Back to the cabinet with the charts still open, and two more games.
  QTest::mouseClick(qobject_cast<QPushButton*>(machine->form(options().screen).widgetFor(options().btnokplayer)),
                    Qt::LeftButton);
  ASSERT_TRUE(charts().isVisible());
  spinLosing();
  spinLosing();
  EXPECT_TRUE(QTest::qWaitFor([this] { return returnTitle().startsWith("Return over 3 games"); }, 30000))
      << returnTitle().toStdString();
}

TEST_F(StatisticsWindowTest, OpensFromTheMenuPanelForTheCurrentPlayer) {
  spinLosing();
  // The pointer over MENU opens the panel; CHARTS opens the charts.
  QTest::mouseMove(&machine->canvas, centre(q().btnopenmenu));
  ASSERT_TRUE(q().menupic.visible);
  click(q().mnucharts);
  ASSERT_TRUE(drawn());
  EXPECT_EQ(charts().windowTitle(), "Statistics of slot 1");
  EXPECT_TRUE(returnTitle().startsWith("Return over 1 game:")) << returnTitle().toStdString();
  EXPECT_FALSE(q().menupic.visible);
  EXPECT_TRUE(q().screen.enabled);
  QTest::mouseClick(charts().closeButton(), Qt::LeftButton);
  EXPECT_FALSE(charts().isVisible());
}

TEST_F(StatisticsWindowTest, ExportsEachChartAsSvgAndAsPngAtTheWindowsScale) {
  spinLosing();
  click(q().btnoptions);
  QTest::mouseClick(chartsButton(), Qt::LeftButton);
  ASSERT_TRUE(drawn());
  for (ChartKind kind : kChartKinds) {
    SCOPED_TRACE(chartName(kind));
    const QString svg = dir.path() + "/" + chartName(kind) + ".svg";
    const QString png = dir.path() + "/" + chartName(kind) + ".png";
    ASSERT_TRUE(charts().exportChart(kind, svg));
    ASSERT_TRUE(charts().exportChart(kind, png));
    QFile drawing(svg);
    ASSERT_TRUE(drawing.open(QIODevice::ReadOnly));
    const QByteArray text = drawing.readAll();
    EXPECT_TRUE(text.contains("<svg")) << "an SVG drawing";
    EXPECT_TRUE(text.contains(charts().view(kind)->chart()->title().toUtf8())) << "with its title";
    const QImage picture(png);
    const double ratio = charts().devicePixelRatioF();
    if (qEnvironmentVariable("QT_SCALE_FACTOR") == "2") {
      EXPECT_EQ(ratio, 2.0);
    }
    EXPECT_EQ(picture.width(), qRound(kChartSize.width() * ratio));
    EXPECT_GT(picture.height(), qRound(kChartSize.height() * ratio));
  }
  EXPECT_FALSE(charts().exportChart(ChartKind::Return, dir.path() + "/no/such/folder/x.svg"));
}

}  // namespace
}  // namespace quov::test
