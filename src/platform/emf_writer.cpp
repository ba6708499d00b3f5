// The one place that speaks to libEMF: its Windows-style headers stay inside this file.
#include "platform/emf_writer.h"

#include <libEMF/emf.h>
// The Windows headers map these names to their A/W variants; here they are our call kinds.
#undef CreateFont
#undef TextOut

#include <cstdio>
#include <map>
#include <string>
#include <system_error>
#include <vector>

#include "platform/file_write.h"
#include "platform/picture_play.h"

namespace vd {

namespace {

std::vector<POINT> toPoints(const std::vector<Point>& pts) {
  std::vector<POINT> out;
  out.reserve(pts.size());
  for (const Point& p : pts) out.push_back(POINT{p.x, p.y});
  return out;
}

bool isAscii(std::string_view s) {
  for (unsigned char c : s) {
    if (c >= 0x80) return false;
  }
  return true;
}

// UTF-8 to UTF-16; malformed bytes become U+FFFD.
std::vector<WCHAR> utf16(std::string_view s) {
  std::vector<WCHAR> out;
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    std::uint32_t cp = 0xFFFD;
    std::size_t len = 1;
    if (c < 0x80) {
      cp = c;
    } else if ((c >> 5) == 6 && i + 1 < s.size()) {
      cp = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(s[i + 1]) & 0x3Fu);
      len = 2;
    } else if ((c >> 4) == 14 && i + 2 < s.size()) {
      cp = ((c & 0x0Fu) << 12) | ((static_cast<unsigned char>(s[i + 1]) & 0x3Fu) << 6) |
           (static_cast<unsigned char>(s[i + 2]) & 0x3Fu);
      len = 3;
    } else if ((c >> 3) == 30 && i + 3 < s.size()) {
      cp = ((c & 0x07u) << 18) | ((static_cast<unsigned char>(s[i + 1]) & 0x3Fu) << 12) |
           ((static_cast<unsigned char>(s[i + 2]) & 0x3Fu) << 6) | (static_cast<unsigned char>(s[i + 3]) & 0x3Fu);
      len = 4;
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<WCHAR>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<WCHAR>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<WCHAR>(cp));
    }
    i += len;
  }
  return out;
}

class Writer {
 public:
  explicit Writer(HDC dc) : dc_(dc) {}
  ~Writer() {
    for (auto& [handle, obj] : objects_) DeleteObject(obj);
  }

  void step(const PictureOp& op) {
    const auto& v = op.v;
    auto need = [&](std::size_t n) { return v.size() >= n; };
    switch (op.kind) {
      case OpKind::SetMapMode:
        if (!need(1)) break;
        if (static_cast<MapMode>(v[0]) == MapMode::ScreenPixels) {
          // 1/96 inch per unit on this file's reference device, y down.
          SetMapMode(dc_, MM_ANISOTROPIC);
          SetWindowExtEx(dc_, GetDeviceCaps(dc_, HORZSIZE) * 960, GetDeviceCaps(dc_, VERTSIZE) * 960, nullptr);
          SetViewportExtEx(dc_, GetDeviceCaps(dc_, HORZRES) * 254, GetDeviceCaps(dc_, VERTRES) * 254, nullptr);
        } else {
          SetMapMode(dc_, v[0]);
        }
        break;
      case OpKind::SetWindowExt: if (need(2)) SetWindowExtEx(dc_, v[0], v[1], nullptr); break;
      case OpKind::SetViewportExt: if (need(2)) SetViewportExtEx(dc_, v[0], v[1], nullptr); break;
      case OpKind::SetWindowOrg: if (need(2)) SetWindowOrgEx(dc_, v[0], v[1], nullptr); break;
      case OpKind::SetViewportOrg: if (need(2)) SetViewportOrgEx(dc_, v[0], v[1], nullptr); break;
      case OpKind::SetBkMode: if (need(1)) SetBkMode(dc_, v[0]); break;
      case OpKind::SetBkColor: if (need(1)) SetBkColor(dc_, static_cast<COLORREF>(v[0])); break;
      case OpKind::SetTextAlign: if (need(1)) SetTextAlign(dc_, static_cast<UINT>(v[0])); break;
      case OpKind::SetTextColor: if (need(1)) SetTextColor(dc_, static_cast<COLORREF>(v[0])); break;
      case OpKind::SetPolyFillMode: if (need(1)) SetPolyFillMode(dc_, v[0]); break;
      case OpKind::CreatePen:
        if (need(4)) objects_[v[0]] = CreatePen(v[1], v[2], static_cast<COLORREF>(v[3]));
        break;
      case OpKind::CreateBrush:
        if (need(4)) {
          // libEMF has no CreateHatchBrush; a hatched LOGBRUSH makes the same record.
          LOGBRUSH lb;
          lb.lbStyle = static_cast<UINT>(v[1]);
          lb.lbColor = static_cast<COLORREF>(v[2]);
          lb.lbHatch = static_cast<ULONG_PTR>(v[3]);
          objects_[v[0]] = CreateBrushIndirect(&lb);
        }
        break;
      case OpKind::CreateFont:
        if (need(1)) {
          LOGFONTA lf{};
          const FontSpec& f = op.font;
          lf.lfHeight = f.height;
          lf.lfWidth = f.width;
          lf.lfEscapement = f.escapement;
          lf.lfOrientation = f.orientation;
          lf.lfWeight = f.weight;
          lf.lfItalic = f.italic;
          lf.lfUnderline = f.underline;
          lf.lfStrikeOut = f.strikeOut;
          lf.lfCharSet = f.charSet;
          lf.lfOutPrecision = f.outPrecision;
          lf.lfClipPrecision = f.clipPrecision;
          lf.lfQuality = f.quality;
          lf.lfPitchAndFamily = f.pitchAndFamily;
          const std::size_t n = std::min<std::size_t>(f.face.size(), LF_FACESIZE - 1);
          f.face.copy(lf.lfFaceName, n);
          lf.lfFaceName[n] = '\0';
          objects_[v[0]] = CreateFontIndirectA(&lf);
        }
        break;
      case OpKind::SelectObject:
        if (need(1)) {
          const auto h = static_cast<std::uint32_t>(v[0]);
          if (h & kStockFlag) {
            SelectObject(dc_, GetStockObject(static_cast<INT>(h & ~kStockFlag)));
          } else if (auto it = objects_.find(v[0]); it != objects_.end()) {
            SelectObject(dc_, it->second);
          }
        }
        break;
      case OpKind::DeleteObject:
        if (need(1)) {
          if (auto it = objects_.find(v[0]); it != objects_.end()) {
            DeleteObject(it->second);
            objects_.erase(it);
          }
        }
        break;
      case OpKind::MoveTo:
        if (need(2)) {
          MoveToEx(dc_, v[0], v[1], nullptr);
          cur_ = {v[0], v[1]};
        }
        break;
      case OpKind::LineTo:
        if (need(2)) {
          LineTo(dc_, v[0], v[1]);
          cur_ = {v[0], v[1]};
        }
        break;
      case OpKind::Polygon:
        if (op.points.size() >= 2) {
          std::vector<POINT> p = toPoints(op.points);
          Polygon(dc_, p.data(), static_cast<INT>(p.size()));
        }
        break;
      case OpKind::Polyline:
        if (op.points.size() >= 2) {
          std::vector<POINT> p = toPoints(op.points);
          Polyline(dc_, p.data(), static_cast<INT>(p.size()));
        }
        break;
      case OpKind::PolylineTo:
        if (!op.points.empty()) {
          std::vector<POINT> p = toPoints(op.points);
          PolylineTo(dc_, p.data(), static_cast<DWORD>(p.size()));
          cur_ = op.points.back();
        }
        break;
      case OpKind::PolyBezierTo:
        if (op.points.size() >= 3) {
          std::vector<POINT> p = toPoints(op.points);
          PolyBezierTo(dc_, p.data(), static_cast<DWORD>(p.size() - p.size() % 3));
          cur_ = op.points[p.size() - p.size() % 3 - 1];
        }
        break;
      case OpKind::Rectangle: if (need(4)) Rectangle(dc_, v[0], v[1], v[2], v[3]); break;
      case OpKind::Ellipse: if (need(4)) Ellipse(dc_, v[0], v[1], v[2], v[3]); break;
      case OpKind::RoundRect:
        if (need(6)) roundRect(v);
        break;
      case OpKind::BeginPath: BeginPath(dc_); break;
      case OpKind::EndPath: EndPath(dc_); break;
      case OpKind::CloseFigure: CloseFigure(dc_); break;
      case OpKind::FillPath: FillPath(dc_); break;
      case OpKind::StrokePath: StrokePath(dc_); break;
      case OpKind::StrokeAndFillPath: StrokeAndFillPath(dc_); break;
      case OpKind::TextOut:
        if (need(2) && !op.text.empty()) {
          if (isAscii(op.text)) {
            TextOutA(dc_, v[0], v[1], op.text.data(), static_cast<INT>(op.text.size()));
          } else {
            std::vector<WCHAR> w = utf16(op.text);
            TextOutW(dc_, v[0], v[1], w.data(), static_cast<INT>(w.size()));
          }
        }
        break;
      case OpKind::SaveDC: SaveDC(dc_); break;
      case OpKind::RestoreDC: if (need(1)) RestoreDC(dc_, v[0]); break;
    }
  }

 private:
  // libEMF has no RoundRect: the same outline as a closed path, stroked and filled with the selected pen
  // and brush. The current position is left where it was, as RoundRect leaves it.
  void roundRect(const std::vector<std::int32_t>& v) {
    const RoundRectOutline o = roundRectOutline(v[0], v[1], v[2], v[3], v[4], v[5]);
    BeginPath(dc_);
    MoveToEx(dc_, o.start.x, o.start.y, nullptr);
    for (std::size_t i = 0; i < 4; ++i) {
      LineTo(dc_, o.lines[i].x, o.lines[i].y);
      POINT c[3] = {{o.corners[3 * i].x, o.corners[3 * i].y},
                    {o.corners[3 * i + 1].x, o.corners[3 * i + 1].y},
                    {o.corners[3 * i + 2].x, o.corners[3 * i + 2].y}};
      PolyBezierTo(dc_, c, 3);
    }
    CloseFigure(dc_);
    EndPath(dc_);
    StrokeAndFillPath(dc_);
    MoveToEx(dc_, cur_.x, cur_.y, nullptr);
  }

  HDC dc_;
  std::map<std::int32_t, HGDIOBJ> objects_;
  Point cur_;
};

}  // namespace

bool writeEmf(const Picture& picture, const std::filesystem::path& file, std::string_view description) {
  Frame100 f = pictureFrame(picture);
  if (f.empty()) f = {0, 0, 1, 1};  // an empty picture is still a valid file
  const RECT frame{f.left, f.top, f.right, f.bottom};

  // The header's description: the name, then an empty picture title, ended by two NULs.
  std::string desc(description);
  desc.push_back('\0');
  desc.push_back('\0');

  // libEMF writes to a stream: an anonymous file (no name anyone could plant a link at) whose bytes
  // then go through the one file writer.
  std::FILE* fp = std::tmpfile();
  if (!fp) {
    countFailedWrite();
    return false;
  }
  HDC dc = CreateEnhMetaFileWithFILEA(0, fp, &frame, desc.c_str());
  if (!dc) {
    std::fclose(fp);
    countFailedWrite();
    return false;
  }
  {
    Writer w(dc);
    for (const PictureOp& op : picture.ops()) w.step(op);
    HENHMETAFILE mf = CloseEnhMetaFileWithFILE(dc);
    if (mf) DeleteEnhMetaFile(mf);
  }
  std::string bytes;
  bool ok = std::fflush(fp) == 0 && !std::ferror(fp) && std::fseek(fp, 0, SEEK_SET) == 0;
  char buf[65536];
  for (std::size_t n; ok && (n = std::fread(buf, 1, sizeof buf, fp)) > 0;) bytes.append(buf, n);
  ok = ok && !std::ferror(fp) && !bytes.empty();
  std::fclose(fp);
  if (!ok) {
    countFailedWrite();
    return false;
  }
  return writeFileAtomically(file, bytes).ok;
}

}  // namespace vd
