#include "OutputConsole.h"

#include <utility>

namespace velarion::solar {

namespace {

TOutputConsole& Console() {
  static TOutputConsole console;
  return console;
}

}  // namespace

void WriteToOutputConsole(std::string_view lines) {
  if (const TOutputConsole& console = Console()) console(lines);
}

void SetOutputConsole(TOutputConsole console) { Console() = std::move(console); }

}  // namespace velarion::solar
