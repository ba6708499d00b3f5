// "Plywood Shear Wall Defl.": deflection of a blocked plywood shear wall, and three reference tables.
#include <array>

#include "frame/frame.h"
#include "wood/shear_wall.h"
#include "wood/form_factories.h"

namespace vd {

namespace {

constexpr const char* kFormula = "deflection = 8*v*h^3/E*A*b + v*h/G*t + 0.75*h*en + h/b*da";

class ShearWallForm : public Form {
 public:
  enum { Location = 101, V, B, H, T, A, En, Da, E, G, NailTable, ThicknessTable, ModulusTable, TablePane };

  explicit ShearWallForm(AppState& s)
      : state_(s), layout_("PlyDefl_Box", "97 UBC Standard Sect. 23.223--Plywood shear wall deflection:") {
    layout_.label(kFormula);
    layout_.newLine();
    layout_.add(ControlKind::MultiEdit, Location, "Location of this shear wall:").height = 2;
    for (const Field& f : fields()) {
      layout_.newLine();
      layout_.edit(f.id, f.label, f.unit).width = 12;
    }
    layout_.newLine();
    layout_.button(kOk, "OK/Calc").isDefault = true;
    layout_.button(kCancel, "Cancel");
    layout_.newLine();
    layout_.button(NailTable, "\"en\" Table 23-2-K");
    layout_.button(ThicknessTable, "Ply. Thickness Table 23-2-H");
    layout_.button(ModulusTable, "\"G\" Table");
    layout_.newLine();
    layout_.pane(TablePane, "Reference table:", 10).width = 70;
  }
  const FormLayout& layout() const override { return layout_; }

  void opened(FormHost& host) override {
    Settings& st = state_.settings;
    host.setText(Location, st.read("Project", "Note", "", 251));
    for (const Field& f : fields()) host.setText(f.id, st.read("SW", f.key, "", f.capacity));
  }

  void pressed(FormHost& host, int id) override {
    switch (id) {
      case kOk: calculate(host); break;
      case NailTable: showTable(host, nailSlipTable()); break;
      case ThicknessTable: showTable(host, plywoodThicknessTable()); break;
      case ModulusTable: showTable(host, plywoodShearModulusTable()); break;
      case kCancel: host.close(false); break;
      default: break;
    }
  }

 private:
  struct Field {
    int id;
    const char* label;
    const char* unit;
    const char* key;
    const char* format;
    std::size_t capacity;  // characters read + 1
  };
  static const std::array<Field, 9>& fields() {
    static const std::array<Field, 9> f = {{
        {V, "maximum shear stress, v=", "plf.", "maxShear", "%.1f", 11},
        {B, "wall width, b=", "ft.", "wallWidth", "%.3f", 11},
        {H, "wall height, h=", "ft.", "wallHeight", "%.3f", 11},
        {T, "effective thickness, t=", "in.", "thickness", "%.3f", 11},
        {A, "chord member area= ", "in^2", "areaChord", "%.3f", 11},
        {En, "nail deformation, en=", "in.", "en", "%.3f", 11},
        {Da, "deflection due to anchorage details, da=", "in.", "da", "%.3f", 11},
        {E, "E (of chord)=", "psi", "E", "%.0f", 16},
        {G, "G (of plywood)=", "psi", "G", "%.0f", 16},
    }};
    return f;
  }

  void calculate(FormHost& host) {
    double v[9];
    for (std::size_t i = 0; i < fields().size(); ++i) v[i] = host.number(fields()[i].id, fields()[i].capacity);
    ShearWallInput in;
    in.v = v[0];
    in.b = v[1];
    in.h = v[2];
    in.t = v[3];
    in.A = v[4];
    in.en = v[5];
    in.da = v[6];
    in.E = v[7];
    in.G = v[8];
    // The whole location is kept: a cut-off note would name the wrong wall.
    const std::string location = host.text(Location, 251);
    std::string report = format("This shear wall is at: %s\r\n", location.c_str());
    report += shearWallReport(in);
    Settings& st = state_.settings;
    for (std::size_t i = 0; i < fields().size(); ++i) st.formatAndWrite("SW", fields()[i].key, fields()[i].format, v[i]);
    state_.report = report;
    host.close(true);
  }

  // A reference table is a look-up: it shows in the form, which stays open, and the pad keeps its report.
  void showTable(FormHost& host, const std::string& table) { host.setText(TablePane, table); }

  AppState& state_;
  FormLayout layout_;
};

}  // namespace

std::unique_ptr<Form> makeShearWallForm(AppState& state) { return std::make_unique<ShearWallForm>(state); }

}  // namespace vd
