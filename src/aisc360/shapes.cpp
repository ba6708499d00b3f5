#include "aisc360/shapes.h"

#include <cctype>

namespace vd::aisc360 {

namespace {
bool sameLabel(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i]))) return false;
  return true;
}
}  // namespace

const Shape* findShape(std::string_view label) {
  while (!label.empty() && label.front() == ' ') label.remove_prefix(1);
  while (!label.empty() && label.back() == ' ') label.remove_suffix(1);
  for (const Shape& s : kShapes)
    if (sameLabel(s.label, label)) return &s;
  return nullptr;
}

const char* familyName(Family f) {
  switch (f) {
    case Family::W: return "W";
    case Family::M: return "M";
    case Family::S: return "S";
    case Family::HP: return "HP";
    case Family::C: return "C";
    case Family::MC: return "MC";
    case Family::WT: return "WT";
    case Family::MT: return "MT";
    case Family::ST: return "ST";
    case Family::L: return "L";
    case Family::DoubleL: return "2L";
    case Family::HssRect: return "HSS (rectangular)";
    case Family::HssRound: return "HSS (round)";
    case Family::Pipe: return "Pipe";
  }
  return "?";
}

double defaultFy(Family f) {
  switch (f) {
    case Family::C: case Family::MC: case Family::L: case Family::DoubleL: return 36.0;
    case Family::HssRound: return 46.0;
    case Family::Pipe: return 35.0;
    default: return 50.0;
  }
}

std::vector<FamilyEntry> shapesOfFamily(Family f) {
  std::vector<FamilyEntry> out;
  for (const Shape& s : kShapes)
    if (s.family == f) out.push_back({&s, static_cast<double>(s.W)});
  return out;
}

const Shape* componentAngle(const Shape& pair) {
  if (pair.family != Family::DoubleL) return nullptr;
  std::string body(pair.label + 2);
  for (const char* suffix : {"LLBB", "SLBB"})
    if (body.size() > 4 && body.compare(body.size() - 4, 4, suffix) == 0) body.resize(body.size() - 4);
  // Legs x legs x thickness [x spacing]: drop the spacing.
  int xs = 0;
  for (std::size_t i = 0; i < body.size(); ++i)
    if (body[i] == 'X' && ++xs == 3) {
      body.resize(i);
      break;
    }
  // The single-angle label names the longer leg first; a 2L with short legs back to back does the same.
  return findShape("L" + body);
}

bool isIShape(Family f) { return f == Family::W || f == Family::M || f == Family::S || f == Family::HP; }
bool isChannel(Family f) { return f == Family::C || f == Family::MC; }
bool isTee(Family f) { return f == Family::WT || f == Family::MT || f == Family::ST; }
bool isRoundHss(Family f) { return f == Family::HssRound || f == Family::Pipe; }

}  // namespace vd::aisc360
