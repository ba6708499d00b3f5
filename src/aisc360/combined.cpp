#include "aisc360/combined.h"

#include "platform/text_format.h"

namespace vd::aisc360 {

namespace {

CompressionInput axialInput(const CombinedInput& in) {
  return {in.section, in.Fy, in.E, in.method, in.Pr, in.Lcx, in.Lcy, in.Lcz};
}

FlexureInput bendingInput(const CombinedInput& in, Axis axis) {
  FlexureInput f;
  f.section = in.section;
  f.Fy = in.Fy;
  f.E = in.E;
  f.method = in.method;
  f.axis = axis;
  f.Mr = axis == Axis::Major ? in.Mrx : in.Mry;
  f.Lb = in.Lb;
  f.Cb = in.Cb;
  f.shear = false;
  return f;
}

// The part of a report above its summary line.
std::string body(const std::string& report) {
  std::string out = report.substr(0, report.rfind(" Result:"));
  while (!out.empty() && (out.back() == '\r' || out.back() == '\n')) out.pop_back();
  return out + "\r\n\r\n";
}

}  // namespace

std::string Combined::inputError(const CombinedInput& in) {
  for (std::string e : {Compression::inputError(axialInput(in)), Flexure::inputError(bendingInput(in, Axis::Major)),
                        Flexure::inputError(bendingInput(in, Axis::Minor))})
    if (!e.empty()) return e;
  return {};
}

Combined::Combined(const CombinedInput& in)
    : in_(in), axial_(axialInput(in)), fx_(bendingInput(in, Axis::Major)), fy_(bendingInput(in, Axis::Minor)) {
  for (const std::string* e : {&axial_.error(), &fx_.error(), &fy_.error()})
    if (!e->empty()) {
      error_ = *e;
      break;
    }
  if (!error_.empty()) {
    text_ = " AISC 360-22 combined forces: cannot calculate.\r\n " + error_ + "\r\n";
    result_.check(1.0e9, false, "input: " + error_);
    return;
  }
  const char* method = in.method == Method::LRFD ? "LRFD" : "ASD";
  appendf(text_, " AISC 360-22 combined axial force and flexure (H1.1), %s\r\n\r\n", method);
  text_ += body(axial_.report());
  text_ += " Flexure about the major axis\r\n" + body(fx_.report());
  text_ += " Flexure about the minor axis\r\n" + body(fy_.report());

  const double Pc = axial_.availableAxial(), Mcx = fx_.availableMoment(), Mcy = fy_.availableMoment();
  const std::string p = demandName(in.method, "P"), mx = demandName(in.method, "M");
  const double pr = in.Pr / Pc, bend = in.Mrx / Mcx + in.Mry / Mcy;
  appendf(text_, " Interaction (H1.1): Pc = %.2f kips, Mcx = %.2f kip-ft, Mcy = %.2f kip-ft", Pc, Mcx, Mcy);
  appendf(text_, "\r\n\t Pr/Pc = %.2f / %.2f = %.3f", in.Pr, Pc, pr);
  std::string name;
  if (pr >= 0.2) {
    ratio_ = pr + 8.0 / 9.0 * bend;
    appendf(text_, "\r\n\t Pr/Pc >= 0.2: Pr/Pc + 8/9 (Mrx/Mcx + Mry/Mcy) = %.3f + 8/9 (%.2f/%.2f + %.2f/%.2f) = %.3f"
                   " (Eq. H1-1a)", pr, in.Mrx, Mcx, in.Mry, Mcy, ratio_);
    name = "axial and flexure, Eq. H1-1a";
  } else {
    ratio_ = pr / 2.0 + bend;
    appendf(text_, "\r\n\t Pr/Pc < 0.2: Pr/(2 Pc) + (Mrx/Mcx + Mry/Mcy) = %.3f/2 + (%.2f/%.2f + %.2f/%.2f) = %.3f"
                   " (Eq. H1-1b)", pr, in.Mrx, Mcx, in.Mry, Mcy, ratio_);
    name = "axial and flexure, Eq. H1-1b";
  }
  text_ += atMostLine(result_, ratio_, 1.0, "Interaction", "1.0", "", name);
  // Shear and deflection are not part of this check; each strength above stands on its own line too.
  text_ += "\r\n\r\n" + result_.summaryLine();
}

}  // namespace vd::aisc360
