// The three charts of the player's return, drawn with Qt Charts from the
// statistics of one player slot: the return over the games played against
// the expected one and the range chance allows, the credit over time with
// its insertions, jackpot prizes and free-spin series, and the wins by size
// against the rules. Each can be written as a picture (PNG) or a drawing
// (SVG) without a window.
#pragma once

#include <QSize>
#include <QString>
#include <memory>
#include <optional>
#include <string_view>

#include "records/play_statistics.h"

class QChart;

namespace quov {

enum class ChartKind { Return, Credit, Wins };
inline constexpr ChartKind kChartKinds[] = {ChartKind::Return, ChartKind::Credit, ChartKind::Wins};

// "return", "credit" or "wins"; nothing for any other name.
std::optional<ChartKind> chartKindNamed(std::string_view name);
const char* chartName(ChartKind kind);

std::unique_ptr<QChart> makeChart(ChartKind kind, const PlayStatistics& s);
// The plain words shown under a chart.
QString chartWords(ChartKind kind, const PlayStatistics& s);

// The size a chart is written at, in points.
inline constexpr QSize kChartSize{900, 520};
// Writes the chart with its words beneath to `file`: SVG when the name
// ends in .svg, otherwise PNG at `scale` pixels per point. False when the
// file cannot be written.
bool writeChart(QChart& chart, const QString& words, const QString& file, double scale = 1);

}  // namespace quov
