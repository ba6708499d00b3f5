// The six glulam size forms, one per standard width: choose the current glulam member.
#include "frame/frame.h"
#include "wood/form_factories.h"
#include "wood/wood_state.h"

namespace vd {

namespace {

struct GlulamWidthForm {
  const char* templateName;
  const char* title;
};

const GlulamWidthForm kWidthForms[6] = {
    {"GL2X_Box", "2-1/2 in thick Glulam Sizes:"}, {"GL3X_Box", "3-1/8 in thick Glulam Sizes:"},
    {"GL5X_Box", "5-1/8 in thick Glulam Sizes:"}, {"GL6X_Box", "6-3/4 in thick Glulam Sizes:"},
    {"GL8X_Box", "8-3/4 in thick Glulam Sizes:"}, {"GL10X_Box", "10-3/4 in thick Glulam Sizes:"},
};

class GlulamSizeForm : public Form {
 public:
  enum { Sizes = 101, Combinations = 102, Report = 103, DryUsage = 104 };

  GlulamSizeForm(AppState& s, int width)
      : state_(s), width_(width), layout_(kWidthForms[width].templateName, kWidthForms[width].title) {
    layout_.list(Sizes, "Size", 10).width = 16;
    layout_.list(Combinations, "Combination", 10).width = 20;
    layout_.newLine();
    layout_.pane(Report, "", 10).width = 80;
    layout_.newLine();
    layout_.label("Wet Service Factor");
    layout_.check(DryUsage, "Dry Usage");
    layout_.label("moisture (<16%)");
    layout_.newLine();
    layout_.button(kCancel, "Cancel");
    layout_.button(kOk, "OK").isDefault = true;
  }
  const FormLayout& layout() const override { return layout_; }

  void opened(FormHost& host) override {
    std::vector<std::string> sizes;
    for (const GlulamSize& s : kGlulamSizeTables[width_].sizes()) sizes.emplace_back(s.label);
    host.setItems(Sizes, sizes);
    std::vector<std::string> combos;
    for (const GlulamCombination& c : kGlulamCombinations) combos.push_back(std::string(c.name) + "  " + c.species);
    host.setItems(Combinations, combos);
    host.select(Combinations, state_.settings.readInt("GLULAM", "combination"));
    host.select(Sizes, state_.settings.readInt("GLULAM", "size"));
    host.setChecked(DryUsage, true);
  }

  void changed(FormHost& host, int id) override {
    // The member follows every choice once a size and a combination are shown, so what the form
    // shows is what the beam form designs.
    if (id == Sizes || id == Combinations) {
      build(host);
    } else if (id == DryUsage) {
      if (built_ && build(host)) return;
      report_ = host.checked(DryUsage) ? " You have requested dry usage."
                                       : (width_ == 0 ? " You have requested wet usage." : " You have requested wet usage,");
      host.setText(Report, report_);
    }
  }

  void pressed(FormHost& host, int id) override {
    if (id == kOk) {
      if (!built_ && !build(host)) {
        host.message("Glulam Sizes", "Pick a size and a combination first.", MessageIcon::Exclamation);
        return;
      }
      state_.report = report_;
      state_.settings.formatAndWrite("GLULAM", "combination", "%4d", host.selection(Combinations));
      state_.settings.formatAndWrite("GLULAM", "size", "%4d", host.selection(Sizes));
      host.close(true);
    } else if (id == kCancel) {
      host.close(false);
    }
  }

 private:
  bool build(FormHost& host) {
    const auto sizes = kGlulamSizeTables[width_].sizes();
    const int size = host.selection(Sizes);
    const int combination = host.selection(Combinations);
    if (size < 0 || size >= static_cast<int>(sizes.size()) || combination < 0 || combination >= 40) return false;
    auto member = std::make_unique<GlulamMember>(sizes[static_cast<std::size_t>(size)], combination,
                                                 host.checked(DryUsage));
    report_ = member->describe();
    host.setText(Report, report_);
    woodState(state_).glulam = std::move(member);
    state_.enable(cmd::GlulamBeam);
    built_ = true;
    return true;
  }

  AppState& state_;
  int width_;
  FormLayout layout_;
  std::string report_;
  bool built_ = false;
};

}  // namespace

std::unique_ptr<Form> makeGlulamSizeForm(AppState& state, int widthIndex) {
  return std::make_unique<GlulamSizeForm>(state, widthIndex >= 0 && widthIndex < 6 ? widthIndex : 0);
}

}  // namespace vd
