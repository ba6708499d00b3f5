// "2x, 3x, 4x" and "5x, 6x, ... 24x": choose the current sawn member of a species' grade.
#include "frame/frame.h"
#include "wood/form_factories.h"
#include "wood/wood_state.h"

namespace vd {

namespace {

class LumberSizeForm : public Form {
 public:
  enum { SpeciesName = 101, Sizes = 102, Grades = 103, Description = 104, DryUsage = 105, Repetitive = 106 };

  LumberSizeForm(AppState& s, bool timber)
      : state_(s),
        timber_(timber),
        layout_(timber ? "L6X_Box" : "L2X_Box",
                timber ? "6X, 8X ... to 24X Lumber Sizes:" : "2X, 3X and 4X Lumber Sizes:") {
    layout_.label("Species:");
    layout_.text(SpeciesName, "").width = 44;
    layout_.newLine();
    layout_.list(Sizes, "Size", 10).width = 10;
    layout_.list(Grades, "Grade", 10).width = 32;
    layout_.newLine();
    layout_.pane(Description, "", 6).width = 70;
    layout_.newLine();
    layout_.label("Wet Service Factor");
    layout_.check(DryUsage, "Dry Usage");
    layout_.label("moisture (<19%)");
    if (!timber_) {
      layout_.newLine();
      layout_.label("Repetitive member");
      layout_.check(Repetitive, "Is Repetitive");
    }
    layout_.newLine();
    layout_.button(kCancel, "Cancel");
    layout_.button(kOk, "OK").isDefault = true;
  }
  const FormLayout& layout() const override { return layout_; }

  void opened(FormHost& host) override {
    const SpeciesRecord& sp = species();
    host.setText(SpeciesName, sp.name);
    std::vector<std::string> sizes;
    for (const LumberSize& s : sizeTable()) sizes.emplace_back(s.label);
    host.setItems(Sizes, sizes);
    std::vector<std::string> grades;
    for (int row = firstGrade(); row < endGrade(); ++row) grades.emplace_back(sp.grades[row].name);
    host.setItems(Grades, grades);

    Settings& st = state_.settings;
    host.select(Sizes, st.readInt(section(), "sizeN"));
    // The stored grade is the species table row; rows of another group select nothing.
    host.select(Grades, st.readInt(section(), "grdN") - firstGrade());
    host.setChecked(DryUsage, st.readInt(section(), "isDry") != 0);
    if (!timber_) host.setChecked(Repetitive, st.readInt(section(), "isRepeat") != 0);
  }

  void changed(FormHost& host, int id) override {
    if (id == Sizes || id == Grades || id == DryUsage || id == Repetitive) build(host);
  }

  void pressed(FormHost& host, int id) override {
    if (id == kOk) {
      // OK straight after opening takes the selections shown.
      if (!built_ && !build(host)) {
        host.message("Lumber Sizes", "Pick a size and a grade first.", MessageIcon::Exclamation);
        return;
      }
      state_.report = report_;
      state_.enable(timber_ ? cmd::Sawn6xBeam : cmd::Sawn2xBeam);
      state_.enable(timber_ ? cmd::Sawn5xPost : cmd::Sawn2xPost);
      host.close(true);
    } else if (id == kCancel) {
      host.close(false);
    }
  }

 private:
  std::span<const LumberSize> sizeTable() const {
    return timber_ ? std::span<const LumberSize>(kTimberSizes) : std::span<const LumberSize>(kDimensionSizes);
  }
  const SpeciesRecord& species() const { return speciesAt(state_.sawnSpecies); }
  int firstGrade() const { return timber_ ? species().endDimension : 0; }
  int endGrade() const { return timber_ ? species().endPost : species().endDimension; }
  const char* section() const { return timber_ ? "WD6_BM" : "WD2_BM"; }

  // Builds the member from the selections; false when a list has none.
  bool build(FormHost& host) {
    const int size = host.selection(Sizes);
    const int grade = host.selection(Grades);
    const auto sizes = sizeTable();
    if (size < 0 || size >= static_cast<int>(sizes.size()) || grade < 0 || firstGrade() + grade >= endGrade())
      return false;
    const int row = firstGrade() + grade;
    const bool dry = host.checked(DryUsage);
    const bool repetitive = !timber_ && host.checked(Repetitive);
    const LumberSize& s = sizes[static_cast<std::size_t>(size)];
    SawnMember member(s.label, s.b, s.d, &species().grades[row], validSpecies(state_.sawnSpecies), repetitive, dry);
    host.setText(Description, member.usageLine());
    report_ = member.describe();
    WoodState& wood = woodState(state_);
    (timber_ ? wood.timber : wood.dimension) = member;
    built_ = true;

    Settings& st = state_.settings;
    st.formatAndWrite(section(), "sizeN", "%d", size);
    st.formatAndWrite(section(), "grdN", "%d", row);
    st.formatAndWrite(section(), "isDRY", "%d", dry ? 1 : 0);
    if (!timber_) st.formatAndWrite(section(), "isREPEAT", "%d", repetitive ? 1 : 0);
    return true;
  }

  AppState& state_;
  bool timber_;
  FormLayout layout_;
  std::string report_;
  bool built_ = false;
};

}  // namespace

std::unique_ptr<Form> makeLumberSizeForm(AppState& state, bool timber) {
  return std::make_unique<LumberSizeForm>(state, timber);
}

}  // namespace vd
