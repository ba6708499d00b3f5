#include "tables/property_sheets.h"

#include <cmath>
#include <vector>

#include "platform/text_format.h"

namespace vd {

namespace {

double f(float v) { return static_cast<double>(v); }

std::string wSheet(const SectionRecord& r, const char* us, const char* metric) {
  return format(
      "   FOR: \" %10s \"\t\tmetric size: %s\r\n Area =%.2f in^2,  Weight =%.2f lb/ft\r\n Depth =%.2f in,  Web "
      "thickness =%.3f in,   k= %.3f in\r\n Flange width =%.3f in, thick =%.3f in\r\n Compact Section "
      "Criteria:\tbf/2tf =%.3f\t d/tw =%.3f\r\n rT =%.3f\r\n d/Af =%.3f\r\n\tElastic Properties:\r\n Ixx =%.2f in^4,  "
      "Sxx =%.3f in^3,  rxx =%.3f in\r\n Iyy =%.2f in^4,  Syy =%.3f in^3,  ryy =%.3f in\r\n Torsional constant, J "
      "=%.3f in^4\r\n Warping torsional constant, Cw =%.3f in^6;  Normalized warping, Wno =%.3f in^2\r\n\tPlastic "
      "Modulus:\r\n Zxx =%.2f in^3,  Zyy =%.2f in^3\r\n Buckling factors: X1 =%i ksi,  X2 =%.4f "
      "(ksi)^-2\r\n\tDetailing:\r\n k =%.4lf in,  k1 =%.4lf in,  T =%.4lf in",
      us, metric, f(r.A), f(r.weight), f(r.d), f(r.tw), f(r.k), f(r.bf), f(r.tf), f(r.bf2tf), f(r.dtw), f(r.rT),
      f(r.dAf), f(r.Ixx), f(r.Sxx), f(r.rxx), f(r.Iyy), f(r.Syy), f(r.ryy), f(r.J), f(r.Cw), f(r.Wno), f(r.Zxx),
      f(r.Zyy), static_cast<int>(r.X1), f(r.X2), r.kdet16 / 16.0, r.k1_16 / 16.0, r.T8 / 8.0);
}

std::string teeSheet(const SectionRecord& r, const char* us, const char* metric) {
  return format(
      "   FOR: \" %10s \"\t\tmetric size: %s\r\n Area =%.2f in^2,  Weight =%.2f lb/ft\r\n Depth =%.3f in,  Stem "
      "thickness =%.3f in,   k= %.3f in\r\n Flange width =%.3f in, thick =%.3f in\r\n\t\t\td/tw =%.3f\r\n\tElastic "
      "Properties:\r\n Ixx =%.2f in^4,  Sxx =%.3f in^3,  rxx =%.3f in,    yxx =%.3f in\r\n Iyy =%.2f in^4,  Syy =%.3f "
      "in^3,  ryy =%.3f in\r\n\tPlastic Modulus:\r\n Zxx =%.2f in^3,  Zyy =%.2f in^3,  yp =%.3f in",
      us, metric, f(r.A), f(r.weight), f(r.d), f(r.tw), f(r.k), f(r.bf), f(r.tf), f(r.dtw), f(r.Ixx), f(r.Sxx),
      f(r.rxx), f(r.ybar), f(r.Iyy), f(r.Syy), f(r.ryy), f(r.Zxx), f(r.Zyy), f(r.yp));
}

std::string channelSheet(const SectionRecord& r, const char* us, const char* metric) {
  return format(
      "  FOR: \" %10s \"\t\tmetric size: %s\r\nArea=%8.2f in^2,  Weight=%8.2f lb/ft\r\nDepth=%8.2f in\r\nWeb "
      "thickness=%8.3f in\r\nFlange width=%8.3f in, thick=%8.3f in\r\nDist. from outside face of web to shear "
      "center\t\"eo\"=%8.3f in\r\n'y' = %.3f in\r\nd/Af=%8.3f\r\n\tElastic Properties:\r\n Ixx=%9.2f in^4, Sxx=%8.3f "
      "in^3, rxx=%7.3f in\r\n Iyy=%9.2f in^4, Syy=%8.3f in^3, ryy=%7.3f in\r\n\tPlastic Modulus:\r\nZxx=%9.2f in^3, "
      "Zyy=%9.2f in^3",
      us, metric, f(r.A), f(r.weight), f(r.d), f(r.tw), f(r.bf), f(r.tf), f(r.eo), f(r.xbar), f(r.dAf), f(r.Ixx),
      f(r.Sxx), f(r.rxx), f(r.Iyy), f(r.Syy), f(r.ryy), f(r.Zxx), f(r.Zyy));
}

std::string tubeSheet(const SectionRecord& r, const char* us, const char* metric) {
  return format(
      "\t FOR: \" %10s \"    \t\tmetric size: %s\r\n Area =%.2f in^2,  Weight =%.2f lb/ft\r\n Depth =%.2f in\r\n wall "
      "thickness =%.3f in\r\n Width =%.3f in\r\n\t Elastic Properties:\r\n Ixx =%.2f in^4,  Sxx =%.3f in^3,  rxx =%.3f "
      "in,   b/t =%.2f\r\n Iyy =%.2f in^4,  Syy =%.3f in^3,  ryy =%.3f in,   d/t =%.2f\r\n\t Plastic Modulus:\r\n Zxx "
      "=%.2f in^3,  Zyy =%.2f in^3\r\n Torsion constant \"J\"=%.2f in^4,   \"C\"=%.2f in^3\r\n Surface area = %.2f "
      "ft^2/ft",
      us, metric, f(r.A), f(r.weight), f(r.d), f(r.t), f(r.b), f(r.Ixx), f(r.Sxx), f(r.rxx), f(r.bt), f(r.Iyy),
      f(r.Syy), f(r.ryy), f(r.ht), f(r.Zxx), f(r.Zyy), f(r.J), f(r.C), f(r.surface));
}

std::string pipeSheet(const SectionRecord& r, const char* us, const char* metric) {
  return format(
      "\tFOR: \" %10s \"\t\tmetric size: %s\r\n Outside diameter =%8.3f in,  \tInside diameter =%.3f in\r\n Steel "
      "area =%.3f in^2,  wall thickness =%.3f in\r\n Weight =%.3f lbs.\r\n\t Elastic Properties:\r\n Ixx =%.2f in^4, "
      "Sxx =%.3f in^3, rxx =%.3f in\r\n Iyy =%.2f in^4, Syy =%.3f in^3, ryy =%.3f in\r\n\t Plastic Modulus:\r\n Zxx "
      "=%.2f in^3, Zyy =%.2f in^3\r\n Torsion constant \"J\" =%.2f in^4",
      us, metric, f(r.D), f(r.Di), f(r.A), f(r.t), f(r.weight), f(r.Ixx), f(r.Sxx), f(r.rxx), f(r.Iyy), f(r.Syy),
      f(r.ryy), f(r.Zxx), f(r.Zyy), f(r.J));
}

std::string angleSheet(const SectionRecord& r, const char* us, const char* metric, bool doubleAngle) {
  std::string s;
  if (!doubleAngle) {
    appendf(s,
            "\tFOR: \" %10s \"\t\tmetric size: %s\r\n Area =%.2f in^2,  Weight =%.2f lb/ft\r\n leg 1 =%.3f in deep,  "
            "leg 2 =%.3f in\r\n thickness =%.3f in\r\n 'x' centroid of section in X direction =%.3f in\r\n 'y' "
            "centroid of section in Y direction =%.3f in\r\n\tElastic Properties:\r\n Ixx =%.2f in^4,  Sxx =%.3f "
            "in^3, rxx =%.3f in,",
            us, metric, f(r.A), f(r.weight), f(r.leg1), f(r.leg2), f(r.t), f(r.xbar), f(r.ybar), f(r.Ixx), f(r.Sxx),
            f(r.rxx));
    // Principal axes: z the minor, w the major (Iww = Ixx + Iyy - Izz).
    const float izz = static_cast<float>(f(r.rzz) * f(r.rzz) * f(r.A));
    const float iww = static_cast<float>(f(r.Ixx) + f(r.Iyy) - f(izz));
    const float rww = static_cast<float>(std::sqrt(f(iww) / f(r.A)));
    appendf(s,
            "\r\n Iyy =%.2f in^4,  Syy =%.3f in^3, ryy =%.3f in\r\n\tIzz =%.3f in^4, \t rzz =%.3f in\r\n\tIww =%.3f "
            "in^4, \t rww =%.3f in\r\n Zxx =%.3f in^3, Zyy =%.3f in^3\r\n Torsion constant \"J\"=%.4f in^4,   warping "
            "constant \"Wc\" =%.3f in^6",
            f(r.Iyy), f(r.Syy), f(r.ryy), f(izz), f(r.rzz), f(iww), f(rww), f(r.Zxx), f(r.Zyy), f(r.J), f(r.Cw));
  } else {
    appendf(s,
            "\tFOR: \" %10s \"\t\tmetric size: %s\r\n Area =%.2f in^2,  Weight =%.2f lb/ft\r\n Jointed leg =%.3f in "
            "deep,  leg 2 =%.3f in\r\n thickness =%.3f in\r\n 'y' centroid of section in Y direction from outer to "
            "flange =%.3f in\r\n\tElastic Properties:\r\n Ixx =%.2f in^4,  Sxx =%.3f in^3, rxx =%.3f in",
            us, metric, f(r.A), f(r.weight), f(r.leg1), f(r.leg2), f(r.t), f(r.ybar), f(r.Ixx), f(r.Sxx), f(r.rxx));
    appendf(s,
            "\r\n with   0\" space back to back of angles ryy =%.3f in,  ro =%.2f in,  H =%.3f in\r\n with 3/8\" space "
            "back to back of angles ryy =%.3f in,  ro =%.2f in,  H =%.3f in\r\n with 3/4\" space back to back of "
            "angles ryy =%.3f in,  ro =%.2f in,  H =%.3f in\r\n   each angle has rzz =%.3f in,   torsion constant "
            "\"J\"=%.4f in^4,   warping constant Wc =%.3f in^6",
            f(r.ryy0), f(r.ro0), f(r.H0), f(r.ryy38), f(r.ro38), f(r.H38), f(r.ryy34), f(r.ro34), f(r.H34), f(r.rzz),
            f(r.J), f(r.Cw));
  }
  const double b = f(r.leg1) >= f(r.leg2) ? f(r.leg1) : f(r.leg2);
  appendf(s, "\r\n  b/t = %.2f/%.3f =%.2f", b, f(r.t), b / f(r.t));
  return s;
}

struct SheetForm {
  const char* templ;
  const char* title;
  const char* key;
};

SheetForm sheetForm(ShapeTable t) {
  switch (t) {
    case ShapeTable::W:
      return {"WMS_Box", "Wide Flanges, M, and I Shapes:", "wideFlangeNum"};
    case ShapeTable::Tee:
      return {"WT_Box", "WT, MT, and ST Shapes:", "wtFlangeNum"};
    case ShapeTable::Channel:
      return {"CMC_Box", "American Standard Channels & M Channels:", "channelNum"};
    case ShapeTable::Angle:
      return {"ANGLE_Box", "L, 2L, and structural tubing:", "angleNum"};
    case ShapeTable::Tube:
      return {"TUBE_Box", "L, 2L, and structural tubing:", "tubeNum"};
    case ShapeTable::Pipe:
      break;
  }
  return {"PIPE_Box", "Pipes:", "pipeNum"};
}

// The sheet text each browse form keeps for the whole run: OK copies it, even when no row was picked
// in this opening.
struct SheetTexts {
  std::string text[6];
};

class PropertySheetForm : public Form {
 public:
  using enum property_sheet_form::Id;

  PropertySheetForm(AppState& s, ShapeTable t)
      : state_(s), table_(t), info_(sheetForm(t)), layout_(info_.templ, info_.title) {
    layout_.label("Select a shape from the list below.");
    layout_.newLine();
    layout_.list(List, "", 12).width = 34;
    layout_.newLine();
    layout_.pane(Sheet, "", 16).width = 72;
    layout_.newLine();
    layout_.button(kCancel, "Cancel");
    layout_.button(kOk, "OK").isDefault = true;
  }

  const FormLayout& layout() const override { return layout_; }

  std::string browseKey() const { return std::string("browse") + info_.key; }

  void opened(FormHost& host) override {
    // Browsing keeps its own row ("browse" + the design forms' key), so looking a shape up never changes
    // the section a design form has selected. Until the first browse the shared key gives the start row.
    row_ = state_.settings.read("AISC", browseKey(), "", 11).empty() ? state_.settings.readInt("AISC", info_.key)
                                                                     : state_.settings.readInt("AISC", browseKey());
    std::vector<std::string> items;
    const int n = rowCount(table_);
    items.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
      items.push_back(std::string(usDesignation(table_, i)) + " -- " + metricDesignation(table_, i));
    host.setItems(List, items);
    host.select(List, row_);
    if (!sectionRow(table_, row_))
      host.setText(Sheet, format("The stored row %d is not in this table: pick a shape from the list.", row_));
  }

  void changed(FormHost& host, int id) override {
    if (id != List) return;
    const int sel = host.selection(List);
    if (!sectionRow(table_, sel)) return;
    row_ = sel;
    sheetText() = propertySheet(table_, row_);
    host.setText(Sheet, sheetText());
  }

  void pressed(FormHost& host, int id) override {
    if (id == kOk) {
      state_.settings.formatAndWrite("AISC", browseKey(), "%d", row_);
      state_.report = sheetText();
      host.close(true);
    } else if (id == kCancel) {
      host.close(false);
    }
  }

 private:
  std::string& sheetText() { return state_.module<SheetTexts>().text[static_cast<int>(table_)]; }

  AppState& state_;
  ShapeTable table_;
  SheetForm info_;
  FormLayout layout_;
  int row_ = 0;
};

}  // namespace

std::string substituteNote(ShapeTable table, int row) {
  const RowSource* src = rowSource(table, row);
  if (!src || src->origin != RowOrigin::Substituted) return {};
  return format(" Note: %s is not in the current AISC database; the values shown are those of %s.",
                usDesignation(table, row), src->label);
}

std::string propertySheet(ShapeTable table, int row) {
  const SectionRecord* r = sectionRow(table, row);
  if (!r) return {};
  const char* us = usDesignation(table, row);
  const char* metric = metricDesignation(table, row);
  // A substituted row says so below its sheet, so nobody takes another shape's numbers for the listed one.
  const std::string note = substituteNote(table, row);
  const std::string tail = note.empty() ? note : "\r\n" + note;
  switch (table) {
    case ShapeTable::W:
      return wSheet(*r, us, metric) + tail;
    case ShapeTable::Tee:
      return teeSheet(*r, us, metric) + tail;
    case ShapeTable::Channel:
      return channelSheet(*r, us, metric);
    case ShapeTable::Angle:
      return angleSheet(*r, us, metric, isDoubleAngleRow(row));
    case ShapeTable::Tube:
      return tubeSheet(*r, us, metric);
    case ShapeTable::Pipe:
      return pipeSheet(*r, us, metric);
  }
  return {};
}

std::unique_ptr<Form> makePropertySheetForm(AppState& state, ShapeTable table) {
  return std::make_unique<PropertySheetForm>(state, table);
}

}  // namespace vd
