// How the machine writes amounts of cents.
#pragma once

#include <cstdint>
#include <string>

namespace quov {

// The plain-cents form: the integer alone ("250").
std::string plainCents(long long cents);
// The money form: "$ " and the dollars as the shortest decimal ("$ 2.5",
// "$ 0.05", "$ 0").
std::string moneyText(long long cents);
// The shortest decimal of cents / 100, without the "$ ".
std::string dollars(long long cents);

}  // namespace quov
