#pragma once
// The fixed reference sheets that menu commands put straight into the report pad.
namespace vd {
// The sheet's text for a sheet command, or nullptr.
const char* referenceSheet(int commandId);
}  // namespace vd
