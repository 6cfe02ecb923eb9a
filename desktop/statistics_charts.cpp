#include "desktop/statistics_charts.h"

#include <QApplication>
#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QFileInfo>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QSvgGenerator>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace quov {

namespace {

// Room under a chart for its words, in points.
constexpr int kWordsHeight = 56;
// The band is drawn from this many games on: over the first few games it
// spans several times the whole return and would flatten every other line.
constexpr std::int64_t kBandFromGame = 20;

QString percent(double fraction) { return QString::number(100 * fraction, 'f', 1) + " %"; }

QString count(std::int64_t n, const char* one, const char* many) {
  return QString::number(n) + " " + (n == 1 ? one : many);
}

QValueAxis* axis(QChart& chart, const QString& title, Qt::Alignment side) {
  auto* a = new QValueAxis;
  a->setTitleText(title);
  a->setLabelFormat("%.0f");
  chart.addAxis(a, side);
  return a;
}

void attach(QChart& chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y) {
  chart.addSeries(series);
  series->attachAxis(x);
  series->attachAxis(y);
}

QLineSeries* line(const QString& name, const QColor& colour, Qt::PenStyle style = Qt::SolidLine) {
  auto* l = new QLineSeries;
  l->setName(name);
  l->setPen(QPen(colour, 2, style));
  return l;
}

void fillReturnChart(QChart& chart, const PlayStatistics& s) {
  const std::int64_t games = std::max<std::int64_t>(1, s.meters.games);
  chart.setTitle(QString("Return over %1: %2 returned, %3 expected")
                     .arg(count(s.meters.games, "game", "games"), percent(s.last.measured),
                          percent(s.last.expected)));
  QValueAxis* x = axis(chart, "games played", Qt::AlignBottom);
  QValueAxis* y = axis(chart, "return without jackpots (%)", Qt::AlignLeft);
  QValueAxis* yJackpots = axis(chart, "return with jackpots (%)", Qt::AlignRight);
  x->setRange(0, static_cast<double>(games));

  auto* high = new QLineSeries(&chart);
  auto* low = new QLineSeries(&chart);
  auto* measured = line("returned", QColor(0x1f, 0x5f, 0xbf));
  auto* expected = line("expected", QColor(0x20, 0x20, 0x20), Qt::DashLine);
  auto* measuredJackpots = line("returned with jackpots", QColor(0xc0, 0x60, 0x00));
  auto* expectedJackpots = line("expected with jackpots", QColor(0x70, 0x38, 0x00), Qt::DotLine);
  double top = 0, jackpotTop = 0;
  for (const ReturnPoint& p : s.returns) {
    const auto g = static_cast<double>(p.game);
    measured->append(g, 100 * p.measured);
    expected->append(g, 100 * p.expected);
    measuredJackpots->append(g, 100 * p.measuredWithJackpots);
    expectedJackpots->append(g, 100 * p.expectedWithJackpots);
    // The scale is set by the games from the band's first on: the first
    // few swing too wide to show the rest.
    const bool settled = p.game >= kBandFromGame || s.last.game < kBandFromGame;
    if (settled) {
      top = std::max({top, p.measured, p.expected});
      jackpotTop = std::max({jackpotTop, p.measuredWithJackpots, p.expectedWithJackpots});
    }
    if (p.game >= kBandFromGame || p.game == s.last.game) {
      high->append(g, 100 * p.bandHigh);
      low->append(g, 100 * std::max(0.0, p.bandLow));
      top = std::max(top, p.bandHigh);
    }
  }
  auto* band = new QAreaSeries(high, low);
  band->setName("range expected by chance");
  band->setColor(QColor(0x9f, 0xc8, 0x9f, 0x90));
  band->setBorderColor(QColor(0x6f, 0xa8, 0x6f));
  attach(chart, band, x, y);
  attach(chart, measured, x, y);
  attach(chart, expected, x, y);
  attach(chart, measuredJackpots, x, yJackpots);
  attach(chart, expectedJackpots, x, yJackpots);
  y->setRange(0, std::ceil(top * 11) * 10);
  yJackpots->setRange(0, std::ceil(jackpotTop * 11) * 10);
  x->applyNiceNumbers();
  y->applyNiceNumbers();
  yJackpots->applyNiceNumbers();
}

void fillCreditChart(QChart& chart, const PlayStatistics& s) {
  const std::int64_t records = s.credit.empty() ? 0 : s.credit.back().record;
  chart.setTitle(QString("Credit over %1 of slot %2").arg(count(records, "record", "records")).arg(s.slot));
  QValueAxis* x = axis(chart, "records", Qt::AlignBottom);
  QValueAxis* y = axis(chart, "credit ($)", Qt::AlignLeft);
  auto* credit = line("credit", QColor(0x1f, 0x5f, 0xbf));
  double top = 1;
  for (const CreditPoint& p : s.credit) {
    credit->append(static_cast<double>(p.record), static_cast<double>(p.credit) / 100);
    top = std::max(top, static_cast<double>(p.credit) / 100);
  }
  attach(chart, credit, x, y);
  struct Mark {
    CreditMark mark;
    const char* name;
    QColor colour;
    QScatterSeries::MarkerShape shape;
  };
  const Mark marks[] = {
      {CreditMark::Insertion, "insertion", QColor(0x20, 0x90, 0x20), QScatterSeries::MarkerShapeRectangle},
      {CreditMark::JackpotPrize, "jackpot prize", QColor(0xd0, 0x20, 0x20), QScatterSeries::MarkerShapeStar},
      {CreditMark::FreeSpins, "free-spin series", QColor(0x90, 0x40, 0xc0), QScatterSeries::MarkerShapeCircle}};
  for (const Mark& m : marks) {
    auto* points = new QScatterSeries;
    points->setName(m.name);
    points->setColor(m.colour);
    points->setBorderColor(m.colour.darker());
    points->setMarkerShape(m.shape);
    points->setMarkerSize(m.shape == QScatterSeries::MarkerShapeStar ? 16 : 9);
    for (const CreditMarker& c : s.marks)
      if (c.mark == m.mark) points->append(static_cast<double>(c.record), static_cast<double>(c.credit) / 100);
    attach(chart, points, x, y);
  }
  x->setRange(0, std::max<double>(1, s.credit.empty() ? 1 : static_cast<double>(s.credit.back().record)));
  y->setRange(0, top * 1.05);
  x->applyNiceNumbers();
  y->applyNiceNumbers();
}

void fillWinsChart(QChart& chart, const PlayStatistics& s) {
  chart.setTitle(QString("Wins by size over %1").arg(count(s.meters.games, "game", "games")));
  auto* seen = new QBarSet("seen");
  auto* expected = new QBarSet("expected by the rules");
  seen->setColor(QColor(0x1f, 0x5f, 0xbf));
  expected->setColor(QColor(0xb0, 0xb0, 0xb0));
  QStringList bands;
  double top = 1;
  // The spins that win nothing are told in the words: beside them every
  // band of wins would be too low to read.
  for (std::size_t b = 1; b < s.bands.size(); ++b) {
    bands << s.bands[b].label;
    seen->append(static_cast<double>(s.bands[b].observed));
    expected->append(s.bands[b].expected);
    top = std::max({top, static_cast<double>(s.bands[b].observed), s.bands[b].expected});
  }
  auto* bars = new QBarSeries;
  bars->append(seen);
  bars->append(expected);
  auto* x = new QBarCategoryAxis;
  x->append(bands);
  x->setTitleText("win in total bets");
  chart.addAxis(x, Qt::AlignBottom);
  QValueAxis* y = axis(chart, "spins", Qt::AlignLeft);
  attach(chart, bars, x, y);
  y->setRange(0, top * 1.1);
  y->applyNiceNumbers();
}

}  // namespace

std::optional<ChartKind> chartKindNamed(std::string_view name) {
  for (ChartKind k : kChartKinds)
    if (name == chartName(k)) return k;
  return std::nullopt;
}

const char* chartName(ChartKind kind) {
  switch (kind) {
    case ChartKind::Return: return "return";
    case ChartKind::Credit: return "credit";
    case ChartKind::Wins: return "wins";
  }
  return "";
}

std::unique_ptr<QChart> makeChart(ChartKind kind, const PlayStatistics& s) {
  auto chart = std::make_unique<QChart>();
  chart->legend()->setAlignment(Qt::AlignBottom);
  switch (kind) {
    case ChartKind::Return: fillReturnChart(*chart, s); break;
    case ChartKind::Credit: fillCreditChart(*chart, s); break;
    case ChartKind::Wins: fillWinsChart(*chart, s); break;
  }
  return chart;
}

QString chartWords(ChartKind kind, const PlayStatistics& s) {
  auto sentence = [](const std::string& words) {
    QString text = QString::fromStdString(words);
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    return text + ".";
  };
  switch (kind) {
    case ChartKind::Return:
      return s.settingWords.empty() ? sentence(s.returnVerdict.words)
                                    : sentence(s.returnVerdict.words) + " " + sentence(s.settingWords);
    case ChartKind::Credit: return sentence(s.creditWords);
    case ChartKind::Wins: return sentence(s.winsVerdict.words);
  }
  return {};
}

bool writeChart(QChart& chart, const QString& words, const QString& file, double scale) {
  const QSize whole(kChartSize.width(), kChartSize.height() + kWordsHeight);
  auto paint = [&](QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRect(QPoint(0, 0), whole), Qt::white);
    QGraphicsScene scene;
    scene.addItem(&chart);
    chart.setGeometry(QRectF(QPointF(0, 0), QSizeF(kChartSize)));
    if (chart.layout()) chart.layout()->activate();
    QApplication::processEvents();
    scene.render(&painter, QRectF(QPointF(0, 0), QSizeF(kChartSize)),
                 QRectF(QPointF(0, 0), QSizeF(kChartSize)));
    scene.removeItem(&chart);
    painter.setPen(Qt::black);
    painter.drawText(QRect(16, kChartSize.height(), whole.width() - 32, kWordsHeight),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, words);
  };
  if (file.endsWith(".svg", Qt::CaseInsensitive)) {
    QSvgGenerator svg;
    svg.setFileName(file);
    svg.setSize(whole);
    svg.setViewBox(QRect(QPoint(0, 0), whole));
    svg.setTitle(chart.title());
    svg.setDescription(words);
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    paint(painter);
    // The drawing is written as it is painted: a file that could not be
    // made is an empty name.
    return painter.end() && QFileInfo(file).size() > 0;
  }
  QImage image(whole * scale, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(scale);
  QPainter painter(&image);
  paint(painter);
  painter.end();
  return image.save(file, "PNG");
}

}  // namespace quov
