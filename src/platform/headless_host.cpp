#include "platform/headless_host.h"

namespace vd {

HeadlessHost::HeadlessHost(Form& form) : form_(form) {
  for (const Control& c : form.layout().controls) {
    State& s = controls_[c.id];
    s.enabled = c.enabled;
    if (c.kind == ControlKind::Static) s.text = c.label;
  }
}

void HeadlessHost::open() { form_.opened(*this); }

void HeadlessHost::type(int id, std::string_view text) {
  state(id).text = std::string(text);
  form_.change(*this, id);
}

void HeadlessHost::pick(int id, int index) {
  select(id, index);
  form_.change(*this, id);
}

void HeadlessHost::tick(int id, bool on) {
  setChecked(id, on);
  form_.change(*this, id);
}

void HeadlessHost::press(int id) {
  if (closed_) return;
  form_.press(*this, id);
}

HeadlessHost::State& HeadlessHost::state(int id) { return controls_[id]; }

const HeadlessHost::State* HeadlessHost::find(int id) const {
  auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : &it->second;
}

std::string HeadlessHost::text(int id, std::size_t capacity) const {
  const State* s = find(id);
  return s ? cutToCapacity(s->text, capacity) : std::string();
}

void HeadlessHost::setText(int id, std::string_view text) { state(id).text = std::string(text); }

void HeadlessHost::setItems(int id, const std::vector<std::string>& items) {
  State& s = state(id);
  s.items = items;
  s.selection = -1;
}

int HeadlessHost::selection(int id) const {
  const State* s = find(id);
  return s ? s->selection : -1;
}

void HeadlessHost::select(int id, int index) {
  State& s = state(id);
  s.selection = (index >= 0 && index < static_cast<int>(s.items.size())) ? index : -1;
}

bool HeadlessHost::checked(int id) const {
  const State* s = find(id);
  return s && s->checked;
}

void HeadlessHost::setChecked(int id, bool on) {
  const Control* c = form_.layout().find(id);
  if (c && c->kind == ControlKind::Radio && on) {
    for (const Control& other : form_.layout().controls)
      if (other.kind == ControlKind::Radio && other.group == c->group && other.page == c->page) state(other.id).checked = false;
  }
  state(id).checked = on;
}

void HeadlessHost::setEnabled(int id, bool on) { state(id).enabled = on; }

bool HeadlessHost::isEnabled(int id) const {
  const State* s = find(id);
  return !s || s->enabled;
}

const std::vector<std::string>& HeadlessHost::items(int id) const {
  static const std::vector<std::string> none;
  const State* s = find(id);
  return s ? s->items : none;
}

void HeadlessHost::setStatus(int part, std::string_view text) {
  if (part == 0 || part == 1) status_[part] = std::string(text);
}

void HeadlessHost::showPicture(int id, const std::filesystem::path& file) { state(id).picture = file.string(); }

std::string HeadlessHost::picture(int id) const {
  const State* s = find(id);
  return s ? s->picture : std::string();
}

void HeadlessHost::close(bool accepted) {
  closed_ = true;
  accepted_ = accepted;
}

void HeadlessHost::message(std::string_view caption, std::string_view text, MessageIcon icon) {
  countMessage(icon);
  messages_.push_back({std::string(caption), std::string(text)});
}

bool HeadlessHost::askYesNo(std::string_view caption, std::string_view text) {
  messages_.push_back({std::string(caption), std::string(text)});
  if (answers_->empty()) return false;
  bool yes = answers_->front();
  answers_->pop_front();
  return yes;
}

std::vector<RecordedMessage> HeadlessHost::takeMessages() {
  std::vector<RecordedMessage> out;
  out.swap(messages_);
  return out;
}

}  // namespace vd
