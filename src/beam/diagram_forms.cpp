// The moment and shear diagram forms: draw the diagram file on opening, show it, print or save it.
#include "beam/diagram_forms.h"

#include <cmath>
#include <string>

#include "beam/diagram.h"
#include "platform/picture_output.h"
#include "platform/text_format.h"

namespace vd {

namespace {

std::string amount(double v) { return std::isfinite(v) ? format("%.2f", v) : std::string("N.A."); }

class DiagramForm : public Form {
 public:
  using enum diagram_form::Id;

  DiagramForm(AppState& s, DiagramKind kind)
      : state_(s),
        kind_(kind),
        layout_(kind == DiagramKind::Moment ? "PLOT_Box" : "SHEAR_Box",
                kind == DiagramKind::Moment ? "Moment Diagram -- Vardelin" : "Shear Diagram -- Vardelin") {
    layout_.picture(PictureId, diagram::W, diagram::H);
    layout_.newLine();
    layout_.button(Print, "Print");
    layout_.button(Save, "Save picture...");
    layout_.button(kOk, "OK").isDefault = true;
    layout_.newLine();
    layout_.statusBar(Status);
  }
  const FormLayout& layout() const override { return layout_; }

  void opened(FormHost& host) override {
    const LastBeamResult& b = state_.lastBeam;
    host.setStatus(0, "+mom= " + amount(b.maxPositiveMoment) + " kip-ft,  -mom= " + amount(b.maxNegativeMoment) + " kip-ft");
    if (b.cantilever)
      host.setStatus(1, "R= " + amount(b.rightReaction) + " kip,  fixed-end M= " + amount(b.fixedEndMoment) + " kip-ft");
    else
      host.setStatus(1, "left R= " + amount(b.leftReaction) + " kip,  right R= " + amount(b.rightReaction) + " kip");
    drawn_ = writeDiagram(kind_, state_);
    if (drawn_) {
      host.showPicture(PictureId, diagramFile(kind_));
    } else {
      // An older file of the same name would show another beam's diagram: show nothing instead.
      host.message("Vardelin",
                   std::string("Could not write ") + diagramFile(kind_) +
                       " in the current folder; the diagram cannot be shown.",
                   MessageIcon::Exclamation);
    }
  }

  void pressed(FormHost& host, int id) override {
    switch (id) {
      case Print:
        if (!drawn_ || !pictureOutput().print(diagramFile(kind_))) {
          host.message("Vardelin", "Error encountered during printing", MessageIcon::Information);
        }
        break;
      case Save:
        if (drawn_) pictureOutput().saveAs(diagramFile(kind_), diagram::W, diagram::H, host);
        else host.message("Vardelin", "There is no diagram to save.", MessageIcon::Exclamation);
        break;
      case kOk: host.close(true); break;
      case kCancel: host.close(false); break;
      default: break;
    }
  }

 private:
  AppState& state_;
  DiagramKind kind_;
  FormLayout layout_;
  bool drawn_ = false;
};

}  // namespace

void registerDiagramForms(FormRegistry& registry) {
  registry.add(cmd::MomentDiagram, [](AppState& s) { return std::make_unique<DiagramForm>(s, DiagramKind::Moment); });
  registry.add(cmd::ShearDiagram, [](AppState& s) { return std::make_unique<DiagramForm>(s, DiagramKind::Shear); });
}

}  // namespace vd
