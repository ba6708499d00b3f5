// The three AISC 360-22 forms (flexure and shear, compression, combined forces). One base keeps what they
// share: the design method, the shape family and its section list, Fy and E, the result pane, the stored
// inputs and the "Lightest" search, which runs the form's own calculation on every row of the family.
#include "aisc360/member_forms.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "aisc360/combined.h"
#include "platform/lightest.h"
#include "platform/text_format.h"

namespace vd::aisc360 {

namespace {

using namespace member_form;

// A numeric field: its id, label, unit, settings key and the text it starts with when nothing is stored.
struct Field {
  int id;
  const char* label;
  const char* unit;
  const char* key;
  const char* initial;
  bool optional;
};

constexpr Family kBendingFamilies[] = {Family::W,  Family::M,       Family::S,        Family::HP,  Family::C,
                                       Family::MC, Family::HssRect, Family::HssRound, Family::Pipe};
constexpr Family kAxialFamilies[] = {Family::W,  Family::M,  Family::S,       Family::HP,      Family::C,
                                     Family::MC, Family::WT, Family::MT,      Family::ST,      Family::DoubleL,
                                     Family::HssRect, Family::HssRound, Family::Pipe};

// The depth a maximum-depth limit compares: the member's outside dimension in the plane of its web.
double memberDepth(const Shape& s) {
  switch (s.family) {
    case Family::HssRect: return s.Ht;
    case Family::HssRound:
    case Family::Pipe: return s.OD;
    case Family::DoubleL: return s.legs == Legs::ShortBackToBack ? std::min(s.d, s.b) : std::max(s.d, s.b);
    default: return s.d;
  }
}

class MemberForm : public Form {
 public:
  MemberForm(AppState& state, const char* templ, const char* title, const char* section,
             std::vector<Family> families)
      : state_(state), layout_(templ, title), section_(section), families_(std::move(families)) {}

  const FormLayout& layout() const override { return layout_; }
  std::string candidates() const override { return candidates_; }

  void opened(FormHost& host) override {
    const Settings& st = state_.settings;
    host.setText(Location, st.read("Project", "Note", "", 250));
    const bool asd = st.read(section_, "method") == "ASD";
    host.setChecked(asd ? Asd : Lrfd, true);
    std::vector<std::string> names;
    int familyRow = 0;
    const std::string storedFamily = st.read(section_, "family", "W", 32);
    for (std::size_t i = 0; i < families_.size(); ++i) {
      names.push_back(familyName(families_[i]));
      if (names.back() == storedFamily) familyRow = static_cast<int>(i);
    }
    host.setItems(FamilyBox, names);
    host.select(FamilyBox, familyRow);
    fillSections(host, st.read(section_, "section", "", 40));
    fyTyped_ = st.read(section_, "FyTyped") == "1";
    host.setText(FyField, st.read(section_, "Fy", format("%g", defaultFy(family())), 32));
    for (const Field& f : fields_) host.setText(f.id, st.read(section_, f.key, f.initial, 32));
    openedMore(host);
    enableForFamily(host);
  }

  void changed(FormHost& host, int id) override {
    // Fy typed stays through a change of family; an emptied field takes the family's default again.
    if (id == FyField) fyTyped_ = !blank(host.text(FyField, std::string::npos));
    if (id != FamilyBox) return;
    fillSections(host, "");
    if (!fyTyped_) host.setText(FyField, format("%g", defaultFy(family())));
    enableForFamily(host);
  }

  void pressed(FormHost& host, int id) override {
    if (id == Calculate) {
      candidates_.clear();
      calculate(host);
    } else if (id == Lightest) {
      lightest(host);
    } else if (id == kOk) {
      const std::string location = host.text(Location, 251);
      state_.report = format(" Job number or ID: %s\r\n", state_.jobNumber.c_str());
      if (!blank(location)) state_.report += " " + location + "\r\n";
      state_.report += "\r\n" + report_;
      state_.result = result_;
      host.close(true);
    } else if (id == kCancel) {
      host.close(false);
    }
  }

 protected:
  // The form's own calculation for one section with the inputs last read: its report and result.
  struct Run {
    std::string report, error;
    DesignResult result;
  };
  // Reads the form's inputs (a FieldError for a field that holds no number); returns why they cannot be
  // used whatever the section, or "".
  virtual std::string readInputs(FormHost& host) = 0;
  virtual Run run(const Shape* section) const = 0;
  virtual void openedMore(FormHost&) {}
  virtual void storeMore(FormHost&) {}
  virtual void enableMore(FormHost&, Family) {}

  // The shared head of the layout: location, method, family and section, Fy and E.
  void head() {
    FormLayout& l = layout_;
    Control& loc = l.add(ControlKind::MultiEdit, Location, "Location of this member:");
    loc.width = 40;
    loc.height = 2;
    l.newLine();
    l.radio(Lrfd, "LRFD", 1);
    l.radio(Asd, "ASD", 1);
    l.newLine();
    l.dropDown(FamilyBox, "Shape family:").width = 18;
    l.newLine();
    l.list(List, "Section:", 8).width = 22;
    l.newLine();
    l.edit(FyField, "Fy=", "ksi").width = 8;
    field({EField, "E=", "ksi", "E", "29000", false});
  }
  // One numeric field on the current line.
  void field(const Field& f) {
    Control& c = layout_.edit(f.id, f.label, f.unit);
    c.width = 8;
    c.optional = f.optional;
    fields_.push_back(f);
  }
  // The shared tail: the depth limit of the search, the pane and the buttons.
  void tail() {
    layout_.newLine();
    field({MaxDepth, "Maximum depth *=", "in", "maxDepth", "", true});
    layout_.controls.back().checkedOnCalculate = true;
    layout_.label("(Lightest only)");
    layout_.newLine();
    layout_.pane(Result, "Result:", 16).width = 84;
    layout_.newLine();
    layout_.button(Calculate, "Calculate").isDefault = true;
    layout_.button(Lightest, "Lightest");
    layout_.button(kOk, "OK");
    layout_.button(kCancel, "Cancel");
  }

  // Stores one input; the file is rewritten only for a value that changed (a search stores twice).
  void keep(const char* section, const char* key, const std::string& value) {
    if (state_.settings.read(section, key, "", value.size() + 2) != value) state_.settings.write(section, key, value);
  }

  Method method(const FormHost& host) const { return host.checked(Asd) ? Method::ASD : Method::LRFD; }
  // An optional field as typed, or `empty` when it is blank.
  static bool blank(const std::string& t) { return t.find_first_not_of(" \t") == std::string::npos; }
  static double orWhenBlank(const FormHost& host, int id, double empty) {
    return blank(host.text(id, std::string::npos)) ? empty : host.number(id);
  }
  double fy(const FormHost& host) const { return host.number(FyField); }
  double e(const FormHost& host) const { return host.number(EField); }

  AppState& state_;
  FormLayout layout_;

 private:
  Family family() const { return families_[static_cast<std::size_t>(familyIndex_)]; }

  void fillSections(FormHost& host, const std::string& label) {
    familyIndex_ = host.selection(FamilyBox) < 0 ? 0 : host.selection(FamilyBox);
    rows_.clear();
    std::vector<std::string> items;
    int selected = 0;
    for (const FamilyEntry& e : shapesOfFamily(family())) {
      if (e.shape->label == label) selected = static_cast<int>(rows_.size());
      rows_.push_back(e.shape);
      items.emplace_back(e.shape->label);
    }
    host.setItems(List, items);
    host.select(List, selected);
  }

  void enableForFamily(FormHost& host) { enableMore(host, family()); }

  // The selected row, or the first (selected then) when none is.
  const Shape* selected(FormHost& host) const {
    int row = host.selection(List);
    if (row < 0 || row >= static_cast<int>(rows_.size())) {
      row = 0;
      host.select(List, 0);
    }
    return rows_.empty() ? nullptr : rows_[static_cast<std::size_t>(row)];
  }

  // Reads and checks the inputs, storing them; false (after an error box) when they cannot be used.
  bool accept(FormHost& host) {
    const std::string why = readInputs(host);
    if (!why.empty()) {
      report_ = " AISC 360-22: cannot calculate.\r\n " + why + "\r\n";
      result_ = DesignResult{};
      host.setText(Result, report_);
      host.message(layout_.title, why, MessageIcon::Exclamation);
      return false;
    }
    store(host);
    return true;
  }

  void store(FormHost& host) {
    keep("Project", "Note", host.text(Location, 251));
    keep(section_, "method", host.checked(Asd) ? "ASD" : "LRFD");
    keep(section_, "family", familyName(family()));
    if (const Shape* s = selected(host)) keep(section_, "section", s->label);
    keep(section_, "Fy", host.text(FyField, 32));
    keep(section_, "FyTyped", fyTyped_ ? "1" : "0");
    for (const Field& f : fields_) keep(section_, f.key, host.text(f.id, 32));
    storeMore(host);
  }

  void calculate(FormHost& host) {
    if (!accept(host)) return;
    show(host, run(selected(host)));
  }

  void show(FormHost& host, const Run& r) {
    report_ = r.report;
    result_ = r.result;
    host.setText(Result, candidates_.empty() ? report_ : candidates_ + "\r\n" + report_);
    // A section the checks do not cover is input the calculation cannot use.
    if (!r.error.empty()) host.message(layout_.title, r.error, MessageIcon::Exclamation);
  }

  void lightest(FormHost& host) {
    if (!accept(host)) return;
    SearchLimits limits;
    limits.maxDepth = orWhenBlank(host, MaxDepth, 0.0);
    if (limits.maxDepth < 0.0) {
      host.message(layout_.title, "Maximum depth: give a positive number of inches, or leave it empty.",
                   MessageIcon::Exclamation);
      return;
    }
    std::vector<SearchRow> rows;
    for (std::size_t i = 0; i < rows_.size(); ++i)
      rows.push_back({static_cast<int>(i), rows_[i]->label, rows_[i]->W, memberDepth(*rows_[i])});
    const LightestResult found =
        lightestPassing(rows, [&](int row) { return run(rows_[static_cast<std::size_t>(row)]).result; }, limits);
    candidates_ = found.text(familyName(family()), limits);
    if (found.passing.empty()) {
      // The last calculation (report_) stays what OK publishes; the pane shows why no row passes.
      host.setText(Result, candidates_);
      host.message(layout_.title, candidates_, MessageIcon::Information);
      return;
    }
    const int row = found.passing.front().row;
    host.select(List, row);
    store(host);
    show(host, run(rows_[static_cast<std::size_t>(row)]));
  }

  const char* section_;
  std::vector<Family> families_;
  std::vector<Field> fields_;
  std::vector<const Shape*> rows_;
  int familyIndex_ = 0;
  bool fyTyped_ = false;
  std::string report_, candidates_;
  DesignResult result_;  // of report_
};

class FlexureForm : public MemberForm {
 public:
  explicit FlexureForm(AppState& s)
      : MemberForm(s, "AISC360_FLEX_Box", "Steel Flexure and Shear, AISC 360-22", "AISC360_FLEX",
                   {std::begin(kBendingFamilies), std::end(kBendingFamilies)}) {
    head();
    layout_.newLine();
    layout_.radio(Major, "Major axis", 2);
    layout_.radio(Minor, "Minor axis", 2);
    layout_.newLine();
    field({Moment, "Moment=", "kip-ft", "moment", "", false});
    field({Shear, "Shear *=", "kips", "shear", "", true});
    layout_.newLine();
    field({LbField, "Unbraced length Lb=", "ft", "Lb", "", false});
    field({CbField, "Cb=", "", "Cb", "1.0", false});
    field({LvField, "Lv *=", "ft (round HSS: maximum to zero shear)", "Lv", "", true});
    layout_.newLine();
    layout_.label("Live-load deflection (simple span, uniform load):");
    layout_.newLine();
    field({Span, "Span *=", "ft", "span", "", true});
    field({LiveLoad, "Live load *=", "kip/ft", "liveLoad", "", true});
    layout_.newLine();
    layout_.radio(L240, "L/240", 3);
    layout_.radio(L360, "L/360", 3);
    layout_.radio(LTyped, "L/N", 3);
    field({LimitN, "Limit N *=", "", "limitN", "", true});
    tail();
  }

 private:
  void openedMore(FormHost& host) override {
    const Settings& st = state_.settings;
    host.setChecked(st.read("AISC360_FLEX", "axis") == "minor" ? Minor : Major, true);
    const std::string limit = st.read("AISC360_FLEX", "deflLimit", "360");
    host.setChecked(limit == "240" ? L240 : limit == "N" ? LTyped : L360, true);
  }
  void storeMore(FormHost& host) override {
    keep("AISC360_FLEX", "axis", host.checked(Minor) ? "minor" : "major");
    keep("AISC360_FLEX", "deflLimit", host.checked(L240) ? "240" : host.checked(LTyped) ? "N" : "360");
  }
  void enableMore(FormHost& host, Family f) override {
    host.setEnabled(LvField, isRoundHss(f));
    // A round section has no minor axis.
    host.setEnabled(Minor, !isRoundHss(f));
    if (isRoundHss(f)) host.setChecked(Major, true);
  }

  std::string readInputs(FormHost& host) override {
    in_ = FlexureInput{};
    in_.Fy = fy(host);
    in_.E = e(host);
    in_.method = method(host);
    in_.axis = host.checked(Minor) ? Axis::Minor : Axis::Major;
    in_.Mr = host.number(Moment);
    in_.Vr = host.number(Shear);
    in_.Lb = host.number(LbField);
    in_.Cb = host.number(CbField);
    in_.Lv = host.isEnabled(LvField) ? host.number(LvField) : 0.0;
    in_.span = host.number(Span);
    in_.liveLoad = host.number(LiveLoad);
    in_.deflLimit = host.checked(L240) ? 240.0 : host.checked(LTyped) ? host.number(LimitN) : 360.0;
    // The deflection check runs when span and load are both given; half of it is a mistake, not a choice.
    if ((in_.span > 0.0) != (in_.liveLoad > 0.0))
      return "Give both the span and the live load for the deflection check, or neither.";
    if (in_.span > 0.0 && !(in_.deflLimit > 0.0)) return "Limit N: give the N of the deflection limit L/N.";
    return Flexure::inputError(in_);
  }
  Run run(const Shape* section) const override {
    FlexureInput in = in_;
    in.section = section;
    const Flexure f(in);
    return {f.report(), f.error(), f.result()};
  }

  FlexureInput in_;
};

class CompressionForm : public MemberForm {
 public:
  explicit CompressionForm(AppState& s)
      : MemberForm(s, "AISC360_COMP_Box", "Steel Compression, AISC 360-22", "AISC360_COMP",
                   {std::begin(kAxialFamilies), std::end(kAxialFamilies)}) {
    head();
    layout_.newLine();
    field({Axial, "Axial Load=", "kips", "axial", "", false});
    layout_.newLine();
    field({Lcx, "Lcx=", "ft", "Lcx", "", false});
    field({Lcy, "Lcy=", "ft", "Lcy", "", false});
    field({Lcz, "Lcz *=", "ft (empty: Lcy)", "Lcz", "", true});
    layout_.newLine();
    field({Spacing, "Connector spacing a *=", "in (2L)", "spacing", "", true});
    layout_.check(SnugTight, "Snug-tight bolted connectors");
    tail();
  }

 private:
  void openedMore(FormHost& host) override {
    host.setChecked(SnugTight, state_.settings.read("AISC360_COMP", "snugTight") == "1");
  }
  void storeMore(FormHost& host) override {
    keep("AISC360_COMP", "snugTight", host.checked(SnugTight) ? "1" : "0");
  }
  void enableMore(FormHost& host, Family f) override {
    host.setEnabled(Spacing, f == Family::DoubleL);
    host.setEnabled(SnugTight, f == Family::DoubleL);
  }

  std::string readInputs(FormHost& host) override {
    in_ = CompressionInput{};
    in_.Fy = fy(host);
    in_.E = e(host);
    in_.method = method(host);
    in_.Pr = host.number(Axial);
    in_.Lcx = host.number(Lcx);
    in_.Lcy = host.number(Lcy);
    // Blank is "as Lcy"; a typed 0 is a member braced against twist.
    in_.Lcz = orWhenBlank(host, Lcz, -1.0);
    if (in_.Lcz < 0.0 && !blank(host.text(Lcz, std::string::npos)))
      return "Lcz must be zero or a positive number of ft (empty: taken as Lcy).";
    in_.connectorSpacing = host.isEnabled(Spacing) ? host.number(Spacing) : 0.0;
    in_.snugTight = host.isEnabled(SnugTight) && host.checked(SnugTight);
    return Compression::inputError(in_);
  }
  Run run(const Shape* section) const override {
    CompressionInput in = in_;
    in.section = section;
    const Compression c(in);
    return {c.report(), c.error(), c.result()};
  }

  CompressionInput in_;
};

class CombinedForm : public MemberForm {
 public:
  explicit CombinedForm(AppState& s)
      : MemberForm(s, "AISC360_COMB_Box", "Steel Combined Forces, AISC 360-22", "AISC360_COMB",
                   {std::begin(kBendingFamilies), std::end(kBendingFamilies)}) {
    head();
    layout_.newLine();
    field({Axial, "Axial Load=", "kips", "axial", "", false});
    layout_.newLine();
    field({Moment, "Moment Mx=", "kip-ft", "Mx", "", false});
    field({MomentY, "Moment My *=", "kip-ft", "My", "", true});
    layout_.newLine();
    field({Lcx, "Lcx=", "ft", "Lcx", "", false});
    field({Lcy, "Lcy=", "ft", "Lcy", "", false});
    field({Lcz, "Lcz *=", "ft (empty: Lcy)", "Lcz", "", true});
    layout_.newLine();
    field({LbField, "Unbraced length Lb=", "ft", "Lb", "", false});
    field({CbField, "Cb=", "", "Cb", "1.0", false});
    tail();
  }

 private:
  std::string readInputs(FormHost& host) override {
    in_ = CombinedInput{};
    in_.Fy = fy(host);
    in_.E = e(host);
    in_.method = method(host);
    in_.Pr = host.number(Axial);
    in_.Mrx = host.number(Moment);
    in_.Mry = host.number(MomentY);
    in_.Lcx = host.number(Lcx);
    in_.Lcy = host.number(Lcy);
    in_.Lcz = orWhenBlank(host, Lcz, -1.0);
    if (in_.Lcz < 0.0 && !blank(host.text(Lcz, std::string::npos)))
      return "Lcz must be zero or a positive number of ft (empty: taken as Lcy).";
    in_.Lb = host.number(LbField);
    in_.Cb = host.number(CbField);
    return Combined::inputError(in_);
  }
  Run run(const Shape* section) const override {
    CombinedInput in = in_;
    in.section = section;
    const Combined c(in);
    return {c.report(), c.error(), c.result()};
  }

  CombinedInput in_;
};

}  // namespace

void registerAisc360Forms(FormRegistry& registry) {
  registry.add(cmd::Aisc360Flexure, [](AppState& s) { return std::make_unique<FlexureForm>(s); });
  registry.add(cmd::Aisc360Compression, [](AppState& s) { return std::make_unique<CompressionForm>(s); });
  registry.add(cmd::Aisc360Combined, [](AppState& s) { return std::make_unique<CombinedForm>(s); });
}

}  // namespace vd::aisc360
