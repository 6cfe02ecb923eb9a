#include "desktop/statistics_window.h"

#include <QChart>
#include <QChartView>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "mainscreen/timing.h"

namespace quov {

namespace {

const char* tabTitle(ChartKind kind) {
  switch (kind) {
    case ChartKind::Return: return "&Return";
    case ChartKind::Credit: return "Cre&dit";
    case ChartKind::Wins: return "&Wins by size";
  }
  return "";
}

// How often the reader tells how far it has gone, in records.
constexpr std::int64_t kProgressStep = 20000;

}  // namespace

StatisticsWindow::StatisticsWindow(GameHistory& history, QWidget* parent)
    : QDialog(parent), history_(history) {
  setObjectName("statistics");
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  tabs_ = new QTabWidget(this);
  for (ChartKind kind : kChartKinds) {
    auto* page = new QWidget(tabs_);
    auto* pageLayout = new QVBoxLayout(page);
    auto* view = new QChartView(page);
    view->setObjectName(QString("chart-") + chartName(kind));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(640, 380);
    view->setFocusPolicy(Qt::NoFocus);
    auto* words = new QLabel(page);
    words->setObjectName(QString("words-") + chartName(kind));
    words->setWordWrap(true);
    words->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* png = new QPushButton("Save as &PNG…", page);
    auto* svg = new QPushButton("Save as &SVG…", page);
    png->setObjectName(QString("png-") + chartName(kind));
    svg->setObjectName(QString("svg-") + chartName(kind));
    connect(png, &QPushButton::clicked, this, [this, kind] { askToExport(kind, "png"); });
    connect(svg, &QPushButton::clicked, this, [this, kind] { askToExport(kind, "svg"); });
    buttons->addWidget(png);
    buttons->addWidget(svg);
    pageLayout->addWidget(view, 1);
    pageLayout->addWidget(words);
    pageLayout->addLayout(buttons);
    tabs_->addTab(page, tabTitle(kind));
    views_[index(kind)] = view;
    words_[index(kind)] = words;
  }
  layout->addWidget(tabs_, 1);
  auto* bottom = new QHBoxLayout;
  progress_ = new QProgressBar(this);
  progress_->setObjectName("reading");
  progress_->setFormat("Reading the history… %p %");
  progress_->setAccessibleName("Reading the history");
  close_ = new QPushButton("&Close", this);
  close_->setObjectName("close");
  close_->setAutoDefault(false);
  connect(close_, &QPushButton::clicked, this, &QDialog::close);
  bottom->addWidget(progress_, 1);
  bottom->addStretch();
  bottom->addWidget(close_);
  layout->addLayout(bottom);
  resize(960, 680);

  refresh_ = new QTimer(this);
  refresh_->setInterval(timing::kChartsRefresh);
  connect(refresh_, &QTimer::timeout, this, [this] { lookForNewGames(); });
}

StatisticsWindow::~StatisticsWindow() { stopReading(); }

void StatisticsWindow::stopReading() {
  if (cancelled_) *cancelled_ = true;
  if (reader_.joinable()) reader_.join();
}

void StatisticsWindow::showSlot(int slot, int machinepay) {
  const bool same = slot == slot_ && machinepay == machinepay_ && drawn_;
  slot_ = slot;
  machinepay_ = machinepay;
  setWindowTitle(QString("Statistics of slot %1").arg(slot));
  if (!same) {
    drawn_ = false;
    startReading();
  }
  refresh_->start();
  show();
  raise();
  activateWindow();
}

void StatisticsWindow::startReading() {
  if (working_) {
    again_ = true;  // read again once this reading is done
    return;
  }
  stopReading();
  working_ = true;
  again_ = false;
  readCount_ = history_.count();
  progress_->setRange(0, static_cast<int>(std::min<std::int64_t>(readCount_, 1 << 30)));
  progress_->setValue(0);
  progress_->show();
  cancelled_ = std::make_shared<std::atomic<bool>>(false);
  reader_ = std::thread([this, cancelled = cancelled_, slot = slot_, pay = machinepay_] {
    PlayStatisticsBuilder builder(slot, pay);
    // The slot's summaries and records come in the order of the whole
    // history's: how far the reading has gone is the number of the last
    // record taken in.
    std::int64_t seen = 0;
    auto showReadTo = [this, &seen](std::int64_t id, std::int64_t records) {
      const bool stepped = (seen + records) / kProgressStep != seen / kProgressStep;
      seen += records;
      if (!stepped) return;
      auto show = [this, id] {
        progress_->setValue(static_cast<int>(std::min<std::int64_t>(id, progress_->maximum())));
      };
      QMetaObject::invokeMethod(this, show, Qt::QueuedConnection);
    };
    history_.forEachSummarized(
        slot,
        [&](const HistoryBlock& b) {
          if (*cancelled) return;
          builder.add(b);
          showReadTo(b.lastId, b.records);
        },
        [&](const RecordMoney& r) {
          if (*cancelled) return;
          builder.add(r);
          showReadTo(r.id, 1);
        });
    if (*cancelled) return;
    auto s = std::make_shared<PlayStatistics>(builder.result());
    QMetaObject::invokeMethod(this, [this, s] { readingDone(*s); }, Qt::QueuedConnection);
  });
}

void StatisticsWindow::readingDone(const PlayStatistics& s) {
  if (reader_.joinable()) reader_.join();
  working_ = false;
  for (ChartKind kind : kChartKinds) {
    QChartView* v = views_[index(kind)];
    QChart* old = v->chart();
    v->setChart(makeChart(kind, s).release());  // the view owns it now
    delete old;
    words_[index(kind)]->setText(chartWords(kind, s));
  }
  shown_ = std::make_unique<PlayStatistics>(s);
  drawn_ = true;
  progress_->hide();
  if (again_) startReading();
}

void StatisticsWindow::lookForNewGames() {
  if (!isVisible()) {
    refresh_->stop();
    return;
  }
  if (!working_ && history_.count() != readCount_) startReading();
}

bool StatisticsWindow::exportChart(ChartKind kind, const QString& file) {
  if (!shown_) return false;
  const auto chart = makeChart(kind, *shown_);
  return writeChart(*chart, chartWords(kind, *shown_), file, devicePixelRatioF());
}

void StatisticsWindow::askToExport(ChartKind kind, const char* suffix) {
  const QString filter = QString(suffix) == "svg" ? "SVG drawing (*.svg)" : "PNG picture (*.png)";
  QString file = QFileDialog::getSaveFileName(
      this, "Save the chart", QString("quov-%1-slot%2.%3").arg(chartName(kind)).arg(slot_).arg(suffix), filter);
  if (file.isEmpty()) return;
  if (!file.endsWith(QString(".") + suffix, Qt::CaseInsensitive)) file += QString(".") + suffix;
  if (!exportChart(kind, file))
    QMessageBox::warning(this, "Save the chart", "The chart could not be written to " + file + ".");
}

}  // namespace quov
