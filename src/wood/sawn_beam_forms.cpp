// "2x, 3x, 4x Beam" and "5x, 6x, ... 24x Bm": check the current sawn member as a beam.
#include <cmath>

#include "frame/frame.h"
#include "wood/sawn_beam.h"
#include "wood/form_factories.h"
#include "wood/wood_search.h"
#include "wood/wood_state.h"

namespace vd {

namespace {

// A location note longer than any the forms show is still kept whole.
constexpr std::size_t kLocationCapacity = 351;
// Number fields hold up to 10 characters.
constexpr std::size_t kField = 11;

class SawnBeamForm : public Form {
 public:
  enum {
    Location = 101,
    JobNum,
    Member,
    Moment,
    Shear,
    Span,
    Deflection,
    Reaction,
    Unbraced,
    Lower,
    Calculate,
    Status,
    Lightest,
    MaxDepth,
    FirstLoad = 130,  // seven radio buttons
    // What a beam analysis handed over: where the values come from, the deflection limit.
    FromAnalysis = 140,
    DeflectionLimit = 141,
    TypedLimit = 142,
  };
  static constexpr int kLoadGroup = 1;

  SawnBeamForm(AppState& s, bool timber)
      : state_(s),
        timber_(timber),
        layout_(timber ? "D6XBM_Box" : "D2XBM_Box",
                timber ? "Design 5xX, 6X and 24X Beams:" : "Design 2X, 3X and 4X Beams:") {
    layout_.add(ControlKind::MultiEdit, Location, "Location of this beam:").height = 2;
    layout_.readOnly(JobNum, "Job Num:").width = 10;
    layout_.newLine();
    layout_.pane(Member, "", 4).width = 70;
    layout_.newLine();
    maxDepthField(layout_, MaxDepth);
    layout_.newLine();
    layout_.label("Load Factor:");
    for (int i = 0; i < 7; ++i) {
      if (i % 4 == 0) layout_.newLine();
      layout_.radio(FirstLoad + i, kLoadDurations[i].button, kLoadGroup);
    }
    layout_.newLine();
    layout_.label("Required info:");
    layout_.edit(Moment, "moment=", "k-ft.").width = 10;
    layout_.edit(Shear, "shear=", "k.").width = 10;
    layout_.newLine();
    layout_.label("Optional info:");
    // The optional info may stay empty: no span, deflection, reaction or unbraced length to check.
    const auto optional = [this](int id, const char* label, const char* unit) {
      Control& c = layout_.edit(id, label, unit);
      c.width = 10;
      c.optional = true;
    };
    optional(Span, "span =", "ft");
    optional(Deflection, "deflection=", "in");
    layout_.newLine();
    optional(Reaction, "P-support=", "kip");
    optional(Unbraced, "unbraced len.=", "ft");
    handoffFields_.addTo(layout_);
    layout_.newLine();
    layout_.pane(Lower, "", 6).width = 70;
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
    SawnMember& m = member();
    host.setText(MaxDepth, state_.settings.read(section(), "maxDepth"));
    report_ = m.valid() ? m.shortDescription() : std::string(" No member has been chosen: pick a size first.");
    host.setText(Member, report_);
    host.setText(Location, state_.settings.read("Project", "Note", "", kLocationCapacity));
    host.setText(JobNum, state_.jobNumber);
    const char* sec = section();
    const struct {
      int id;
      const char* key;
    } fields[] = {{Moment, "moment"}, {Shear, "shear"},     {Span, "span"},
                  {Deflection, "defl"}, {Reaction, "reaction"}, {Unbraced, "unbLen"}};
    for (const auto& f : fields) host.setText(f.id, state_.settings.read(sec, f.key, "", kField));
    loadCondition_ = state_.settings.readInt(sec, "loadC", 10);
    if (loadCondition_ >= 0 && loadCondition_ < 7) host.setChecked(FirstLoad + loadCondition_, true);
    const LastBeamResult& r = state_.lastBeam;
    if (timber_) {
      host.setStatus(0, format("+mom =%.2lf kip-ft,  -mom =%.2lf kip-ft", r.maxPositiveMoment, r.maxNegativeMoment));
      host.setStatus(1, format("left R =%.2lf kip,  right R =%.2lf kip", r.leftReaction, r.rightReaction));
    } else {
      host.setStatus(0, format("+mom= %.2f kip-ft,  -mom= %.2f kip-ft", r.maxPositiveMoment, r.maxNegativeMoment));
      host.setStatus(1, format("left R =%.2f kip,  right R =%.2f kip", r.leftReaction, r.rightReaction));
    }
    takeHandoff(host);
  }

  void changed(FormHost& host, int id) override {
    handoffFields_.changed(host, id);
    if (id >= FirstLoad && id < FirstLoad + 7 && host.checked(id)) {
      loadCondition_ = id - FirstLoad;
      host.setText(Lower, format(timber_ ? "Load condition= %d" : "Load condition =%d", loadCondition_));
    }
  }

  void pressed(FormHost& host, int id) override {
    if (id == Calculate) {
      calculate(host);
    } else if (id == Lightest) {
      pressLightest(host);
    } else if (id == kOk) {
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
  SawnMember& member() { return sawnMember(state_, timber_); }
  const char* section() const { return timber_ ? "WD6_BM" : "WD2_BM"; }

  // Every size of the member's species and grade through this form's Calculate; the lightest passing
  // one becomes the current member (as if chosen in the size form) and is calculated.
  void pressLightest(FormHost& host) {
    if (!member().valid()) return calculate(host);  // says that no member has been chosen
    FormSearch search;
    search.caption = layout_.title;
    search.what = timber_ ? "timber" : "2x-4x sawn";
    search.section = section();
    search.maxDepthId = MaxDepth;
    search.paneId = Lower;
    candidates_ = pressSawnLightest(
        host, state_, timber_, false, search, [&](FormHost& h, int) { h.setText(Member, member().shortDescription()); },
        [&](FormHost& h) {
          result_ = DesignResult{};
          pressed(h, Calculate);
          return result_;
        });
  }

  void calculate(FormHost& host) {
    SawnMember* chosen = chosenSawnMember(host, state_, timber_, "Beam Design");
    if (!chosen) return;
    SawnMember& m = *chosen;
    const double moment = host.number(Moment, kField), shear = host.number(Shear, kField);
    const double span = host.number(Span, kField), defl = host.number(Deflection, kField);
    const double reaction = host.number(Reaction, kField), unbraced = host.number(Unbraced, kField);
    const DeflectionCheck deflection = handoffFields_.check(host);
    SawnBeamCheck check(m, timber_ ? SawnBeamKind::Timber : SawnBeamKind::Dimension, loadCondition_, span, moment,
                        shear, reaction, defl, unbraced);
    check.setDeflectionCheck(deflection);
    report_ = handoffFields_.header(host, handoffFields_.largestMomentText(), false, false) + check.report();
    result_ = check.result();
    host.setText(Lower, check.quickSummary());
    Settings& st = state_.settings;
    const char* sec = section();
    st.formatAndWrite(sec, "moment", "%.2lf", moment);
    st.formatAndWrite(sec, "shear", "%.2lf", shear);
    st.formatAndWrite(sec, "span", "%.2lf", span);
    st.formatAndWrite(sec, "defl", "%.2lf", defl);
    st.formatAndWrite(sec, "reaction", "%.2lf", reaction);
    st.formatAndWrite(sec, "unbLen", "%.2lf", unbraced);
    st.formatAndWrite(sec, "loadC", "%d", validLoadCondition(loadCondition_));
  }

  // A pending hand-off from a beam analysis fills the design values (magnitudes: the signs are in the
  // report's header). The typed deflection belonged to another beam: the analysis's check replaces it.
  void takeHandoff(FormHost& host) {
    const BeamHandoff* h = handoffFields_.take(host, state_.beamHandoff);
    if (!h) return;
    handoffFields_.fill(host, Moment, std::fabs(h->moment), 3);
    handoffFields_.fill(host, Shear, std::fabs(h->shear), 3);
    handoffFields_.fill(host, Span, h->span, 3);
    handoffFields_.fill(host, Reaction, std::fabs(h->reaction), 3);
    handoffFields_.fill(host, Unbraced, h->unbracedLength, 3);
    host.setText(Deflection, "");
  }

  HandoffFields handoffFields_{FromAnalysis, DeflectionLimit, TypedLimit};
  AppState& state_;
  bool timber_;
  FormLayout layout_;
  DesignResult result_;  // of the last calculation
  std::string report_;
  int loadCondition_ = 10;
  std::string candidates_;  // of the last "Lightest"
};

}  // namespace

std::unique_ptr<Form> makeSawnBeamForm(AppState& state, bool timber) {
  return std::make_unique<SawnBeamForm>(state, timber);
}

}  // namespace vd
