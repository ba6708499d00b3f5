// "Glulam Beam": check the current glulam member for positive and negative moment and shear.
#include <array>
#include <cmath>

#include "frame/frame.h"
#include "wood/glulam.h"
#include "wood/form_factories.h"
#include "wood/wood_search.h"
#include "wood/wood_state.h"

namespace vd {

namespace {

constexpr std::size_t kLocationCapacity = 351;
constexpr std::size_t kField = 11;  // number fields hold up to 10 characters

class GlulamBeamForm : public Form {
 public:
  enum {
    Location = 101,
    JobNum,
    Member,
    Loading,
    Moment,
    Shear,
    Unbraced,
    NegMoment,
    VolumeLength,
    Deflection,
    Reaction,
    Lower,
    Calculate,
    Status,
    Lightest,
    MaxDepth,
    FirstLoad = 130,
    // What a beam analysis handed over: where the values come from, the deflection limit.
    FromAnalysis = 140,
    DeflectionLimit = 141,
    TypedLimit = 142,
  };

  explicit GlulamBeamForm(AppState& s) : state_(s), layout_("DGLBM_Box", "Design Glued-Laminated Beams:") {
    layout_.add(ControlKind::MultiEdit, Location, "Location of this beam:").height = 2;
    layout_.readOnly(JobNum, "Job Num:").width = 10;
    layout_.newLine();
    layout_.pane(Member, "", 3).width = 80;
    layout_.newLine();
    maxDepthField(layout_, MaxDepth);
    layout_.newLine();
    layout_.dropDown(Loading, "K_L, NDS Table 5.3.2:").width = 60;
    layout_.newLine();
    layout_.label("Load Factor:");
    for (int i = 0; i < 7; ++i) {
      if (i % 4 == 0) layout_.newLine();
      layout_.radio(FirstLoad + i, kGlulamLoadDurations[i].button, 1);
    }
    layout_.newLine();
    layout_.label("Required info:");
    layout_.edit(Moment, "moment=", "k-ft.").width = 10;
    layout_.edit(Shear, "shear=", "k.").width = 10;
    layout_.edit(Unbraced, "unbraced length=", "ft.").width = 10;
    layout_.newLine();
    layout_.label("Additional info:");
    layout_.edit(NegMoment, "Negative moment=", "k-ft.").width = 10;
    layout_.edit(VolumeLength, "len (vol. f.)=", "ft.").width = 10;
    layout_.newLine();
    layout_.edit(Deflection, "deflection=", "in.").width = 10;
    layout_.edit(Reaction, "P-support=", "k.").width = 10;
    handoffFields_.addTo(layout_);
    layout_.newLine();
    layout_.pane(Lower, "", 12).width = 80;
    layout_.newLine();
    layout_.button(Calculate, "Calculate").isDefault = true;
    lightestButton(layout_, Lightest);
    layout_.button(kCancel, "Cancel");
    layout_.button(kOk, "OK");
    layout_.newLine();
    layout_.statusBar(Status);
  }
  const FormLayout& layout() const override { return layout_; }
  std::string candidates() const override { return candidates_; }

  void opened(FormHost& host) override {
    const GlulamMember* m = woodState(state_).glulam.get();
    host.setText(MaxDepth, state_.settings.read("GLBEAM", "maxDepth"));
    report_ = m ? m->shortDescription() : std::string(" No glulam member has been chosen: pick a size first.");
    host.setText(Member, report_);
    std::vector<std::string> entries;
    for (const LoadingCoefficient& k : kLoadingCoefficients) entries.emplace_back(k.entry);
    host.setItems(Loading, entries);
    host.select(Loading, 1);
    K_L_ = kLoadingCoefficients[1].K_L;
    host.setChecked(FirstLoad + 6, true);
    loadCondition_ = 6;
    Settings& st = state_.settings;
    host.setText(Location, st.read("Project", "Note", "", kLocationCapacity));
    state_.jobNumber = st.read("Project", "ID", "", 10);
    host.setText(JobNum, state_.jobNumber);
    for (const Field& f : fields()) host.setText(f.id, st.read("GLBEAM", f.key, "", kField));
    const LastBeamResult& r = state_.lastBeam;
    host.setStatus(0, format("+mom= %.2f kip-ft,  -mom= %.2f kip-ft", r.maxPositiveMoment, r.maxNegativeMoment));
    host.setStatus(1, format("left R= %.2f kip,  right R= %.2f kip", r.leftReaction, r.rightReaction));
    takeHandoff(host);
  }

  void changed(FormHost& host, int id) override {
    handoffFields_.changed(host, id);
    if (id == Loading) {
      const int sel = host.selection(Loading);
      if (sel >= 0 && sel < 4) K_L_ = kLoadingCoefficients[sel].K_L;
    } else if (id >= FirstLoad && id < FirstLoad + 7 && host.checked(id)) {
      loadCondition_ = id - FirstLoad;
      host.setText(Lower, format("Load condition= %d", loadCondition_));
    }
  }

  void pressed(FormHost& host, int id) override {
    if (id == Calculate) {
      calculate(host);
    } else if (id == Lightest) {
      pressLightest(host);
    } else if (id == kOk) {
      if (calculated_) {
        Settings& st = state_.settings;
        for (int i = 0; i < 7; ++i) st.formatAndWrite("GLBEAM", fields()[i].key, fields()[i].format, values_[i]);
      }
      const std::string location = host.text(Location, kLocationCapacity);
      state_.settings.write("Project", "NOTE", location);
      state_.report = format(" Job number or ID: %s\r\n ", state_.jobNumber.c_str()) + location + "\r\n" + report_;
      state_.result = result_;
      host.close(true);
    } else if (id == kCancel) {
      host.close(false);
    }
  }

 private:
  struct Field {
    int id;
    const char* key;
    const char* format;
  };
  static const std::array<Field, 7>& fields() {
    static const std::array<Field, 7> f = {{{Moment, "moment", "%.3lf"},
                                            {Shear, "shear", "%.3lf"},
                                            {Unbraced, "unbracedLen", "%.2lf"},
                                            {NegMoment, "negMoment", "%.3lf"},
                                            {VolumeLength, "len_v", "%.3lf"},
                                            {Deflection, "deflection", "%.4lf"},
                                            {Reaction, "reaction", "%.3lf"}}};
    return f;
  }

  // Every standard size (all six widths) of the member's combination and moisture through this form's
  // Calculate; the lightest passing one becomes the current glulam member and is calculated.
  void pressLightest(FormHost& host) {
    std::unique_ptr<GlulamMember>& current = woodState(state_).glulam;
    if (!current) return calculate(host);  // says that no member has been chosen
    std::unique_ptr<GlulamMember> original = std::move(current);
    FormSearch search;
    search.caption = layout_.title;
    search.what = "glulam " + original->title();
    search.unit = kAreaUnit;
    search.section = "GLBEAM";
    search.maxDepthId = MaxDepth;
    search.paneId = Lower;
    search.rows = glulamSearchRows();
    search.calculate = [&](FormHost& h, int row) {
      current = row < 0 ? std::make_unique<GlulamMember>(*original)
                        : std::make_unique<GlulamMember>(*glulamSizeAt(row), original->combination(), original->isDry());
      h.setText(Member, current->shortDescription());
      result_ = DesignResult{};
      calculate(h);
      return result_;
    };
    // A field that holds no number stops the search before any choice: the member is put back.
    search.restore = [&] { current = std::move(original); };
    candidates_ = vd::pressLightest(host, state_.settings, search);
  }

  void calculate(FormHost& host) {
    const GlulamMember* m = woodState(state_).glulam.get();
    if (!m) {
      host.message("Glulam Beam", "No glulam member has been chosen: pick a size in Base Materials first.",
                   MessageIcon::Exclamation);
      return;
    }
    for (int i = 0; i < 7; ++i) values_[i] = host.number(fields()[i].id, kField);
    // The stability factor is always computed, so the unbraced length is never below 0.001 ft.
    if (values_[2] < 0.001) values_[2] = 0.001;
    const DeflectionCheck deflection = handoffFields_.check(host);
    GlulamBeamCheck check(*m, loadCondition_, values_[0], values_[3], values_[1], values_[2], values_[4], values_[6],
                          values_[5], K_L_);
    check.setDeflectionCheck(deflection);
    report_ = handoffMomentHeader(host) + check.report();
    result_ = check.result();
    host.setText(Lower, report_);
    calculated_ = true;
  }

  // A pending hand-off from a beam analysis fills the design values: the largest moment of each sign
  // (an unbalanced layup has a capacity for each), shear, reaction and unbraced length. The typed
  // deflection belonged to another beam: the analysis's check replaces it.
  void takeHandoff(FormHost& host) {
    const BeamHandoff* h = handoffFields_.take(host, state_.beamHandoff);
    if (!h) return;
    handoffFields_.fill(host, Moment, std::fabs(h->positiveMoment), 3);
    handoffFields_.fill(host, NegMoment, std::fabs(h->negativeMoment), 3);
    handoffFields_.fill(host, Shear, std::fabs(h->shear), 3);
    handoffFields_.fill(host, Unbraced, h->unbracedLength, 3);
    handoffFields_.fill(host, Reaction, std::fabs(h->reaction), 3);
    host.setText(Deflection, "0");
  }

  std::string handoffMomentHeader(const FormHost& host) const {
    const BeamHandoff* h = handoffFields_.handoff();
    if (!h) return {};
    const std::string moments =
        format("+M = %.2f k-ft, -M = %.2f k-ft (the largest of each sign)", h->positiveMoment,
               std::fabs(h->negativeMoment));
    return handoffFields_.header(host, moments, false, false);
  }

  HandoffFields handoffFields_{FromAnalysis, DeflectionLimit, TypedLimit};
  AppState& state_;
  FormLayout layout_;
  std::string report_;
  DesignResult result_;  // of the last calculation
  double K_L_ = 1.0;
  int loadCondition_ = 6;
  double values_[7] = {};
  bool calculated_ = false;
  std::string candidates_;  // of the last "Lightest"
};

}  // namespace

std::unique_ptr<Form> makeGlulamBeamForm(AppState& state) { return std::make_unique<GlulamBeamForm>(state); }

}  // namespace vd
