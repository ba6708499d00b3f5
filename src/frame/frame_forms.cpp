// The frame's own forms: job number, the two length conversions, about and update.
#include <cmath>
#include <string>
#include <vector>

#include "frame/app_icon.h"
#include "frame/frame.h"
#include "frame/reference_sheets.h"
#include "platform/emf_writer.h"
#include "platform/file_write.h"
#include "platform/picture.h"

namespace vd {

namespace {

// ---- Job number -------------------------------------------------------------------------------

class JobNumberForm : public Form {
 public:
  enum { Field = 101 };
  explicit JobNumberForm(AppState& s) : state_(s), layout_("JO_Box", "Setting Job or Proj. Number") {
    Control& field = layout_.edit(Field, "Job number:");
    field.width = kJobNumberLength + 2;
    field.isText = true;
    layout_.newLine();
    layout_.button(kOk, "OK").isDefault = true;
  }
  const FormLayout& layout() const override { return layout_; }
  void opened(FormHost& host) override {
    state_.jobNumber = state_.settings.read("Project", "ID", "", kJobNumberLength + 1);
    host.setText(Field, state_.jobNumber);
  }
  void changed(FormHost& host, int id) override {
    if (id == Field) state_.jobNumber = host.text(Field, kJobNumberLength + 1);
  }
  void pressed(FormHost& host, int id) override {
    if (id == kOk) {
      state_.jobNumber = host.text(Field, kJobNumberLength + 1);
      state_.settings.write("Project", "ID", state_.jobNumber);
      host.close(true);
    } else if (id == kCancel) {
      host.close(false);
    }
  }

 private:
  AppState& state_;
  FormLayout layout_;
};

// ---- Length conversions -----------------------------------------------------------------------

// Feet beyond this cannot be shown as whole feet; no real drawing comes near it.
constexpr double kMaxFeet = 1.0e9;

class LengthConversionForm : public Form {
 public:
  enum { Input = 101, Result = 102, Feet = 103, Calculate = 104 };
  // toMm: "ft in 1/16" -> mm; otherwise mm -> "ft in 1/16".
  LengthConversionForm(AppState& s, bool toMm)
      : state_(s),
        toMm_(toMm),
        layout_(toMm ? "FT_MM_Box" : "MM_FT_Box", toMm ? "Converting ft-in-16 to mm" : "Converting mm to ft-in-16") {
    Control& input = layout_.edit(Input, toMm ? "ft in 1/16:" : "mm:");
    input.width = 16;
    input.isText = toMm;  // feet, inches and sixteenths in one text, read below
    layout_.newLine();
    layout_.readOnly(Result, toMm ? "mm: " : "ft in 1/16: ").width = 16;
    layout_.newLine();
    layout_.text(Feet, "0000");
    layout_.newLine();
    layout_.button(Calculate, "Calculate").isDefault = true;
    layout_.button(kOk, "OK");
  }
  const FormLayout& layout() const override { return layout_; }

  void opened(FormHost& host) override {
    host.setText(Input, state_.settings.read("Project", key(), "", 10));
    state_.report.clear();
  }

  void pressed(FormHost& host, int id) override {
    if (id == Calculate) {
      toMm_ ? feetToMm(host) : mmToFeet(host);
    } else if (id == kOk) {
      state_.settings.write("Project", key(), host.text(Input, 15));
      host.close(true);
    } else if (id == kCancel) {
      host.close(false);
    }
  }

 private:
  const char* key() const { return toMm_ ? "FT" : "MM"; }

  void feetToMm(FormHost& host) {
    const std::string input = host.text(Input, 25);
    std::vector<double> tokens;
    std::size_t i = 0;
    const std::string separators = " -'\"/,\r\n\t";
    while (i < input.size()) {
      std::size_t start = input.find_first_not_of(separators, i);
      if (start == std::string::npos) break;
      std::size_t end = input.find_first_of(separators, start);
      if (end == std::string::npos) end = input.size();
      const std::string token = input.substr(start, end - start);
      const std::optional<double> value = parseField(token);
      if (!value) {
        host.message("Vardelin",
                     "ft in 1/16: \"" + token + "\" is not a number. Type feet, inches and sixteenths, e.g. 3 4 5 or 3'-4 5/8\".",
                     MessageIcon::Exclamation);
        return;
      }
      tokens.push_back(*value);
      i = end;
    }
    double feet = tokens.size() > 0 ? tokens[0] : 0.0;
    double inches = tokens.size() > 1 ? tokens[1] : 0.0;
    double numerator = tokens.size() > 2 ? tokens[2] : 0.0;
    double denominator = tokens.size() > 3 ? tokens[3] : 16.0;
    if (denominator == 0.0) {
      host.message("Debug", "The fraction's denominator is zero; enter it as 5/8 or leave it out for sixteenths.",
                   MessageIcon::Exclamation);
      return;
    }
    double ft = feet + inches / 12.0 + numerator / 12.0 / denominator;
    if (!(std::fabs(ft) < kMaxFeet) || !(std::fabs(feet) < kMaxFeet)) {
      host.message("Debug", "The length is too large to convert.", MessageIcon::Exclamation);
      return;
    }
    const int wholeFeet = static_cast<int>(feet);
    const double mm = ft * 12.0 * 25.4;
    host.setText(Result, format("%.10g", mm));
    host.setText(Feet, format("%.4f ft", ft));
    appendf(state_.report, "\r\n%i'-%.0f %.0f/%.0f = %.4fft = %.2fmm", wholeFeet, inches, numerator, denominator, ft,
            mm);
  }

  void mmToFeet(FormHost& host) {
    const double mm = host.number(Input, 25);
    const double ftDec = mm / 12.0 / 25.4;
    if (!(std::fabs(ftDec) < kMaxFeet)) {
      host.message("Debug", "The length is too large to convert.", MessageIcon::Exclamation);
      return;
    }
    const std::string result = feetInchesSixteenths(mm);
    host.setText(Result, result);
    host.setText(Feet, format("%.4f ft", ftDec));
    appendf(state_.report, "\r\n%.2fmm = %s = %.4fft ", mm, result.c_str(), ftDec);
  }

  AppState& state_;
  bool toMm_;
  FormLayout layout_;
};

// ---- About and update -------------------------------------------------------------------------

constexpr const char* kMakerLines[] = {
    "Vardelin structural design software, version " VARDELIN_VERSION,
    "Written and maintained by the Vardelin developers",
};

class InfoForm : public Form {
 public:
  using enum info_form::Id;
  InfoForm(const char* templ, const char* title, std::string body)
      : body_(std::move(body)), layout_(templ, title) {
    layout_.picture(Icon, 64, 64);
    layout_.label("Program Vardelin");
    for (const char* line : kMakerLines) {
      layout_.newLine();
      layout_.label(line);
    }
    layout_.newLine();
    Control& pane = layout_.pane(Text, "", 12);
    pane.width = 70;
    layout_.newLine();
    // OK is the only button; Escape closes the form too.
    layout_.button(kOk, "OK").isDefault = true;
  }
  const FormLayout& layout() const override { return layout_; }
  void opened(FormHost& host) override {
    host.setText(Text, body_);
    // The program's icon, drawn as a small picture in this process's private temporary folder (not
    // the engineer's working directory, not a name others could foresee). Without it the box simply
    // shows no icon.
    const std::filesystem::path dir = privateTempDir();
    if (dir.empty()) return;
    const std::filesystem::path icon = dir / "vardelin-icon.emf";
    if (writeEmf(iconPicture(), icon, "VARDELIN_ICON")) host.showPicture(Icon, icon);
  }

 private:
  // The program's icon (frame/app_icon.h) on a 64 x 64 grid, in tenths so the half units stay.
  static Picture iconPicture() {
    auto c = [](unsigned rgbValue) { return rgb((rgbValue >> 16) & 0xff, (rgbValue >> 8) & 0xff, rgbValue & 0xff); };
    Picture p;
    p.setMapMode(MapMode::Anisotropic);
    p.setWindowExt(640, 640);
    p.setViewportExt(64, 64);
    const std::uint32_t background = p.createSolidBrush(c(kIconBackground));
    const std::uint32_t fill = p.createSolidBrush(c(kIconSectionFill));
    const std::uint32_t outline = p.createPen(PenStyle::Solid, static_cast<int>(kIconOutlineWidth * 10), c(kIconOutline));
    const int r = static_cast<int>(kIconCornerRadius * 20);
    p.select(Stock::NullPen);
    p.select(background);
    p.roundRect(0, 0, 640, 640, r, r);
    p.select(outline);
    p.select(fill);
    std::vector<Point> section;
    for (const IconPoint& q : kIconSection) section.push_back({static_cast<int>(q.x * 10), static_cast<int>(q.y * 10)});
    p.polygon(section);
    p.select(Stock::BlackPen);
    p.select(Stock::WhiteBrush);
    p.deleteObject(background);
    p.deleteObject(fill);
    p.deleteObject(outline);
    return p;
  }

  std::string body_;
  FormLayout layout_;
};

std::string aboutText() {
  return "Vardelin " VARDELIN_VERSION
         "\r\n"
         "\r\nCode editions the calculations follow:"
         "\r\n  Steel: AISC ASD 9th edition; AISC LRFD 3rd edition; AISC 360-22; 97 UBC braced frames"
         "\r\n  Concrete: ACI 318 (318-02 load and strength-reduction factors)"
         "\r\n  Wood: NDS 1991 and its Supplement; plywood shear walls, 97 UBC Standard 23"
         "\r\n  Loads: 94 UBC 1628 static lateral force; UBC live-load reduction; ASCE 7-02 load combinations"
         "\r\n"
         "\r\nLicence: Vardelin is free software, distributed with its source code under the terms in the "
         "package's copyright file. It comes with NO WARRANTY, to the extent permitted by law."
         "\r\n"
         "\r\nConsiderable time and effort has been spent to make Vardelin error-free.  However no warranty is made on "
         "its applicability to specific uses, the accuracy of the design, the design calculations and the diagrams it "
         "produces."
         "\r\nVardelin should be used by competent and licensed engineers only.  Users must verify the design and "
         "calculations produced by this program."
         "\r\n'OK' and 'NO GOOD' shown in the calculations report are for information only and do not replace the "
         "need of the user's verification on the design."
         "\r\nEngineering students and teachers interested in problem-solving are welcome to use Vardelin for "
         "classroom study. "
         "\r\nSuggestions on how to improve Vardelin are deeply appreciated.";
}

std::string updateText() {
  return "Updated versions of Vardelin are published as new releases of the program's package. Install the newest "
         "package over the old one: your settings file and your reports are kept.";
}

}  // namespace

void registerFrameForms(FormRegistry& registry) {
  registry.add(cmd::JobNumber, [](AppState& s) { return std::make_unique<JobNumberForm>(s); });
  registry.add(cmd::FtInToMm, [](AppState& s) { return std::make_unique<LengthConversionForm>(s, true); });
  registry.add(cmd::MmToFtIn, [](AppState& s) { return std::make_unique<LengthConversionForm>(s, false); });
  registry.add(cmd::About, [](AppState&) {
    return std::make_unique<InfoForm>("AboutBox", "About Vardelin " VARDELIN_VERSION, aboutText());
  });
  registry.add(cmd::Update, [](AppState&) {
    return std::make_unique<InfoForm>("UpdateBox", "How to update Vardelin", updateText());
  });
}

}  // namespace vd
