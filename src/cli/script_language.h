#pragma once
// The script language of vardelin-cli as its --help prints it (also the desktop program's Help).
namespace vd {

const char* scriptLanguageHelp();

}  // namespace vd
