#include "platform/form.h"

namespace vd {

Control& FormLayout::add(ControlKind kind, int id, std::string lbl, std::string unit) {
  Control c;
  c.id = id;
  c.kind = kind;
  c.label = std::move(lbl);
  c.unit = std::move(unit);
  c.isText = kind == ControlKind::MultiEdit;  // multi-line fields hold notes, never numbers
  c.line = line_;
  c.page = page_ < 0 ? 0 : page_;
  controls.push_back(std::move(c));
  return controls.back();
}

Control& FormLayout::cell(int id, std::string lbl, int row, int col, ControlKind kind) {
  Control& c = add(kind, id, std::move(lbl));
  c.row = row;
  c.col = col;
  return c;
}

void FormLayout::okCancel(std::string ok, std::string cancel) {
  newLine();
  button(kOk, std::move(ok));
  button(kCancel, std::move(cancel));
}

const Control* FormLayout::find(int id) const {
  for (const Control& c : controls)
    if (c.id == id) return &c;
  return nullptr;
}

}  // namespace vd
