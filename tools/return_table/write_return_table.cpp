// Writes the C++ source of the expected-return table the game is built with:
// every setting's figures as the rules work them out now, each number
// written so that it reads back exactly.
//   quov_write_return_table <file.cpp>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <string>

#include "rules/expected_return.h"

namespace {

std::string exact(double v) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, v).ptr;
  return std::string(text, end);
}

std::string source(const quov::ReturnTable::Figures& figures) {
  std::string s =
      "// Written by quov_write_return_table when the game was built; do not edit.\n"
      "#include \"rules/built_return_table.h\"\n\n"
      "namespace quov {\n\nnamespace {\n\n"
      "constexpr ReturnTable::Figures kWorkedOut = {{\n";
  for (const quov::SettingReturn& r : figures) {
    const quov::ExpectedReturn& f = r.figures;
    s += "    {" + std::to_string(r.machinepay) + ", " + std::to_string(r.lines) +
         ", {.base = " + exact(f.base) + ", .free = " + exact(f.free) +
         ", .freeError = " + exact(f.freeError) + ", .spread = " + exact(f.spread) +
         ", .bands = {";
    for (std::size_t i = 0; i < f.bands.size(); ++i)
      s += (i ? ", " : "") + exact(f.bands[i]);
    s += "}}},\n";
  }
  s += "}};\n\n}  // namespace\n\n"
       "const ReturnTable& builtReturnTable() {\n"
       "  static const ReturnTable table(kWorkedOut);\n"
       "  return table;\n"
       "}\n\n}  // namespace quov\n";
  return s;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: quov_write_return_table <file.cpp>\n", stderr);
    return 2;
  }
  const quov::ReturnTable table;
  std::ofstream out(argv[1], std::ios::trunc);
  out << source(table.all());
  out.close();
  if (!out) {
    std::fprintf(stderr, "quov_write_return_table: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
