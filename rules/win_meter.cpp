#include "rules/win_meter.h"

namespace quov {

std::int16_t nextRollStep(std::int32_t rolled) {
  if (rolled <= 0) return 0;
  if (rolled <= 100) return 10;
  if (rolled <= 120) return 20;
  if (rolled <= 150) return 30;
  if (rolled <= 200) return 40;
  if (rolled <= 300) return 50;
  if (rolled <= 450) return 80;
  if (rolled <= 600) return 60;
  if (rolled <= 700) return 100;
  if (rolled <= 1000) return 150;
  if (rolled <= 1500) return 200;
  return 500;
}

}  // namespace quov
