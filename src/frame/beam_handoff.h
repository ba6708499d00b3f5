#pragma once
// What a beam analysis hands to the design form the user chose with "Design this beam...": the design
// values and where they come from. The analysis form fills it when it closes, the frame opens the
// design form, and that form takes it once on opening (a later opening is a plain one).
#include <optional>
#include <string>

#include "platform/deflection_check.h"
#include "platform/form.h"

namespace vd {

struct BeamHandoff {
  int designCommand = 0;  // the design form to open
  std::string analysis;   // the analysis as the menu names it ("Bm. Overhang Left")
  std::string mark;       // the analysis's location text
  // Moments k-ft (sagging positive), shears and reactions kip, lengths ft.
  double moment = 0.0, momentAt = 0.0;  // the largest absolute moment, with its sign
  double positiveMoment = 0.0, negativeMoment = 0.0;
  double shear = 0.0, shearAt = 0.0;  // the largest absolute shear, with its sign
  double reaction = 0.0;              // the larger support reaction
  bool hasCb = false;                 // the analysis computed Cb (simple span)
  double cb = 1.0;
  double span = 0.0;
  double unbracedLength = 0.0;  // the longest length without a support: bracing at the supports only
  // The deflection as analysed (no limit chosen yet).
  DeflectionCheck deflection;
};

// The hand-off part of a design form: a line saying where the values come from, and the deflection
// limit, placed after the form's own input fields. The controls stay grayed without a hand-off.
class HandoffFields {
 public:
  HandoffFields(int textId, int limitId, int typedId) : textId_(textId), limitId_(limitId), typedId_(typedId) {}

  void addTo(FormLayout& layout) const;
  // On opening, after the form filled its fields: takes a pending hand-off (once) and says so.
  // Returns the hand-off this opening got, or nullptr.
  const BeamHandoff* take(FormHost& host, std::optional<BeamHandoff>& pending);
  // Fills a field with a value of the hand-off, rounded the safe way (a demand or a length up, a
  // benefit such as Cb down), remembering the text to tell when it is typed over.
  void fill(FormHost& host, int id, double value, int decimals, bool roundUp = true);
  void changed(FormHost& host, int id) const;

  const BeamHandoff* handoff() const { return handoff_ ? &*handoff_ : nullptr; }
  // The deflection check with the chosen limit; inactive without a hand-off. A typed ratio that is not
  // above zero is refused (FieldError).
  DeflectionCheck check(const FormHost& host) const;
  // The report lines that say where the values come from; "" without a hand-off. `momentText` says
  // what moment the form designs for; `factored` gives the LRFD wording;
  // `withCb` adds the Cb the form was given.
  std::string header(const FormHost& host, const std::string& momentText, bool withCb, bool factored) const;
  // "M = 42.50 k-ft (largest absolute moment, sagging, at 10.00 ft)".
  std::string largestMomentText() const;

 private:
  int textId_, limitId_, typedId_;
  std::optional<BeamHandoff> handoff_;
  std::vector<std::pair<int, std::string>> filled_;
};

}  // namespace vd
