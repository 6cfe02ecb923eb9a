// The statistics window: the three charts of a player slot's return, credit
// and wins, each with its plain words and its own export to PNG and SVG.
// The history is read on a thread of its own while a bar shows how far it
// has gone; while the window is open it looks for games played since and
// draws the charts again when there are some. Escape or Close closes it.
#pragma once

#include <QDialog>
#include <array>
#include <atomic>
#include <memory>
#include <thread>

#include "desktop/statistics_charts.h"
#include "platform/game_history.h"

class QChartView;
class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTimer;

namespace quov {

class StatisticsWindow : public QDialog {
 public:
  explicit StatisticsWindow(GameHistory& history, QWidget* parent = nullptr);
  ~StatisticsWindow() override;

  // Shows the charts of `slot`, its games taken at payout setting `machinepay`.
  void showSlot(int slot, int machinepay);
  // Whether the charts show what the history held when last read.
  bool ready() const { return !working_ && drawn_; }
  // Writes one chart with its words (SVG or PNG by the file's name).
  bool exportChart(ChartKind kind, const QString& file);

  QChartView* view(ChartKind kind) const { return views_[index(kind)]; }
  QLabel* words(ChartKind kind) const { return words_[index(kind)]; }
  QPushButton* closeButton() const { return close_; }
  QProgressBar* progress() const { return progress_; }

 private:
  static std::size_t index(ChartKind kind) { return static_cast<std::size_t>(kind); }
  void startReading();
  void readingDone(const PlayStatistics& s);
  void lookForNewGames();
  void askToExport(ChartKind kind, const char* suffix);
  void stopReading();

  GameHistory& history_;
  int slot_ = 1, machinepay_ = 4;
  std::int64_t readCount_ = -1;  // records the history held when last read
  bool working_ = false, drawn_ = false, again_ = false;
  std::unique_ptr<PlayStatistics> shown_;
  std::thread reader_;
  std::shared_ptr<std::atomic<bool>> cancelled_;
  QTabWidget* tabs_ = nullptr;
  std::array<QChartView*, 3> views_{};
  std::array<QLabel*, 3> words_{};
  QProgressBar* progress_ = nullptr;
  QPushButton* close_ = nullptr;
  QTimer* refresh_ = nullptr;
};

}  // namespace quov
