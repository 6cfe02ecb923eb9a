#include "desktop/element_styles.h"

#include <unordered_map>

#include "desktop/art/palette.h"

namespace quov {

PaintRole paintRole(const std::string& elementName) {
  static const std::unordered_map<std::string, PaintRole> kRoles = {
      {"reel", PaintRole::ReelStrip},
      {"suitbet", PaintRole::IconButton},
  };
  const auto it = kRoles.find(elementName);
  return it == kRoles.end() ? PaintRole::Plain : it->second;
}

const LabelStyle& labelStyle(const std::string& elementName) {
  constexpr int kRight = Qt::AlignRight | Qt::AlignVCenter;
  constexpr int kLeft = Qt::AlignLeft | Qt::AlignVCenter;
  const LabelStyle meter{art::kGoldLight, 0.7, kRight};
  const LabelStyle cents{QColor(200, 210, 255), 0.62, kRight};
  const LabelStyle money{QColor(255, 220, 60), 0.72};
  const LabelStyle gamble{QColor(255, 250, 230), 0.75, kLeft, false, 16};
  static const std::unordered_map<std::string, LabelStyle> kStyles = {
      {"lblgrand", meter},
      {"lblmajor", meter},
      {"lblminor", meter},
      {"panelbank", cents},
      {"LABWIN", cents},
      {"lbllast", cents},
      {"Lblcredit", money},
      {"lblwin", money},
      {"lbltotallast", money},
      {"spinsleft", {art::kGoldLight, 0.62, Qt::AlignCenter, true}},
      {"savenotice", {QColor(255, 190, 90), 0.55, Qt::AlignCenter, true}},
      {"lbljackpotwon", {art::kGoldLight, 0.6}},
      {"risklab", gamble},
      {"lblblackred", gamble},
      {"lblsuit", gamble},
      {"lblrecall", {QColor(255, 235, 200), 0.8}},
      {"lblgame", {art::kGoldLight, 0.7}},
      {"lblinfo", {QColor(230, 240, 235), 0.62, kLeft}},
      {"lblheld", {art::kGoldLight, 0.6, Qt::AlignCenter, true}},
      {"lblcard", {QColor(230, 240, 235), 0.32, Qt::AlignCenter}},
  };
  static const LabelStyle kPlain;
  const auto it = kStyles.find(elementName);
  return it == kStyles.end() ? kPlain : it->second;
}

}  // namespace quov
