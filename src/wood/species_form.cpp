// "Sawn Lumber Species": the species every sawn-lumber form works with.
#include "frame/frame.h"
#include "wood/form_factories.h"
#include "wood/wood_tables.h"

namespace vd {

namespace {

class SpeciesForm : public Form {
 public:
  enum { List = 101, Description = 102 };
  explicit SpeciesForm(AppState& s) : state_(s), layout_("SAWN_SPECIES_Box", "Setting for Sawn Lumber Species") {
    layout_.list(List, "Species:", 7).width = 44;
    layout_.newLine();
    layout_.pane(Description, "", 6).width = 60;
    layout_.newLine();
    layout_.button(kCancel, "Cancel");
    layout_.button(kOk, "OK").isDefault = true;
  }
  const FormLayout& layout() const override { return layout_; }

  void opened(FormHost& host) override {
    state_.sawnSpecies = validSpecies(state_.settings.readInt("Wood", "sawnSpecieNum"));
    std::vector<std::string> names;
    for (const SpeciesRecord& sp : kSpecies) names.emplace_back(sp.name);
    host.setItems(List, names);
    host.select(List, state_.sawnSpecies);
  }

  void changed(FormHost& host, int id) override {
    if (id != List) return;
    const int sel = host.selection(List);
    if (sel < 0 || sel >= kSpeciesCount) return;
    state_.sawnSpecies = sel;
    host.setText(Description,
                 format("\tFor Sawn Lumber Design uses : \r\n\" %50s \" \r\nAccording with the 1991 Ed. NDS Supplement "
                        "Specifications for\r\nVisually Graded Dimension Lumber TABLE 4A or\r\nVisually Graded Timber "
                        "TABLE 4D.",
                        kSpecies[sel].name));
  }

  void pressed(FormHost& host, int id) override {
    if (id == kOk) {
      state_.settings.formatAndWrite("Wood", "sawnSpecieNum", "%d", state_.sawnSpecies);
      host.close(true);
    } else if (id == kCancel) {
      host.close(false);
    }
  }

 private:
  AppState& state_;
  FormLayout layout_;
};

}  // namespace

std::unique_ptr<Form> makeSpeciesForm(AppState& state) { return std::make_unique<SpeciesForm>(state); }

}  // namespace vd
