#pragma once
// A FormHost without a window: keeps every control's state in memory. Tests and the CLI run forms
// through it exactly as the GUI does.
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "platform/form.h"

namespace vd {

struct RecordedMessage {
  std::string caption;
  std::string text;
};

class HeadlessHost : public FormHost {
 public:
  explicit HeadlessHost(Form& form);

  // Opens the form (calls opened()).
  void open();

  // User actions: each changes the control, then notifies the form as the GUI would.
  void type(int id, std::string_view text);
  void pick(int id, int index);
  void tick(int id, bool on);  // check box, or radio button (on only)
  void press(int id);

  // FormHost
  std::string text(int id, std::size_t capacity = 256) const override;
  void setText(int id, std::string_view text) override;
  void setItems(int id, const std::vector<std::string>& items) override;
  int selection(int id) const override;
  void select(int id, int index) override;
  std::string itemText(int id, int index) const override {
    const auto& v = items(id);
    return index >= 0 && index < static_cast<int>(v.size()) ? v[static_cast<std::size_t>(index)] : std::string();
  }
  bool checked(int id) const override;
  void setChecked(int id, bool on) override;
  void setEnabled(int id, bool on) override;
  void setStatus(int part, std::string_view text) override;
  void showPicture(int id, const std::filesystem::path& file) override;
  void close(bool accepted) override;
  void setFocus(int id) override { focus_ = id; }
  const FormLayout& formLayout() const override { return form_.layout(); }
  void message(std::string_view caption, std::string_view text, MessageIcon icon = MessageIcon::None) override;
  bool askYesNo(std::string_view caption, std::string_view text) override;

  // Inspection.
  Form& form() { return form_; }
  bool isClosed() const { return closed_; }
  bool accepted() const { return accepted_; }
  int focus() const { return focus_; }  // the control given the focus last, 0 for none
  bool isEnabled(int id) const override;
  const std::vector<std::string>& items(int id) const;
  std::string status(int part) const { return part == 0 ? status_[0] : status_[1]; }
  std::string picture(int id) const;
  // Messages and questions shown since the last take.
  std::vector<RecordedMessage> takeMessages();
  const std::vector<RecordedMessage>& messages() const { return messages_; }
  // Answers for the next Yes/No questions; with none queued the answer is No.
  void queueAnswer(bool yes) { answers_->push_back(yes); }
  // Takes answers from a queue the caller owns (a script's answers span forms).
  void shareAnswers(std::deque<bool>& queue) { answers_ = &queue; }

 private:
  struct State {
    std::string text;
    std::vector<std::string> items;
    int selection = -1;
    bool checked = false;
    bool enabled = true;
    std::string picture;
  };
  State& state(int id);
  const State* find(int id) const;

  Form& form_;
  std::map<int, State> controls_;
  std::string status_[2];
  std::vector<RecordedMessage> messages_;
  std::deque<bool> ownAnswers_;
  std::deque<bool>* answers_ = &ownAnswers_;
  int focus_ = 0;
  bool closed_ = false;
  bool accepted_ = false;
};

}  // namespace vd
