#pragma once
// Channel (C, MC) beams with the F1-8 lateral-buckling limit, and rectangular or square HSS beams
// about either axis with the compact-box limits of F3, both to the 9th edition ASD rules.
#include <string>

#include "tables/section_record.h"

namespace vd {

class ChannelBeamAsd {
 public:
  // M kip-ft, Lb ft, V kip (kept), Fy ksi designed within 33 to 65; Vlist filters the connection list.
  ChannelBeamAsd(const SectionRecord& rec, double M, double Lb, double V, double Cb, double Fy, double Vlist);

  std::string design();

  double Lu = 0.0;  // ft
  double Fb = 0.0;  // ksi
  double Mcap = 0.0;  // kip-ft

  const SectionRecord& rec;
  double M, Lb, V, Cb, Fy, Vlist;
  double bf, d, tw, k, dAf, Sxx;
};

class TubeBeamAsd {
 public:
  // M kip-ft, Lb ft, Fy ksi (> 0; compactness with the value given, stresses within 33 to 50), M1 / M2
  // the end-moment ratio of F3-2. The design runs when the object is built.
  TubeBeamAsd(const SectionRecord& rec, double M, double Lb, double Cb, double Fy, double M1, double M2,
              bool weakAxis);

  const std::string& text() const { return text_; }

  const SectionRecord& rec;
  double M, Lb, Cb, Fy, M1, M2;
  bool weakAxis;
  double b, h, S, t;
  double Fb = 0.0;
  bool compact = true;
  double Lc = 0.0;  // in

 private:
  std::string text_;
};

}  // namespace vd
