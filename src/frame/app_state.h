#pragma once
// The process-wide objects every form shares, owned by the frame for the program's lifetime.
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <typeindex>

#include "frame/beam_handoff.h"
#include "platform/report_lines.h"
#include "platform/settings.h"

namespace vd {

// The job number keeps at least this many characters ("2024-0178-B" and longer project codes).
inline constexpr std::size_t kJobNumberLength = 24;

inline constexpr const char* kStartText = "\r\n This space is designed for you to cut and paste.";

// Largest positive and negative moment (k-ft) and the two reactions (kip, upward positive) of the last
// closed beam form. A cantilever (fixed at its right end) has no left reaction; its fixed-end moment
// is the bending moment at the wall.
struct LastBeamResult {
  double maxPositiveMoment = 0.0;
  double maxNegativeMoment = 0.0;
  double leftReaction = 0.0;
  double rightReaction = 0.0;
  bool cantilever = false;
  double fixedEndMoment = 0.0;
};

// Shared inputs of the concrete beam and development-length forms.
struct ConcreteBeamRecord {
  enum Slot { Fc = 0, Fy = 1, Width = 2, Depth = 3, Moment = 4, As = 5, Unused = 6, Phi = 7 };
  std::array<double, 8> slot{};
  double& operator[](Slot s) { return slot[s]; }
  double operator[](Slot s) const { return slot[s]; }
};

// 18 loads of three numbers each (magnitude, position or start, end); rows laid out by the beam forms.
using BeamLoadTable = std::array<std::array<double, 3>, 18>;

enum class BeamCase { OverhangLeft = 0, Simple = 1, OverhangRight = 2, Cantilever = 3 };

// 201 stations of five values each, filled by every beam analysis, read by the diagrams.
using StationTable = std::array<double, 1005>;

// What the program has published to the user: the report buffer, the last beam result with its stations
// and diagram items, the picture above the pad. A form that is cancelled leaves all of it as it was.
struct PublishedState {
  std::string report;
  DesignResult result;
  LastBeamResult lastBeam;
  StationTable stations{};
  double supportLeft = 0.0;
  double supportRight = 1.0;
  std::string beamLocation;
  int pictureBitmap = 577;
  std::set<int> enabled;
};

class AppState {
 public:
  explicit AppState(Settings& settings);

  Settings& settings;

  // The text the frame puts into the report pad after a form closes. Never cut.
  std::string report = kStartText;
  // The verdict of the design that report holds, as data (unchecked for analyses, sheets and tables).
  // A form that publishes a report sets both.
  DesignResult result;

  std::string jobNumber;  // "Project"/"ID", at most kJobNumberLength characters
  int sawnSpecies = 0;    // "Wood"/"sawnSpecieNum"
  ConcreteBeamRecord concreteBeam;
  std::array<BeamLoadTable, 4> loadTables{};
  StationTable stations{};
  LastBeamResult lastBeam;
  // Where the diagrams draw the two supports: fractions of the beam length, set by each beam run.
  double supportLeft = 0.0;
  double supportRight = 1.0;
  // Location text of the last beam form (its last calculation, or the note shown on opening).
  std::string beamLocation;
  int pictureBitmap = 577;
  // The report each beam form's last run produced, by its file name ("cbm.wri"...): the pad is built
  // from it, so a report file that could not be replaced never puts an older run's report in the pad.
  std::map<std::string, std::string> beamReports;
  // Set by a beam analysis closed with "Design this beam...": the frame then opens its design form,
  // which takes it on opening.
  std::optional<BeamHandoff> beamHandoff;

  BeamLoadTable& loads(BeamCase c) { return loadTables[static_cast<int>(c)]; }

  // Menu items that start grayed and are enabled by an event; nothing grays them again.
  bool isEnabled(int commandId) const;
  void enable(int commandId) { enabled_.insert(commandId); }

  PublishedState published() const {
    return {report, result, lastBeam, stations, supportLeft, supportRight, beamLocation, pictureBitmap, enabled_};
  }
  void restore(const PublishedState& p) {
    report = p.report;
    result = p.result;
    lastBeam = p.lastBeam;
    stations = p.stations;
    supportLeft = p.supportLeft;
    supportRight = p.supportRight;
    beamLocation = p.beamLocation;
    pictureBitmap = p.pictureBitmap;
    enabled_ = p.enabled;
  }

  // Writes the six "ACI" keys back (on exit).
  void saveConcreteBeam();

  // State owned by a subsystem (lumber members, the lateral-force level table...), created on first use
  // and alive until exit, without the frame knowing its type.
  template <class T>
  T& module() {
    auto& slot = modules_[std::type_index(typeid(T))];
    if (!slot) slot = std::shared_ptr<void>(new T(), [](void* p) { delete static_cast<T*>(p); });
    return *static_cast<T*>(slot.get());
  }

 private:
  std::set<int> enabled_;
  std::map<std::type_index, std::shared_ptr<void>> modules_;
};

}  // namespace vd
