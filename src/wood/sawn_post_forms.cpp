// "2x, 3x, 4x Post" and "5x, 6x, ...  Post": axial capacity of the current sawn member as a column.
#include <algorithm>
#include <array>

#include "frame/frame.h"
#include "wood/wood_column.h"
#include "wood/form_factories.h"
#include "wood/wood_search.h"
#include "wood/wood_state.h"

namespace vd {

namespace {

constexpr std::size_t kLocationCapacity = 351;
constexpr std::size_t kField = 11;  // number fields hold up to 10 characters

constexpr const char* kSizeFactorReminder =
    "Size Factor, C_F for Fc are:\r\n  Select Structural, No.1 & Btr, No. 1, No. 2, No 3\r\n\t2\", 3\", 4\"  -> "
    "1.15\r\n\t5\", 6\"       -> 1.10\r\n\t8\"            -> 1.05\r\n\t10\", 12\"     -> 1.00\r\n\t14\" & wider   -> "
    "0.90\r\n  Stud\r\n\t2\", 3\", 4\"  -> 1.05\r\n\t5\", 6\"       -> 1.00\r\n  Construction & Standard\r\n\tall      "
    "      -> 1.00\r\n  Utility\r\n\t2\" & 3\"      -> 0.60\r\n\t4\"            -> 1.00";

class SawnPostForm : public Form {
 public:
  enum { Location = 101, Depth, Width, Length, Load, Cd, Cm, Ct, Cf, Cp, Ci, Calculate, Report, LengthW, Lightest, MaxDepth };

  SawnPostForm(AppState& s, bool timber)
      : state_(s),
        timber_(timber),
        layout_(timber ? "SAWNCOL5_Box" : "SAWNCOL_Box",
                timber ? "5x or Larger Solid Wood Column or Post Design--NDS 3.7.1"
                       : "2x or 4x Solid Wood Column or Post Design--NDS 3.7.1") {
    const char* inch = timber ? "in." : "inch";
    layout_.add(ControlKind::MultiEdit, Location, "Location of this col:").height = 2;
    layout_.newLine();
    layout_.label(timber ? "Orientation of the Member" : "Size and  orientation");
    layout_.edit(Depth, timber ? "(Lc) d =" : "d  (unbraced side) =", inch).width = 10;
    layout_.edit(Width, timber ? "w =" : "by", inch).width = 10;
    layout_.newLine();
    maxDepthField(layout_, MaxDepth);
    layout_.newLine();
    layout_.edit(Length, "Unbraced length =", timber ? "ft." : "feet").width = 10;
    layout_.edit(Load, "Axial Load Pa =", "kip.").width = 10;
    layout_.newLine();
    // Optional: a second length checks buckling across w as well; empty or 0 leaves w braced.
    Control& lengthW = layout_.edit(LengthW, "w-side unbraced length =", timber ? "ft." : "feet");
    lengthW.width = 10;
    lengthW.optional = true;  // empty or 0 leaves w braced
    layout_.newLine();
    layout_.edit(Cd, "duration, Cd", "0.9 - 2.0").width = 10;
    layout_.edit(Cm, "moisture, Cm", "0.67 - 1.0").width = 10;
    layout_.edit(Ct, "temperature", "1.0").width = 10;
    layout_.newLine();
    if (!timber) layout_.edit(Cf, "size, Cf for compression", "0.6 - 1.15").width = 10;
    layout_.edit(Cp, "stability, Cp", "1.0").width = 10;
    layout_.edit(Ci, "incising, Ci", "0.85 - 1.0").width = 10;
    layout_.newLine();
    layout_.button(Calculate, "Calculate").isDefault = true;
    lightestButton(layout_, Lightest);
    layout_.button(kOk, "OK");
    layout_.newLine();
    layout_.pane(Report, "", 14).width = 80;
  }
  const FormLayout& layout() const override { return layout_; }
  std::string candidates() const override { return candidates_; }

  void opened(FormHost& host) override {
    Settings& st = state_.settings;
    host.setText(Location, st.read("Project", "Note", "", kLocationCapacity));
    host.setText(MaxDepth, st.read("WD_COL", "maxDepth"));
    for (const Field& f : fields())
      if (!(timber_ && f.id == Cf)) host.setText(f.id, st.read("WD_COL", f.key, "", kField));
    if (!timber_) host.setText(Report, kSizeFactorReminder);
  }

  void pressed(FormHost& host, int id) override {
    if (id == Calculate) {
      calculate(host);
    } else if (id == Lightest) {
      pressLightest(host);
    } else if (id == kOk) {
      // OK without a calculation calculates what the fields show, so the pad gets a report.
      if (!calculated_) calculate(host);
      state_.settings.write("Project", "Note", host.text(Location, kLocationCapacity));
      if (calculated_) {
        state_.report = report_;
        state_.result = result_;
      }
      host.close(true);
    } else if (id == kCancel) {
      host.close(false);
    }
  }

 private:
  struct Field {
    int id;
    const char* key;
  };
  static const std::array<Field, 11>& fields() {
    static const std::array<Field, 11> f = {{{Depth, "depth"},
                                             {Width, "width"},
                                             {Length, "le"},
                                             {Load, "Paxial"},
                                             {Cd, "CF1"},
                                             {Cm, "CF2"},
                                             {Ct, "CF3"},
                                             {Cf, "CF4"},
                                             {Cp, "CF5"},
                                             {Ci, "CF6"},
                                             {LengthW, "leW"}}};
    return f;
  }

  SawnMember& member() { return sawnMember(state_, timber_); }

  // Every size of the member's species and grade through this form's Calculate, each standing as the
  // typed sides do (the side typed as d the thinner one when it is no wider than w) and, for 2x-4x, with
  // its own C_F for compression (NDS Supplement Table 4A) in place of the one typed. The lightest passing
  // size becomes the current member, its sides and C_F are typed in, and it is calculated.
  void pressLightest(FormHost& host) {
    if (!member().valid()) return calculate(host);  // says that no member has been chosen
    const std::string typed[3] = {host.text(Depth, kField), host.text(Width, kField), host.text(Cf, kField)};
    // The sides are replaced by each size's, so they need not hold numbers; empty ones read as 0.
    const bool thinAsD = !(parseNumber(typed[0]) > parseNumber(typed[1]));
    FormSearch search;
    search.caption = layout_.title;
    search.what = timber_ ? "5x and larger sawn" : "2x-4x sawn";
    search.section = "WD_COL";
    search.maxDepthId = MaxDepth;
    search.paneId = Report;
    const auto place = [&](FormHost& h, int row) {
      if (row < 0) {
        h.setText(Depth, typed[0]);
        h.setText(Width, typed[1]);
        if (!timber_) h.setText(Cf, typed[2]);
        return;
      }
      const SawnMember& m = member();
      const double thin = std::min(m.b(), m.d()), wide = std::max(m.b(), m.d());
      h.setText(Depth, format("%g", thinAsD ? thin : wide));
      h.setText(Width, format("%g", thinAsD ? wide : thin));
      double CFb = 1.0, CFt = 1.0, CFc = 1.0;
      m.getSizeFactors(CFb, CFt, CFc);
      if (!timber_) h.setText(Cf, format("%g", CFc));
    };
    candidates_ = pressSawnLightest(host, state_, timber_, true, search, place, [&](FormHost& h) {
      result_ = DesignResult{};
      calculate(h);
      return result_;
    });
  }

  void calculate(FormHost& host) {
    SawnMember* chosen = chosenSawnMember(host, state_, timber_, "Post Design");
    if (!chosen) return;
    SawnMember& m = *chosen;
    const std::string location = host.text(Location, kLocationCapacity);
    report_ = format(" Job number or ID: %s\r\n %s \r\n", state_.jobNumber.c_str(), location.c_str());
    Settings& st = state_.settings;
    double v[11] = {};
    for (std::size_t i = 0; i < fields().size(); ++i) {
      if (timber_ && fields()[i].id == Cf) continue;
      v[i] = host.number(fields()[i].id, kField);
      st.formatAndWrite("WD_COL", fields()[i].key, "%.2lf", v[i]);
    }
    ColumnFactors f;
    f.C_D = v[4];
    f.C_M = v[5];
    f.C_t = v[6];
    f.C_F = timber_ ? 1.0 : v[7];
    f.C_stability = v[8];
    f.C_i = v[9];
    report_ += m.describe();
    WoodColumn column(m, v[2], v[0], v[1], v[3], f, v[10]);
    report_ += column.report();
    result_ = column.result();
    host.setText(Report, report_);
    calculated_ = true;
  }

  AppState& state_;
  bool timber_;
  FormLayout layout_;
  DesignResult result_;  // of the last calculation
  std::string report_;
  bool calculated_ = false;
  std::string candidates_;  // of the last "Lightest"
};

}  // namespace

std::unique_ptr<Form> makeSawnPostForm(AppState& state, bool timber) {
  return std::make_unique<SawnPostForm>(state, timber);
}

}  // namespace vd
