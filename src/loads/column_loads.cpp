#include "loads/column_loads.h"

#include <algorithm>
#include <cmath>

namespace vd {

double liveLoadReduction(double dead, double live, double area) {
  if (live >= 100.0) return 0.0;
  if (live == 20.0) {  // roof
    if (area < 200.0) return 0.0;
    return area < 600.0 ? 0.2 : 0.4;
  }
  if (area < 150.0) return 0.0;
  const double rMax = 0.231 * (1.0 + dead / live);
  return std::min({0.0008 * (area - 150.0), 0.4, rMax});
}

TakeDownResult takeDown(TakeDownRows& rows) {
  TakeDownResult r;
  for (int i = 3; i >= 0; --i) {
    TakeDownRow& row = rows[static_cast<std::size_t>(i)];
    const double area = (row.top + row.bottom) * (row.left + row.right) / 4.0;
    if (row.dead == 0.0 && row.live == 0.0) continue;
    // A level without live load keeps D/L finite.
    const double live = row.live == 0.0 ? 1.0e-5 : row.live;
    row.R = liveLoadReduction(row.dead, live, area);
    const double deadKip = area * row.dead / 1000.0;
    const double liveKip = (1.0 - row.R) * live * area / 1000.0;
    // Loads or spans near the largest double overflow: say so instead of printing infinities.
    const double total = (row.dead + live) * area / 1000.0;
    if (!std::isfinite(area * row.dead) || !std::isfinite(area * live) || !std::isfinite(total) ||
        !std::isfinite(r.sumDead + deadKip + r.sumLive + liveKip)) {
      r.ok = false;
      r.sumDead = r.sumLive = 0.0;
      r.text = "\r\n The loads or spans are too large to compute; check the grid.";
      return r;
    }
    r.sumDead += deadKip;
    r.sumLive += liveKip;
    appendf(r.text,
            "\r\n ##%d##  (%.1f dead + %.1f live) * (%.2f' + %.2f') *  (%.2f' + %.2f') /4 \r\n = (dead)%.0f lb. + "
            "(live)%.0f lb. =%.2f kip     tributary area =%.2f ft^2\r\n  could be reduced to:  (dead)%.0f lb. + %.3f "
            "* (live)%.0f lb. =%.2f + %.2f =%.2f kip\r\n",
            i + 1, row.dead, live, row.left, row.right, row.top, row.bottom, area * row.dead, area * live,
            total, area, area * row.dead, 1.0 - row.R, area * live, deadKip, liveKip,
            deadKip + liveKip);
  }
  appendf(r.text, "\r\n\t\t sum(dead)%.2lf kip + sum(live)%.2lf kip= %.2lf kip", r.sumDead, r.sumLive,
          r.sumDead + r.sumLive);
  return r;
}

namespace {

constexpr const char* kColumns[6] = {"dead", "live", "left", "right", "top", "bottom"};

class ColumnLoadsForm : public Form {
 public:
  enum { Location = 101, Display = 102, Calculate = 103, CancelButton = 104 };
  static int cellId(int row, int col) { return 200 + row * 10 + col; }

  explicit ColumnLoadsForm(AppState& state)
      : state_(state), rows_(state.module<TakeDownRows>()), layout_("PRECOLUMN_Box", "Preprocessor for column loads:") {
    Control& loc = layout_.add(ControlKind::MultiEdit, Location, "Location of this column:");
    loc.width = 40;
    loc.height = 2;
    loc.isText = true;
    // Row 3 is the top line of the grid, row 0 the lowest.
    for (int row = 3; row >= 0; --row) {
      layout_.newLine();
      for (int col = 0; col < 6; ++col) layout_.cell(cellId(row, col), kColumns[col], row, col).width = 8;
    }
    layout_.newLine();
    layout_.pane(Display, "", 12).width = 80;
    layout_.newLine();
    layout_.button(Calculate, "Calculate").isDefault = true;
    layout_.button(CancelButton, "Cancel");
    layout_.button(kOk, "OK");
  }

  const FormLayout& layout() const override { return layout_; }

  void opened(FormHost& host) override {
    static const char kRowLetter[4] = {'A', 'B', 'C', 'D'};
    for (int row = 0; row < 4; ++row)
      for (int col = 0; col < 6; ++col) {
        const std::string key = {kRowLetter[row], static_cast<char>('A' + col)};
        host.setText(cellId(row, col), state_.settings.read("PRECOL", key, "", 10));
      }
  }

  void pressed(FormHost& host, int id) override {
    if (id == Calculate) {
      calculate(host);
    } else if (id == kOk) {
      // OK without a Calculate in this opening calculates what the fields show, so the pad never
      // gets an empty or stale take-down.
      if (!calculated_) calculate(host);
      store();
      state_.report += "\r\n" + work_;
      host.close(true);
    } else if (id == CancelButton || id == kCancel) {
      host.close(false);
    }
  }

 private:
  void calculate(FormHost& host) {
    work_.clear();
    state_.report = host.text(Location, 250);
    for (int row = 0; row < 4; ++row) {
      TakeDownRow& r = rows_[static_cast<std::size_t>(row)];
      double* fields[6] = {&r.dead, &r.live, &r.left, &r.right, &r.top, &r.bottom};
      for (int col = 0; col < 6; ++col) *fields[col] = host.number(cellId(row, col), 11);
    }
    TakeDownResult result = takeDown(rows_);
    work_ = result.text;
    if (!result.ok) host.message("Debug", "The loads or spans are too large to compute.", MessageIcon::Exclamation);
    host.setText(Display, work_);
    calculated_ = true;
  }

  void store() {
    static const char kRowLetter[4] = {'A', 'B', 'C', 'D'};
    for (int row = 0; row < 4; ++row) {
      const TakeDownRow& r = rows_[static_cast<std::size_t>(row)];
      const double values[6] = {r.dead, r.live, r.left, r.right, r.top, r.bottom};
      for (int col = 0; col < 6; ++col) {
        const std::string key = {kRowLetter[row], static_cast<char>('A' + col)};
        state_.settings.formatAndWrite("PRECOL", key, "%.2f", values[col]);
      }
    }
  }

  AppState& state_;
  TakeDownRows& rows_;
  FormLayout layout_;
  std::string work_;
  bool calculated_ = false;
};

}  // namespace

void registerColumnLoadsForm(FormRegistry& registry) {
  registry.add(cmd::ColumnLoads, [](AppState& s) { return std::make_unique<ColumnLoadsForm>(s); });
}

}  // namespace vd
