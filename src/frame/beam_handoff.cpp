#include "frame/beam_handoff.h"

#include <cmath>

#include "platform/text_format.h"

namespace vd {

namespace {
// The limit choices; the last takes the typed ratio.
constexpr double kLimitRatios[] = {240.0, 360.0, 480.0};
constexpr int kTypedLimit = 3;
constexpr int kDefaultLimit = 1;  // L/360

// A location note on one line.
std::string oneLine(std::string text) {
  for (char& c : text)
    if (c == '\r' || c == '\n' || c == '\t') c = ' ';
  return text.empty() ? std::string("(none)") : text;
}
}  // namespace

void HandoffFields::addTo(FormLayout& layout) const {
  layout.newLine();
  Control& from = layout.readOnly(textId_, "From analysis:");
  from.width = 60;
  from.isText = true;
  layout.newLine();
  Control& limit = layout.dropDown(limitId_, "Deflection limit:");
  limit.width = 12;
  limit.enabled = false;
  Control& typed = layout.edit(typedId_, "typed limit L/");
  typed.width = 8;
  typed.enabled = false;
  typed.optional = true;
}

const BeamHandoff* HandoffFields::take(FormHost& host, std::optional<BeamHandoff>& pending) {
  host.setItems(limitId_, {"L/240", "L/360", "L/480", "L/n typed"});
  host.select(limitId_, kDefaultLimit);
  handoff_.reset();
  filled_.clear();
  if (!pending) return nullptr;
  handoff_ = std::move(*pending);
  pending.reset();
  host.setText(textId_, handoff_->analysis + ", mark " + oneLine(handoff_->mark));
  host.setEnabled(limitId_, handoff_->deflection.analysedE > 0.0 && !handoff_->deflection.stretches.empty());
  return &*handoff_;
}

void HandoffFields::fill(FormHost& host, int id, double value, int decimals, bool roundUp) {
  const double scale = std::pow(10.0, decimals);
  // Rounded to what the field shows, never to the unsafe side.
  // (+ 0.0: a zero is never shown as "-0.000")
  const double shown = (roundUp ? std::ceil(value * scale - 1e-9) : std::floor(value * scale + 1e-9)) / scale + 0.0;
  std::string text = format("%.*f", decimals, shown);
  if (text.size() > 10) text = format("%.0f", roundUp ? std::ceil(value) : std::floor(value));
  host.setText(id, text);
  filled_.emplace_back(id, text);
}

void HandoffFields::changed(FormHost& host, int id) const {
  if (id == limitId_ && handoff_) host.setEnabled(typedId_, host.selection(limitId_) == kTypedLimit);
}

DeflectionCheck HandoffFields::check(const FormHost& host) const {
  if (!handoff_) return {};
  DeflectionCheck c = handoff_->deflection;
  const int choice = host.selection(limitId_);
  if (choice == kTypedLimit) {
    c.limitRatio = host.number(typedId_);
    if (!(c.limitRatio > 0.0)) throw FieldError{typedId_, "typed limit L/: enter a ratio above 0, e.g. 300."};
  } else {
    c.limitRatio = kLimitRatios[choice >= 0 && choice < kTypedLimit ? choice : kDefaultLimit];
  }
  return c;
}

std::string HandoffFields::largestMomentText() const {
  if (!handoff_) return {};
  const BeamHandoff& h = *handoff_;
  return format("M = %.2f k-ft (largest absolute moment, %s, at %.2f ft)", std::fabs(h.moment),
                h.moment < 0.0 ? "negative: hogging" : "positive: sagging", h.momentAt);
}

std::string HandoffFields::header(const FormHost& host, const std::string& momentText, bool withCb,
                                  bool factored) const {
  if (!handoff_) return {};
  const BeamHandoff& h = *handoff_;
  std::string out = format(" From beam analysis, %s, mark %s:\r\n  %s,\r\n  V = %.2f kips (largest absolute shear, at %.2f ft), "
                           "larger reaction = %.2f kips\r\n  span = %.2f ft, unbraced length = %.2f ft (braced at the "
                           "supports only)",
                           h.analysis.c_str(), oneLine(h.mark).c_str(), momentText.c_str(), std::fabs(h.shear),
                           h.shearAt, std::fabs(h.reaction), h.span, h.unbracedLength);
  if (withCb)
    out += h.hasCb ? format(",  Cb = %.3f (from the moments between the supports)", h.cb)
                   : std::string(",  Cb = 1.00 (this analysis computes no Cb)");
  out += factored ? "\r\n  The loads as analysed are taken as the factored loads typed into the analysis.\r\n"
                  : "\r\n  The loads as analysed, unfactored.\r\n";
  for (const auto& [id, text] : filled_) {
    if (host.text(id, std::string::npos) == text) continue;
    out += "  Note: values typed over the analysis's are designed as typed.\r\n";
    break;
  }
  return out;
}

}  // namespace vd
