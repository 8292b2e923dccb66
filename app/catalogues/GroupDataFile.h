// The data file of a catalogue group: found in the program folder whatever the case of its
// name, and read; when it cannot be, the group shows why before it stays out of the group
// list.
#ifndef VELARION_APP_CATALOGUES_GROUPDATAFILE_H
#define VELARION_APP_CATALOGUES_GROUPDATAFILE_H

#include "Dialogs.h"
#include "ProgramFolder.h"
#include "ReadResult.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace velarion::catalogues {

// The box "Не могу открыть файл <name>" titled "Ошибка".
void ShowCannotOpen(velplatform::TWindowHandle owner, std::string_view name);

// The file `name` of `programFolder` read by its reader TFile; none, after the box above,
// when it is missing or cannot be read.
template <class TFile>
std::optional<TFile> OpenGroupDataFile(velplatform::TWindowHandle owner,
                                       const std::string& programFolder, std::string_view name) {
  const std::optional<std::string> path = velplatform::FindFileIgnoringCase(programFolder, name);
  TReadResult<TFile> file = path ? TFile::FromPath(*path) : TReadResult<TFile>(TReadError{});
  if (!file) {
    ShowCannotOpen(owner, name);
    return std::nullopt;
  }
  return std::move(file).Value();
}

}  // namespace velarion::catalogues

#endif
