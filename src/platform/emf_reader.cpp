#include "platform/emf_reader.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace vd {

namespace {

constexpr std::uint32_t kSignature = 0x464D4520;  // " EMF"
constexpr std::uint32_t kMinHeader = 88;

// Little-endian reads inside one record; every offset is checked against the record's size first.
class RecordView {
 public:
  RecordView(std::string_view bytes, std::uint32_t size) : b_(bytes.data()), size_(size) {}
  bool fits(std::uint64_t offset, std::uint64_t length) const { return offset + length <= size_; }
  std::uint32_t u32(std::uint32_t off) const {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b_[off + static_cast<std::uint32_t>(i)]);
    return v;
  }
  std::int32_t i32(std::uint32_t off) const { return static_cast<std::int32_t>(u32(off)); }
  std::uint16_t u16(std::uint32_t off) const {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b_[off]) |
                                      (static_cast<unsigned char>(b_[off + 1]) << 8));
  }
  std::int16_t i16(std::uint32_t off) const { return static_cast<std::int16_t>(u16(off)); }
  std::uint8_t u8(std::uint32_t off) const { return static_cast<std::uint8_t>(b_[off]); }
  const char* data(std::uint32_t off) const { return b_ + off; }
  std::uint32_t size() const { return size_; }

 private:
  const char* b_;
  std::uint32_t size_;
};

void appendUtf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// UTF-16 text of n units (up to the first NUL when stopAtNul) as UTF-8; lone surrogates become U+FFFD.
std::string utf16ToUtf8(const RecordView& r, std::uint32_t off, std::uint32_t n, bool stopAtNul) {
  std::string out;
  for (std::uint32_t i = 0; i < n; ++i) {
    std::uint32_t cp = r.u16(off + 2 * i);
    if (cp == 0 && stopAtNul) break;
    if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < n) {
      const std::uint32_t lo = r.u16(off + 2 * (i + 1));
      if (lo >= 0xDC00 && lo < 0xE000) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (lo - 0xDC00);
        ++i;
      } else {
        cp = 0xFFFD;
      }
    } else if (cp >= 0xD800 && cp < 0xE000) {
      cp = 0xFFFD;
    }
    appendUtf8(out, cp);
  }
  return out;
}

// 8-bit text is taken as Latin-1.
std::string latin1ToUtf8(const char* s, std::uint32_t n) {
  std::string out;
  for (std::uint32_t i = 0; i < n; ++i) appendUtf8(out, static_cast<unsigned char>(s[i]));
  return out;
}

std::nullopt_t refuse(std::string* error, const std::string& why) {
  if (error) *error = why;
  return std::nullopt;
}

// The points of a poly record: count at 24, then 32-bit or 16-bit pairs.
bool readPoints(const RecordView& r, bool sixteen, std::vector<Point>& out) {
  if (!r.fits(24, 4)) return false;
  const std::uint32_t n = r.u32(24);
  if (n > kMaxPointsPerCall) return false;  // more than any picture draws in one call: refused
  const std::uint64_t each = sixteen ? 4 : 8;
  if (!r.fits(28, each * n)) return false;
  out.reserve(n);
  for (std::uint32_t i = 0; i < n; ++i) {
    const std::uint32_t o = 28 + static_cast<std::uint32_t>(each) * i;
    if (sixteen) out.push_back({r.i16(o), r.i16(o + 2)});
    else out.push_back({r.i32(o), r.i32(o + 4)});
  }
  return true;
}

// Turns one record into drawing calls. Returns false when the record is too short for what it says.
bool decode(std::uint32_t type, const RecordView& r, Picture& pic) {
  PictureOp op;
  auto ints = [&](OpKind k, std::uint32_t count) {
    if (!r.fits(8, 4ull * count)) return false;
    op.kind = k;
    for (std::uint32_t i = 0; i < count; ++i) op.v.push_back(r.i32(8 + 4 * i));
    pic.append(std::move(op));
    return true;
  };
  auto bare = [&](OpKind k) {
    op.kind = k;
    pic.append(std::move(op));
    return true;
  };
  auto poly = [&](OpKind k, bool sixteen) {
    op.kind = k;
    if (!readPoints(r, sixteen, op.points)) return false;
    pic.append(std::move(op));
    return true;
  };
  switch (type) {
    case emr::SetMapMode: return ints(OpKind::SetMapMode, 1);
    case emr::SetWindowExtEx: return ints(OpKind::SetWindowExt, 2);
    case emr::SetViewportExtEx: return ints(OpKind::SetViewportExt, 2);
    case emr::SetWindowOrgEx: return ints(OpKind::SetWindowOrg, 2);
    case emr::SetViewportOrgEx: return ints(OpKind::SetViewportOrg, 2);
    case emr::SetBkMode: return ints(OpKind::SetBkMode, 1);
    case emr::SetBkColor: return ints(OpKind::SetBkColor, 1);
    case emr::SetTextAlign: return ints(OpKind::SetTextAlign, 1);
    case emr::SetTextColor: return ints(OpKind::SetTextColor, 1);
    case emr::SetPolyFillMode: return ints(OpKind::SetPolyFillMode, 1);
    case emr::SelectObject: return ints(OpKind::SelectObject, 1);
    case emr::DeleteObject: return ints(OpKind::DeleteObject, 1);
    case emr::MoveToEx: return ints(OpKind::MoveTo, 2);
    case emr::LineTo: return ints(OpKind::LineTo, 2);
    case emr::Rectangle: return ints(OpKind::Rectangle, 4);
    case emr::Ellipse: return ints(OpKind::Ellipse, 4);
    case emr::RoundRect: return ints(OpKind::RoundRect, 6);
    case emr::RestoreDC: return ints(OpKind::RestoreDC, 1);
    case emr::SaveDC: return bare(OpKind::SaveDC);
    case emr::BeginPath: return bare(OpKind::BeginPath);
    case emr::EndPath: return bare(OpKind::EndPath);
    case emr::CloseFigure: return bare(OpKind::CloseFigure);
    case emr::FillPath: return bare(OpKind::FillPath);
    case emr::StrokePath: return bare(OpKind::StrokePath);
    case emr::StrokeAndFillPath: return bare(OpKind::StrokeAndFillPath);
    case emr::Polygon: return poly(OpKind::Polygon, false);
    case emr::Polygon16: return poly(OpKind::Polygon, true);
    case emr::Polyline: return poly(OpKind::Polyline, false);
    case emr::Polyline16: return poly(OpKind::Polyline, true);
    case emr::PolylineTo: return poly(OpKind::PolylineTo, false);
    case emr::PolylineTo16: return poly(OpKind::PolylineTo, true);
    case emr::PolyBezierTo: return poly(OpKind::PolyBezierTo, false);
    case emr::PolyBezierTo16: return poly(OpKind::PolyBezierTo, true);
    case emr::CreatePen:
      if (!r.fits(8, 20)) return false;
      op.kind = OpKind::CreatePen;
      op.v = {r.i32(8), r.i32(12), r.i32(16), r.i32(24)};
      pic.append(std::move(op));
      return true;
    case emr::ExtCreatePen:
      if (!r.fits(8, 36)) return false;
      op.kind = OpKind::CreatePen;
      op.v = {r.i32(8), r.i32(28) & 0xF, r.i32(32), r.i32(40)};
      pic.append(std::move(op));
      return true;
    case emr::CreateBrushIndirect:
      if (!r.fits(8, 16)) return false;
      op.kind = OpKind::CreateBrush;
      op.v = {r.i32(8), r.i32(12), r.i32(16), r.i32(20)};
      pic.append(std::move(op));
      return true;
    case emr::ExtCreateFontIndirectW: {
      if (!r.fits(8, 4 + 92)) return false;
      op.kind = OpKind::CreateFont;
      op.v = {r.i32(8)};
      FontSpec& f = op.font;
      f.height = r.i32(12);
      f.width = r.i32(16);
      f.escapement = r.i32(20);
      f.orientation = r.i32(24);
      f.weight = r.i32(28);
      f.italic = r.u8(32);
      f.underline = r.u8(33);
      f.strikeOut = r.u8(34);
      f.charSet = r.u8(35);
      f.outPrecision = r.u8(36);
      f.clipPrecision = r.u8(37);
      f.quality = r.u8(38);
      f.pitchAndFamily = r.u8(39);
      f.face = utf16ToUtf8(r, 40, 32, true);
      pic.append(std::move(op));
      return true;
    }
    case emr::ExtTextOutA:
    case emr::ExtTextOutW: {
      if (!r.fits(36, 20)) return false;
      const std::uint32_t n = r.u32(44);
      const std::uint32_t off = r.u32(48);
      const bool wide = type == emr::ExtTextOutW;
      if (n > 0 && !r.fits(off, static_cast<std::uint64_t>(n) * (wide ? 2 : 1))) return false;
      op.kind = OpKind::TextOut;
      op.v = {r.i32(36), r.i32(40)};
      op.text = wide ? utf16ToUtf8(r, off, n, false) : latin1ToUtf8(r.data(off), n);
      pic.append(std::move(op));
      return true;
    }
    default: return true;  // a record this program never draws with: skipped
  }
}

}  // namespace

std::optional<EmfFile> parseEmf(std::string_view bytes, std::string* error) {
  if (bytes.size() > kMaxEmfBytes) return refuse(error, "file too large");
  if (bytes.size() < kMinHeader) return refuse(error, "too short for a metafile header");
  EmfFile f;
  {
    RecordView h(bytes, static_cast<std::uint32_t>(bytes.size()));
    const std::uint32_t size = h.u32(4);
    if (h.u32(0) != emr::Header || size < kMinHeader || size > bytes.size() || size % 4 != 0 ||
        h.u32(40) != kSignature) {
      return refuse(error, "not an enhanced metafile");
    }
    RecordView r(bytes, size);
    for (int i = 0; i < 4; ++i) f.bounds[i] = r.i32(8 + 4 * static_cast<std::uint32_t>(i));
    f.frame = {r.i32(24), r.i32(28), r.i32(32), r.i32(36)};
    f.declaredBytes = r.u32(48);
    f.declaredRecords = r.u32(52);
    f.handles = r.u16(56);
    const std::uint32_t nDesc = r.u32(60), offDesc = r.u32(64);
    if (nDesc > 0) {
      if (!r.fits(offDesc, 2ull * nDesc)) return refuse(error, "header description outside the header");
      f.description = utf16ToUtf8(r, offDesc, nDesc, true);
    }
    ReferenceDevice d;
    d.pixelsX = r.i32(72);
    d.pixelsY = r.i32(76);
    d.millimetersX = r.i32(80);
    d.millimetersY = r.i32(84);
    if (d.pixelsX <= 0 || d.pixelsY <= 0 || d.millimetersX <= 0 || d.millimetersY <= 0) {
      return refuse(error, "header has no reference device");
    }
    f.device = d;
  }
  f.picture.setDevice(f.device);
  f.picture.setFrame(f.frame);

  std::size_t off = 0;
  bool ended = false;
  while (off < bytes.size()) {
    if (bytes.size() - off < 8) return refuse(error, "truncated record");
    RecordView head(bytes.substr(off), 8);
    const std::uint32_t type = head.u32(0), size = head.u32(4);
    if (size < 8 || size % 4 != 0 || size > bytes.size() - off) {
      return refuse(error, "record " + std::to_string(f.records.size()) + " has a bad size");
    }
    f.records.push_back({type, static_cast<std::uint32_t>(off), size});
    if (type != emr::Header || off != 0) {
      if (type == emr::Header) return refuse(error, "second header");
      RecordView r(bytes.substr(off), size);
      if (!decode(type, r, f.picture)) {
        return refuse(error, "record " + std::to_string(f.records.size() - 1) + " is too short");
      }
    }
    off += size;
    if (type == emr::Eof) {
      ended = true;
      break;
    }
  }
  if (!ended) return refuse(error, "no end-of-file record");
  return f;
}

std::optional<EmfFile> readEmf(const std::filesystem::path& file, std::string* error) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return refuse(error, "cannot open " + file.string());
  std::string bytes;
  char buf[65536];
  while (in.read(buf, sizeof buf) || in.gcount() > 0) {
    bytes.append(buf, static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > kMaxEmfBytes) return refuse(error, "file too large");
  }
  return parseEmf(bytes, error);
}

bool playEmfFile(const std::filesystem::path& file, Painter& painter, const RectF& destination) {
  std::optional<EmfFile> f = readEmf(file);
  return f && playPicture(f->picture, painter, destination);
}

}  // namespace vd
