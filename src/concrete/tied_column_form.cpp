// The tied-column form and the interaction diagram it feeds.
#include <string>

#include "concrete/column_state.h"
#include "concrete/form_factories.h"
#include "concrete/tied_column.h"
#include "frame/commands.h"
#include "platform/file_write.h"

namespace vd {

namespace {

constexpr const char* kSection = "TIECOL";
constexpr int kFrameGroup = 1, kPhiGroup = 2;
constexpr const char* kEdition99 = "ACI 318-99";
constexpr const char* kEdition02 = "ACI 318-02";
constexpr const char* kRowsLabel = "(As)i=                       (d)i= \r\n enter (d) from large to small";

class TiedColumnForm : public Form {
 public:
  enum {
    Location = 101, Fc, Fy, Width, Depth, KFactor, BarSize, TieSize, ClearHeight, VertLoad, MomLoad, M1, M2, Calculate,
    Braced, Sway, Phi99, Phi02, ResultPane,
    RowArea = 200,  // + row
    RowDist = 220,  // + row
  };

  explicit TiedColumnForm(AppState& s) : state_(s), layout_("TIECOL_Box", "Reinforced Concrete Tie Columns:") {
    FormLayout& l = layout_;
    Control& loc = l.add(ControlKind::MultiEdit, Location, "Location of this column:");
    loc.height = 2;
    loc.width = 40;
    l.newLine();
    // The rows' heading; the cells carry it too, as their name.
    l.label(kRowsLabel);
    l.newLine();
    for (int i = 0; i < kMaxBarRows; ++i) {
      l.cell(RowArea + i, kRowsLabel, i, 0);
      l.cell(RowDist + i, kRowsLabel, i, 1);
      l.newLine();
    }
    l.edit(Fc, "Fc'=", "ksi");
    l.edit(Fy, "Fy=", "ksi");
    l.newLine();
    l.edit(Width, "Width at comp. side b=", "in.");
    l.newLine();
    l.edit(Depth, "Depth d=", "in.");
    l.newLine();
    l.edit(KFactor, "k factor=").optional = true;
    l.newLine();
    l.label("Reinforcing bars:");
    l.edit(BarSize, "vert=");
    l.edit(TieSize, "ties=");
    l.newLine();
    l.edit(ClearHeight, "Clear height=", "ft.");
    l.newLine();
    l.label("Loads:");
    l.edit(VertLoad, "Vert. load=", "kip.");
    l.newLine();
    l.edit(MomLoad, "Moment load=", "kip-ft");
    l.newLine();
    l.label("End Moments:");
    l.edit(M1, "M1=", "kip-ft").optional = true;  // no end moments: a braced column takes 34
    l.edit(M2, "M2=", "kip-ft").optional = true;
    l.label("(same signs: single curvature)");
    l.newLine();
    l.radio(Braced, "Braced against sidesway", kFrameGroup);
    l.radio(Sway, "Not braced (sway)", kFrameGroup);
    l.newLine();
    l.label("phi:");
    l.radio(Phi99, kEdition99, kPhiGroup);
    l.radio(Phi02, kEdition02, kPhiGroup);
    l.newLine();
    l.pane(ResultPane, "", 12).width = 80;
    l.newLine();
    l.button(Calculate, "Calculate").isDefault = true;
    l.button(kOk, "OK");
  }

  const FormLayout& layout() const override { return layout_; }

  void opened(FormHost& host) override {
    Settings& st = state_.settings;
    for (int i = 0; i < kMaxBarRows; ++i) {
      host.setText(RowArea + i, st.read(kSection, format("%02d_As", i)));
      host.setText(RowDist + i, st.read(kSection, format("%02d_Dist", i)));
    }
    for (const auto& [id, key] : keys()) host.setText(id, st.read(kSection, key));
    // The location is the project's, as on the other design forms: typed once, shown again on opening.
    host.setText(Location, st.read("Project", "Note", "", 250));
    // Files from before these choices read as braced and the 318-99 rule.
    host.setChecked(st.read(kSection, "Sway") == "1" ? Sway : Braced, true);
    host.setChecked(st.read(kSection, "PhiEdition") == "318-02" ? Phi02 : Phi99, true);
  }

  void pressed(FormHost& host, int id) override {
    if (id == Calculate) {
      calculate(host);
    } else if (id == kOk) {
      const std::string location = host.text(Location, 250);
      state_.settings.write("Project", "Note", location);
      std::string& report = state_.report;
      report = format(" Job number or ID: %s\r\n ", state_.jobNumber.c_str());
      report += location;
      report += "\r\n";
      report += work_;
      state_.result = result_;
      state_.enable(cmd::ConcInteraction);
      host.close(true);
    } else if (id == kCancel) {
      host.close(false);
    }
  }

 private:
  static const std::vector<std::pair<int, const char*>>& keys() {
    static const std::vector<std::pair<int, const char*>> k = {
        {Fc, "F'c"},   {Fy, "Fyield"},     {Width, "width"},       {Depth, "depth"},     {KFactor, "k"},
        {BarSize, "Vsize"}, {TieSize, "Tsize"}, {ClearHeight, "ClrHeight"}, {VertLoad, "VertLoad"}, {MomLoad, "MomLoad"},
        {M1, "M1b"},   {M2, "M2b"}};
    return k;
  }

  void calculate(FormHost& host) {
    Settings& st = state_.settings;
    ColumnState& column = state_.module<ColumnState>();
    TiedColumnInputs in;
    for (int i = 0; i < kMaxBarRows; ++i) {
      in.rows[i] = BarRow{host.number(RowArea + i), host.number(RowDist + i), 0.0, 0.0};
      column.barRows[i] = in.rows[i];
    }
    in.fc = host.number(Fc);
    in.fy = host.number(Fy);
    in.b = host.number(Width);
    in.h = host.number(Depth);
    const double k = host.number(KFactor);
    in.barSize = host.integer(BarSize);
    in.tieSize = host.integer(TieSize);
    in.clearHeight = host.number(ClearHeight);
    in.P = host.number(VertLoad);
    in.M = host.number(MomLoad);
    const double m1 = host.number(M1), m2 = host.number(M2);
    in.k = k;
    in.M1 = m1;
    in.M2 = m2;
    in.sway = host.checked(Sway);
    in.edition = host.checked(Phi02) ? PhiEdition::Aci318_02 : PhiEdition::Aci318_99;
    for (int i = 0; i < kMaxBarRows; ++i) {
      st.formatAndWrite(kSection, format("%02d_As", i), "%.3lf", in.rows[i].area);
      st.formatAndWrite(kSection, format("%02d_Dist", i), "%.3lf", in.rows[i].dist);
    }
    // Values the column is designed with when stronger materials are typed, each printed as a note.
    std::string notes;
    in.fc = limitValue(in.fc, -1.0e30, 10.0, "f'c", "ksi", "f'c is taken at most 10 ksi", notes);
    // Above 80 ksi the yield strain would reach the crushing strain of the strain walk.
    in.fy = limitValue(in.fy, -1.0e30, 80.0, "Fy", "ksi", "ACI 318 9.4: Fy at most 80 ksi", notes);
    st.formatAndWrite(kSection, "F'c", "%.2lf", in.fc);
    st.formatAndWrite(kSection, "Fyield", "%.2lf", in.fy);
    st.formatAndWrite(kSection, "width", "%.3lf", in.b);
    st.formatAndWrite(kSection, "depth", "%.3lf", in.h);
    st.formatAndWrite(kSection, "k", "%.3lf", k);
    st.formatAndWrite(kSection, "Vsize", "%d", in.barSize);
    st.formatAndWrite(kSection, "Tsize", "%d", in.tieSize);
    st.formatAndWrite(kSection, "ClrHeight", "%.3lf", in.clearHeight);
    st.formatAndWrite(kSection, "VertLoad", "%.3lf", in.P);
    st.formatAndWrite(kSection, "MomLoad", "%.3lf", in.M);
    st.formatAndWrite(kSection, "M1b", "%.3lf", m1);
    st.formatAndWrite(kSection, "M2b", "%.3lf", m2);
    st.write(kSection, "Sway", in.sway ? "1" : "0");
    st.write(kSection, "PhiEdition", in.edition == PhiEdition::Aci318_02 ? "318-02" : "318-99");

    TiedColumnResult res = calculateTiedColumn(in, host);
    work_ = notes + res.report;
    result_ = res.result;
    host.setText(ResultPane, work_);
    // The column is designed whatever becomes of its data file: the failed write is told, not a refusal.
    if (const WriteResult w = writeFileAtomically(kColumnFile, res.file); !w)
      host.message("Vardelin",
                   format("Vardelin could not write the file %s; the report is not affected.", kColumnFile) + "\r\n(" +
                       w.message + ")",
                   MessageIcon::Information);
    if (res.diagram.complete) column.diagram = std::move(res.diagram);
  }

  AppState& state_;
  FormLayout layout_;
  std::string work_;
  DesignResult result_;  // of the last calculation
};

}  // namespace

std::unique_ptr<Form> makeTiedColumnForm(AppState& state) { return std::make_unique<TiedColumnForm>(state); }

}  // namespace vd
