// The picture reader on arbitrary bytes: a damaged file is refused whole or played without a crash.
#include <cstdint>
#include <string_view>

#include "platform/emf_reader.h"

namespace {

// Counts what would be drawn and touches every coordinate, so that bad values reach the sanitizers.
class CountingPainter : public vd::Painter {
 public:
  void polygon(const std::vector<vd::PointF>& points, const vd::PaintStyle&) override { touch(points); }
  void polyline(const std::vector<vd::PointF>& points, const vd::PaintStyle&) override { touch(points); }
  void rectangle(const vd::RectF&, const vd::PaintStyle&) override { ++calls; }
  void ellipse(const vd::RectF&, const vd::PaintStyle&) override { ++calls; }
  void path(const std::vector<vd::PathElement>& path, bool, bool, const vd::PaintStyle&) override {
    calls += static_cast<long>(path.size());
  }
  void text(const vd::PaintText&) override { ++calls; }
  long calls = 0;
  double sum = 0;

 private:
  void touch(const std::vector<vd::PointF>& points) {
    for (const vd::PointF& p : points) sum += p.x + p.y;
    ++calls;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string error;
  auto file = vd::parseEmf(std::string_view(reinterpret_cast<const char*>(data), size), &error);
  if (file) {
    CountingPainter painter;
    vd::playPicture(file->picture, painter, vd::RectF{0, 0, 696, 322});
  }
  return 0;
}
