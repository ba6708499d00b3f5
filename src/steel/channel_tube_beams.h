#pragma once
// Channel (C, MC) beams with the F1-8 lateral-buckling limit, and rectangular or square HSS beams
// about either axis with the compact-box limits of F3 and the effective width of a slender compression
// flange (Appendix B5), both to the 9th edition ASD rules.
#include <string>

#include "platform/report_lines.h"
#include "tables/section_record.h"

namespace vd {

class ChannelBeamAsd {
 public:
  // M kip-ft, Lb ft, V kip (checked when above 0), Fy ksi designed within 33 to 65; Vlist filters the
  // connection list.
  ChannelBeamAsd(const SectionRecord& rec, double M, double Lb, double V, double Cb, double Fy, double Vlist);

  std::string design();
  const DesignResult& result() const { return result_; }

  double Lu = 0.0;  // ft
  double Fb = 0.0;  // ksi
  double Mcap = 0.0;  // kip-ft

  const SectionRecord& rec;
  double M, Lb, V, Cb, Fy, Vlist;
  double bf, d, tw, k, dAf, Sxx;

 private:
  DesignResult result_;
};

class TubeBeamAsd {
 public:
  // M kip-ft, Lb ft, Fy ksi (> 0; compactness with the value given, stresses within 33 to 50), M1 / M2
  // the end-moment ratio of F3-2. The design runs when the object is built.
  TubeBeamAsd(const SectionRecord& rec, double M, double Lb, double Cb, double Fy, double M1, double M2,
              bool weakAxis);

  const std::string& text() const { return text_; }
  const DesignResult& result() const { return result_; }

  const SectionRecord& rec;
  double M, Lb, Cb, Fy, M1, M2;
  bool weakAxis;
  double b, h, S, t;
  double Fb = 0.0;
  bool compact = true;
  double Lc = 0.0;  // in
  // A compression flange with flat b/t above 238/sqrt(Fy) works on its effective width (Appendix B5).
  bool slenderFlange = false;
  double be = 0.0;    // effective flat width of the compression flange, in
  double Seff = 0.0;  // section modulus of the effective section, in^3 (S when fully effective)

 private:
  std::string text_;
  DesignResult result_;
};

}  // namespace vd
