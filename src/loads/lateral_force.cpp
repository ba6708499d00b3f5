#include "loads/lateral_force.h"

#include <cmath>
#include <vector>

namespace vd {

const std::array<FactorRow, 5> kZoneFactors = {{
    {"zone 1,     Z =0.075", 0.075},
    {"zone 2A,  Z =0.15", 0.15},
    {"zone 2B,  Z =0.20", 0.20},
    {"zone 3,   Z =0.30", 0.30},
    {"zone 4,   Z =0.40", 0.40},
}};
const std::array<FactorRow, 5> kOccupancyFactors = {{
    {"Essential facilities   I =1.25", 1.25},
    {"Hazardous facilities   I =1.25", 1.25},
    {"Special occupancy      I =1.00", 1.00},
    {"Standard occupancy   I =1.00", 1.00},
    {"Miscellaneous struct. I =1.00", 1.00},
}};
const std::array<FactorRow, 4> kSiteFactors = {{
    {"S = 1.0: At rock-like material ...; Medium-dense soil ...", 1.0},
    {"S = 1.2: At medium-dense or medium-stiff soil ....", 1.2},
    {"S = 1.5: At more than 20 feet medium-stiff clay ...", 1.5},
    {"S = 2.0: At more than 40 feet of soft clay ....", 2.0},
}};
const std::array<FactorRow, 3> kCtFactors = {{
    {"0.035, steel moment frame", 0.035},
    {"0.030, concrete moment frame", 0.030},
    {"0.020, others", 0.020},
}};

namespace {

const std::string kRule(99, '-');
const char* const kTooLarge = "The heights or weights are too large to compute.";

bool finite(std::initializer_list<double> values) {
  for (double v : values)
    if (!std::isfinite(v)) return false;
  return true;
}

}  // namespace

LateralForceResult runLateralForce(LateralForceState& s, const std::string& jobNumber) {
  LateralForceResult r;
  auto& lv = s.levels;
  std::string& out = r.report;
  out = format("Project/JO: %s\r\n\r\n", jobNumber.c_str());

  // Levels count from level 1 up to the first one without a positive height.
  lv[11].height = 0.0;
  r.n = 1;
  for (int i = 1; lv[i].height > 0.0 && i < 12; ++i) {
    r.n = i;
    r.hn = lv[i].height;
  }
  const int n = r.n;

  if (s.Rw <= 0) {
    r.problem = "No seismic factors were applied: pick Z, I, S, Ct and Rw on the first page and press Apply or OK.";
  } else if (r.hn <= 0.0) {
    r.problem = "No level has a positive height: enter the height of level 1 and the levels above it.";
  } else if (s.period < 0.0) {
    r.problem = "The period cannot be negative: enter 0.0 to accept the default period.";
  }

  if (r.problem.empty()) {
    r.periodA = s.Ct * std::pow(r.hn, 0.75);
    r.period = s.period == 0.0 ? r.periodA : s.period;
    r.C = 1.25 * s.S / std::pow(r.period, 0.667);
    if (r.C > 2.75) r.C = 2.75;
    if (r.C < 0.075 * s.Rw) r.C = 0.075 * s.Rw;

    lv[0] = StoreyLevel{};
    lv[0].name = "ground";
    for (int i = 1; i <= n; ++i) {
      r.W += lv[i].weight;
      lv[i - 1].storeyHeight = lv[i].height - lv[i - 1].height;
      lv[i].hw = lv[i].weight * lv[i].height;
      r.sumHw += lv[i].hw;
    }
    lv[n].storeyHeight = 0.0;
    r.V = s.Z * s.I * r.C / s.Rw * r.W;
    if (r.period >= 0.7) r.Ft = 0.07 * r.period > 0.25 ? 0.25 * r.V : 0.07 * r.period * r.V;

    if (r.sumHw <= 0.0) {
      r.problem = "The sum of height times weight of the levels is not positive: enter the level weights.";
    } else if (!finite({r.periodA, r.period, r.C, r.W, r.sumHw, r.V, r.Ft})) {
      r.problem = kTooLarge;
    }
  }

  // The level table from the top down; computed before anything is printed, because huge heights
  // can overflow the overturning moments even when the base shear is finite.
  if (r.problem.empty()) {
    lv[n].shearAbove = 0.0;
    for (int i = n; i >= 0; --i) {
      lv[i].share = lv[i].hw / r.sumHw;
      lv[i].force = (r.V - r.Ft) * lv[i].share + (i == n ? r.Ft : 0.0);
      if (i > 0) lv[i - 1].shearAbove = lv[i].shearAbove + lv[i].force;
      lv[i].overturning = lv[i].shearAbove * lv[i].storeyHeight + (i == n ? 0.0 : lv[i + 1].overturning);
      if (!finite({lv[i].share, lv[i].force, lv[i].shearAbove, lv[i].overturning})) r.problem = kTooLarge;
    }
  }
  if (!r.problem.empty()) {
    appendf(out, "\r\n %s\r\n", r.problem.c_str());
    return r;
  }

  appendf(out,
          "\r\n\t\t 94 UBC 1628 -- Minimum Design Lateral Force\r\n\t\t 1628.2 -- Static Force Procedure\r\n Design "
          "base shear and vertical distribution of seismic forces (Method A)\r\n\r\n Table 16-I, Zone factor =%.3lf;  "
          "Table 16-K, I factor =%.3lf;  Table 16-N, Rw =%d\r\n The empirical coefficient to find T: Ct =%.3lf\r\n "
          "Table 16-J Soil Site Coefficient =%.2lf\r\n No. levels =%d,  high =%.2lf ft,   total weight =%.2lf "
          "kip\r\n Period (by Method A) = Ct*(hn)^0.75 =%.3lf seconds\r\n Period (modified by the user) = %.3lf "
          "seconds\r\n C = 1.25* Site Coefficient / Period^0.67 =%.3lf\r\n\r\n V = Z*I*C/Rw *W =%.3lf *W =%.3lf "
          "kips\r\n\r\n top level Ft =%.3lf kips\r\n",
          s.Z, s.I, s.Rw, s.Ct, s.S, n, r.hn, r.W, r.periodA, r.period, r.C, s.Z * s.I * r.C / s.Rw, r.V, r.Ft);
  r.ownPeriod = r.periodA != 0.0 && r.periodA != r.period;

  out += "\r\nLevel,height    feet,floor high above (ft).,weight   kip,  h*w,  %V,Fx     kip.,sum of    (Fx),OTM     "
         "kip-ft\r\n,,,,,,,," +
         kRule;
  for (int i = n; i >= 0; --i) {
    appendf(out, "\r\n%-12s,   %.3lf,   %.3lf,   %.2lf,   %.1lf,   %.1lf%%,  %.2lf,  %.2lf,   %.0lf", lv[i].name.c_str(),
            lv[i].height, lv[i].storeyHeight, lv[i].weight, lv[i].hw, lv[i].share * 100.0, lv[i].force,
            lv[i].shearAbove, lv[i].overturning);
  }
  out += "\r\n,,,,,,,," + kRule;
  appendf(out, "\r\nTotal, ,  ,                 %.1lf kip,      %.0lf,   %.1lf%%,   V =%.1lf kip, , %.0lf", r.W, r.sumHw,
          100.0, r.V, lv[0].overturning);
  appendf(out, "\r\n\r\n Base shear V =%.3lf kips, period T =%.3lf seconds\r\n", r.V, r.period);
  r.ok = true;
  return r;
}

bool storedPeriodTyped(Settings& st) {
  const std::string typed = st.read("94UBC", kPeriodTypedKey, "", 10);
  if (!typed.empty()) return typed == "1";
  // Stored before the key existed: the period counts as computed when it is Method A's for the
  // stored levels and Ct, as a run with the field at 0 stored it.
  const double period = parseNumber(st.read("94UBC", "PERIOD", "", 10));
  if (period == 0.0) return false;
  const int ct = st.readInt("94UBC", "Ct");
  double hn = 0.0;
  for (int level = 1; level <= 10; ++level) {
    const double h = parseNumber(st.read("94UBC", format("H%02d", level), "", 10));
    if (!(h > 0.0)) break;
    hn = h;
  }
  const double periodA = kCtFactors[ct >= 0 && ct < 3 ? static_cast<std::size_t>(ct) : 0].value * std::pow(hn, 0.75);
  return format("%.3lf", period) != format("%.3lf", periodA);
}

namespace {

// The two-page property sheet.
class LateralForceSheet : public Form {
 public:
  enum { ZoneList = 101, OccupancyList, SiteList, CtList, RwList, PeriodField = 120, GroundHeight = 121 };
  static int nameId(int level) { return 200 + level; }
  static int heightId(int level) { return 220 + level; }
  static int weightId(int level) { return 240 + level; }

  explicit LateralForceSheet(AppState& state)
      : state_(state),
        s_(state.module<LateralForceState>()),
        layout_("94UBC_Sheet", "94 UBC Sect. 1628.2.1 Simplified Static Seismic Force Procedure") {
    layout_.newPage("Z, I && Rw");
    layout_.list(ZoneList, "Table 16-I, Seismic Zone Factor 'Z'", 5).width = 34;
    layout_.list(OccupancyList, "Table 16-K, Occupancy Category 'I'", 5).width = 34;
    layout_.newLine();
    layout_.list(SiteList, "Table 16-J, Site Coefficients 'S'", 4).width = 34;
    layout_.list(CtList, "Section 1628.2.2 'Ct'", 3).width = 34;
    layout_.newLine();
    layout_.list(RwList, "Table 16-N, 'Rw' factor", 9).width = 8;

    layout_.newPage("height && weight");
    // Level 1 is the bottom row, as in the building.
    for (int level = 10; level >= 1; --level) {
      layout_.label(level == 10 ? std::string("Level 10 (roof)") : format("Level %d", level));
      Control& name = layout_.cell(nameId(level), "Level", level, 0);
      name.width = 10;
      name.isText = true;
      layout_.cell(heightId(level), "height, ft", level, 1).width = 10;
      layout_.cell(weightId(level), "weight, kip", level, 2).width = 10;
      layout_.newLine();
    }
    layout_.label("Ground");
    Control& ground = layout_.cell(GroundHeight, "height, ft", 0, 1);
    ground.enabled = false;
    layout_.newLine();
    layout_.edit(PeriodField, "Period:", "seconds").width = 10;
    layout_.newLine();
    layout_.label("Set to 0.0 to accept the default period.");
  }

  const FormLayout& layout() const override { return layout_; }

  void opened(FormHost& host) override {
    Settings& st = state_.settings;
    fillList(host, ZoneList, kZoneFactors, st.readInt("94UBC", "ZONE"));
    fillList(host, OccupancyList, kOccupancyFactors, st.readInt("94UBC", "I"));
    fillList(host, SiteList, kSiteFactors, st.readInt("94UBC", "Site"));
    fillList(host, CtList, kCtFactors, st.readInt("94UBC", "Ct"));
    std::vector<std::string> rw;
    for (int v = 4; v <= 12; ++v) rw.push_back(std::to_string(v));
    host.setItems(RwList, rw);
    host.select(RwList, st.readInt("94UBC", "RW"));

    for (int level = 1; level <= 10; ++level) {
      host.setText(nameId(level), st.read("94UBC", format("F%02d", level), "", 10));
      host.setText(heightId(level), st.read("94UBC", format("H%02d", level), "", 10));
      host.setText(weightId(level), st.read("94UBC", format("W%02d", level), "", 10));
    }
    host.setText(GroundHeight, "0.00");
    host.setText(PeriodField, st.read("94UBC", "PERIOD", "", 10));
    storedTyped_ = storedPeriodTyped(st);
    periodEdited_ = false;
    applied_ = false;
    host.setEnabled(kApply, false);
  }

  void changed(FormHost& host, int id) override {
    if (id == PeriodField) periodEdited_ = true;
    if (id >= ZoneList && id <= RwList) {
      takeFactors(host);
      Settings& st = state_.settings;
      st.formatAndWrite("94UBC", "ZONE", "%d", host.selection(ZoneList));
      st.formatAndWrite("94UBC", "I", "%d", host.selection(OccupancyList));
      st.formatAndWrite("94UBC", "Site", "%d", host.selection(SiteList));
      st.formatAndWrite("94UBC", "Ct", "%d", host.selection(CtList));
      st.formatAndWrite("94UBC", "Rw", "%d", host.selection(RwList));
    }
    host.setEnabled(kApply, true);
  }

  void pressed(FormHost& host, int id) override {
    if (id == kOk || id == kApply) {
      takeFactors(host);
      for (int level = 1; level <= 10; ++level) {
        s_.levels[level].name = host.text(nameId(level), 10);
        s_.levels[level].height = host.number(heightId(level));
        s_.levels[level].weight = host.number(weightId(level));
      }
      // A period the program computed is computed again from the levels as they are now; one the
      // engineer typed (now or before) stays theirs.
      s_.period = periodEdited_ || storedTyped_ ? host.number(PeriodField) : 0.0;
      applied_ = true;
      host.setEnabled(kApply, false);
    }
    if (id == kOk) {
      // An input the run cannot use keeps the sheet open with everything typed.
      LateralForceState trial = s_;
      const LateralForceResult r = runLateralForce(trial, state_.jobNumber);
      if (!r.ok) {
        host.message("Vardelin", r.problem, MessageIcon::Exclamation);
        return;
      }
      host.close(true);
    }
    if (id == kCancel) host.close(false);
  }

  // The run follows the sheet whichever button closed it, with the values applied last.
  // An input error leaves the pad as it was, and stores what was applied in this opening (never the
  // empty table of a sheet closed without applying).
  void finished(bool, Messenger& messenger) override {
    LateralForceResult r = runLateralForce(s_, state_.jobNumber);
    if (!r.ok) {
      messenger.message("Vardelin", r.problem, MessageIcon::Exclamation);
    } else {
      state_.report = r.report;
      if (r.ownPeriod) messenger.message("Vardelin", "You specified your own building period.", MessageIcon::Exclamation);
    }
    if (!r.ok && !applied_) return;
    Settings& st = state_.settings;
    for (int level = 1; level <= 10; ++level) {
      st.write("94UBC", format("F%02d", level), s_.levels[level].name);
      st.formatAndWrite("94UBC", format("H%02d", level), "%.3lf", s_.levels[level].height);
      st.formatAndWrite("94UBC", format("W%02d", level), "%.2lf", s_.levels[level].weight);
    }
    st.formatAndWrite("94UBC", "PERIOD", "%.3lf", r.ok ? r.period : s_.period);
    st.write("94UBC", kPeriodTypedKey, s_.period != 0.0 ? "1" : "0");
  }

 private:
  template <std::size_t N>
  static void fillList(FormHost& host, int id, const std::array<FactorRow, N>& rows, int stored) {
    std::vector<std::string> items;
    for (const FactorRow& row : rows) items.emplace_back(row.text);
    host.setItems(id, items);
    host.select(id, stored);
  }

  // A list without a selection counts as its first row.
  template <std::size_t N>
  static double factor(const FormHost& host, int id, const std::array<FactorRow, N>& rows) {
    int sel = host.selection(id);
    return rows[sel >= 0 && sel < static_cast<int>(N) ? static_cast<std::size_t>(sel) : 0].value;
  }

  void takeFactors(FormHost& host) {
    s_.Z = factor(host, ZoneList, kZoneFactors);
    s_.I = factor(host, OccupancyList, kOccupancyFactors);
    s_.S = factor(host, SiteList, kSiteFactors);
    s_.Ct = factor(host, CtList, kCtFactors);
    int rw = host.selection(RwList);
    s_.Rw = (rw >= 0 && rw < 9 ? rw : 0) + 4;
  }

  AppState& state_;
  LateralForceState& s_;
  FormLayout layout_;
  bool storedTyped_ = false;   // the stored period was typed by the engineer
  bool periodEdited_ = false;  // the period field was edited in this opening
  bool applied_ = false;       // Apply or OK took the sheet's values in this opening
};

}  // namespace

void registerLateralForceForm(FormRegistry& registry) {
  registry.add(cmd::Lateral, [](AppState& s) { return std::make_unique<LateralForceSheet>(s); });
}

}  // namespace vd
