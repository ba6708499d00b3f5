// "Conc. Interaction": the design curve of the last completed tied-column calculation.
#include <limits>

#include "concrete/column_state.h"
#include "concrete/drawings.h"
#include "concrete/forms.h"

namespace vd {

namespace {

class InteractionDiagramForm : public Form {
 public:
  enum { Picture = 101, Note = 102 };

  explicit InteractionDiagramForm(AppState& s) : state_(s), layout_("TIECOLPLOT_Box", "Column Interaction Diagram") {
    layout_.picture(Picture, 696, 536);
    layout_.newLine();
    layout_.text(Note, "");
    layout_.newLine();
    layout_.button(kOk, "OK").isDefault = true;
  }

  const FormLayout& layout() const override { return layout_; }

  void opened(FormHost& host) override {
    const InteractionDiagram& d = state_.module<ColumnState>().diagram;
    if (!d.complete) {
      host.setText(Note, "No column has been calculated yet: run \"Rect. Conc Column\" and press Calculate first.");
      return;
    }
    if (!diagramScale(d).usable())
      host.setText(Note, "The interaction curve has no extent to draw: its largest moment or its load range is zero.");
    const double P = parseNumber(state_.settings.read("TIECOL", "VertLoad"));
    const double M = parseNumber(state_.settings.read("TIECOL", "MomLoad"));
    std::vector<CurvePoint> curve;
    for (const InteractionPoint& p : d.points) curve.push_back({p.M, p.P});
    // A point the strain walk never reached is labelled as not available.
    const double none = std::numeric_limits<double>::quiet_NaN();
    InteractionSummary s;
    s.highM = d.highLimit ? d.highLimit->M : none;
    s.highP = d.highLimit ? d.highLimit->P : none;
    s.balanceM = d.balance.M;
    s.balanceP = d.balance.P;
    s.zeroM = d.zero ? d.zero->M : none;
    s.tensionP = d.tension.P;
    if (writeInteractionDiagram(curve, s, P, M, kDiagramFile))
      host.showPicture(Picture, kDiagramFile);
    else
      host.setText(Note, "Vardelin could not write the diagram file Concol.emf.");
  }

 private:
  AppState& state_;
  FormLayout layout_;
};

}  // namespace

std::unique_ptr<Form> makeInteractionDiagramForm(AppState& state) {
  return std::make_unique<InteractionDiagramForm>(state);
}

}  // namespace vd
