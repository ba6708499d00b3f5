// "Conc. Interaction": the design curve of the last completed tied-column calculation.
#include <limits>

#include "concrete/column_state.h"
#include "concrete/drawings.h"
#include "concrete/form_factories.h"
#include "platform/picture_output.h"

namespace vd {

namespace {

class InteractionDiagramForm : public Form {
 public:
  enum { Picture = 101, Note = 102, Save = 103 };
  static constexpr int kWidth = 696, kHeight = 536;

  explicit InteractionDiagramForm(AppState& s) : state_(s), layout_("TIECOLPLOT_Box", "Column Interaction Diagram") {
    layout_.picture(Picture, kWidth, kHeight);
    layout_.newLine();
    layout_.text(Note, "");
    layout_.newLine();
    layout_.button(Save, "Save picture...");
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
    drawn_ = writeInteractionDiagram(curve, s, P, M, kDiagramFile);
    if (drawn_)
      host.showPicture(Picture, kDiagramFile);
    else
      host.setText(Note, "Vardelin could not write the diagram file Concol.emf.");
  }

  void pressed(FormHost& host, int id) override {
    switch (id) {
      case Save:
        // Only the file this form wrote: an older Concol.emf may belong to another column.
        if (drawn_)
          pictureOutput().saveAs(kDiagramFile, kWidth, kHeight, host);
        else
          host.message("Vardelin", "There is no diagram to save.", MessageIcon::Exclamation);
        break;
      case kOk: host.close(true); break;
      case kCancel: host.close(false); break;
      default: break;
    }
  }

 private:
  AppState& state_;
  FormLayout layout_;
  bool drawn_ = false;
};

}  // namespace

std::unique_ptr<Form> makeInteractionDiagramForm(AppState& state) {
  return std::make_unique<InteractionDiagramForm>(state);
}

}  // namespace vd
