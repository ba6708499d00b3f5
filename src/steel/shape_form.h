#pragma once
// The bases of the steel forms that pick a section from a table: `ShapeForm` (Calculate, Lightest, OK
// and Cancel, the report OK puts into the pad), `BeamForm` (the W, channel and tube beams: last-beam
// status bar, stored row, refusals) and `ColumnFormBase` (the W, tube and pipe columns and the
// double-angle strut: role and seismic fields). Each form's own file holds its fields and report.
#include <initializer_list>
#include <string>

#include "frame/app_state.h"
#include "platform/form.h"
#include "platform/report_lines.h"
#include "steel/column_checks.h"
#include "steel/form_factories.h"
#include "steel/member_form_support.h"
#include "tables/steel_tables.h"

namespace vd {

// Controls every section-picking form has, each form in its own numbering.
struct ShapeFormIds {
  int list, result, calculate, lightest, maxDepth;
};

// The rows the form lists (first..last-1 of the table, list row 0 at `first`) and what "Lightest"
// searches among them: the name the pane gives them, the settings section of the depth limit and the
// depth it limits.
struct ShapeRows {
  ShapeTable table;
  int first, last;
  const char* what;
  const char* section;
  double (*depth)(const SectionRecord&);
};

double sectionDepth(const SectionRecord& r);  // d

class ShapeForm : public Form {
 public:
  const FormLayout& layout() const override { return layout_; }
  std::string candidates() const override { return candidates_; }
  void pressed(FormHost& host, int id) override;

 protected:
  // `keptReport`: where the report OK puts into the pad lives when it outlasts the form (the beam forms
  // keep it across openings and put it back on OK without a Calculate); nullptr keeps it in the form.
  ShapeForm(AppState& s, const char* templ, const char* title, ShapeFormIds ids, std::string* keptReport = nullptr);

  virtual void calculate(FormHost& host) = 0;
  // OK: what the form stores before its report goes into the pad.
  virtual void accept(FormHost& host) = 0;
  virtual ShapeRows rows() const = 0;
  // The depth "Max depth" limits, rows().depth unless the inputs change it.
  virtual double (*searchDepth(const FormHost&) const)(const SectionRecord&) { return rows().depth; }

  // Every listed row through this form's Calculate; the lightest passing one is calculated.
  void pressLightest(FormHost& host);

  AppState& state_;
  FormLayout layout_;
  const ShapeFormIds ids_;
  std::string& padText_;    // what OK puts into the pad
  bool calculated_;         // padText_ holds a report to put there
  DesignResult result_;     // of the last calculation
  std::string candidates_;  // of the last "Lightest"

 private:
  std::string ownPadText_;
};

class BeamForm : public ShapeForm {
 public:
  void opened(FormHost& host) override;

 protected:
  // The stored list row is `rowKey` in `rowSection`; the inputs live in the section of rows().
  BeamForm(AppState& s, const char* templ, const char* title, ShapeFormIds ids, int statusId, std::string& kept,
           const char* rowSection, const char* rowKey);

  // The location, the list and the depth limit under it.
  void addLocationAndList(int locationId, int listWidth);
  // The pane, the buttons (`cancel`: a Cancel button first) and the status bar.
  void addResultAndButtons(bool cancel);
  virtual void loadInputs(FormHost& host) = 0;

  void accept(FormHost& host) override;
  // Refuses values no calculation can use: one out of range, then `why` when given, then a negative
  // Lb. The reason goes into a box, the pane and the form's report. True when refused.
  bool refused(FormHost& host, std::initializer_list<FieldValue> values, const char* why, double lb);
  // The row a Calculate works on (row_ too).
  const SectionRecord& calculationRow(FormHost& host);
  // Writes each value into the inputs' section as "%.2lf".
  void storeValues(std::initializer_list<std::pair<const char*, double>> values);

  const int statusId_;
  int locationId_ = 0;
  const char* rowSection_;
  const char* rowKey_;
  int row_ = 0;
};

class ColumnFormBase : public ShapeForm {
 public:
  void changed(FormHost& host, int id) override;

 protected:
  using ShapeForm::ShapeForm;

  virtual void listChanged(FormHost&) {}

  static constexpr RoleIds kRoleIds{column_form::RoleFirst, column_form::Dead, column_form::Live, column_form::Quake,
                                    column_form::RwList};

  // The depth limit under the section list, kept with the form's other inputs.
  void addMaxDepth();
  void addRoleAndSeismicGroups() { vd::addRoleAndSeismicGroups(layout_, kRoleIds); }
  void addResultAndButtons();
  void setRole(FormHost& host, int role) { role_ = showRole(host, kRoleIds, role, rwFollowsRole_); }
  // Opening: role and Rw as stored (opening at Rw 4 would quietly lower the seismic load 3(Rw/8)E of a
  // member last designed with a larger Rw), list and stored row, location, depth limit.
  void openCommon(FormHost& host, const char* roleSection, const char* rowSection, const char* rowKey);
  // The list row a Calculate works on, as a table row.
  int tableRow(FormHost& host) const;

  // Runs a column-type design (inputError(), design(), result()): its report, or the reason it cannot
  // be designed in `error`.
  template <class Column>
  std::string design(Column& column, std::string& error) {
    error = column.inputError();
    if (!error.empty()) return {};
    std::string report = column.design();
    if (hasNonFiniteNumber(report)) error = kNoFiniteResult;
    return report;
  }
  // The reason a design failed: in a box and as the report's line.
  std::string refuse(FormHost& host, const char* caption, const std::string& error) {
    result_ = DesignResult{};
    return vd::refuse(host, caption, MessageIcon::Stop, error);
  }

  int role_ = 0;
  std::string report_;  // the design routine's text of the last Calculate
  bool rwFollowsRole_ = false;
};

}  // namespace vd
