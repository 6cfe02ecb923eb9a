#include "screens/pay_sheet.h"

#include <algorithm>
#include <set>

#include "rules/free_spins.h"
#include "rules/paytable.h"
#include "rules/reels.h"

namespace quov {

PaySheet paySheet() {
  PaySheet sheet;
  for (int s = 0; s < kLineSymbols; ++s) {
    PaySheet::SymbolPays row{static_cast<Symbol>(s), {}};
    for (int n = kReels; n >= 2; --n)
      if (const int pay = linePay(row.symbol, n); pay > 0) row.pays.push_back({n, pay});
    sheet.symbols.push_back(std::move(row));
  }
  // Best first: by the pay of five, then four, and so on.
  std::stable_sort(sheet.symbols.begin(), sheet.symbols.end(), [](const auto& a, const auto& b) {
    for (int n = kReels; n >= 2; --n)
      if (linePay(a.symbol, n) != linePay(b.symbol, n))
        return linePay(a.symbol, n) > linePay(b.symbol, n);
    return false;
  });
  for (int n = kReels; n >= 0; --n)
    if (const int multiple = scatterMultiple(n); multiple > 0) sheet.scatterPays.push_back({n, multiple});
  for (int n = 0; n <= kReels; ++n)
    if (const FreeSpinAward award = freeSpinAward(n); award.given > 0)
      sheet.awards.push_back({n, award.bonuslevel});
  for (int r = 1; r <= kReels; ++r)
    for (int cell = 0; cell < kStripCells; ++cell)
      if (stripSymbol(r, cell) == Symbol::Wild) {
        sheet.wildReels.push_back(r);
        break;
      }
  std::set<int> multipliers;
  for (int d = 1; d <= kMultiplierDraws; ++d) multipliers.insert(multiplierForDraw(d).mult);
  sheet.multipliers.assign(multipliers.begin(), multipliers.end());
  return sheet;
}

}  // namespace quov
