#pragma once
// The AISC 360-22 forms of the Design menu: flexure and shear, compression, combined forces.
#include "frame/frame.h"

namespace vd::aisc360 {
void registerAisc360Forms(FormRegistry& registry);
// Control ids of the three member forms (flexure, compression, combined).
namespace member_form {
enum Id {
  Location = 101,
  Lrfd,
  Asd,
  FamilyBox,
  List,
  FyField,
  EField,
  MaxDepth,
  Result,
  Calculate,
  Lightest,
  // Flexure.
  Major = 120,
  Minor,
  Moment,
  Shear,
  CbField,
  LbField,
  LvField,
  Span,
  LiveLoad,
  L240,
  L360,
  LTyped,
  LimitN,
  // Compression and combined.
  Axial = 140,
  Lcx,
  Lcy,
  Lcz,
  Spacing,
  SnugTight,
  MomentY,
};
}  // namespace member_form

}  // namespace vd::aisc360
