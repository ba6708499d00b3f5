#pragma once
// Reinforcement and fastener reference sheets shown as fixed forms.
#include <vector>

namespace vd {

struct ReinforcementTable {
  int commandId;
  const char* templateName;
  const char* title;
  std::vector<const char*> lines;  // header lines, rule, rows, closing rule
};

// The sheet a menu command shows, or nullptr.
const ReinforcementTable* reinforcementTable(int commandId);

}  // namespace vd
