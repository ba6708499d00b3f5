// "Conc. Interaction": the design curve of the last completed tied-column calculation.
#include "concrete/column_state.h"
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
    if (!diagramScale(d).usable()) {
      host.setText(Note, "The interaction curve has no extent to draw: its largest moment or its load range is zero.");
      return;
    }
    const double P = parseNumber(state_.settings.read("TIECOL", "VertLoad"));
    const double M = parseNumber(state_.settings.read("TIECOL", "MomLoad")) * 12;
    if (drawInteractionDiagram(d, M, P)) host.showPicture(Picture, kDiagramFile);
    else host.setText(Note, "Vardelin could not write the diagram file Concol.emf.");
  }

 private:
  bool drawInteractionDiagram(const InteractionDiagram& d, double M, double P);

  AppState& state_;
  FormLayout layout_;
};

bool InteractionDiagramForm::drawInteractionDiagram(const InteractionDiagram&, double, double) { return false; }

}  // namespace

std::unique_ptr<Form> makeInteractionDiagramForm(AppState& state) {
  return std::make_unique<InteractionDiagramForm>(state);
}

}  // namespace vd
