#include "steel/shape_form.h"

#include "platform/lightest.h"

namespace vd {

double sectionDepth(const SectionRecord& r) { return double(r.d); }

ShapeForm::ShapeForm(AppState& s, const char* templ, const char* title, ShapeFormIds ids, std::string* keptReport)
    : state_(s),
      layout_(templ, title),
      ids_(ids),
      padText_(keptReport ? *keptReport : ownPadText_),
      calculated_(keptReport != nullptr) {}

void ShapeForm::pressed(FormHost& host, int id) {
  if (id == ids_.calculate) {
    calculate(host);
  } else if (id == ids_.lightest) {
    pressLightest(host);
  } else if (id == kOk) {
    accept(host);
    if (calculated_) {
      state_.report = padText_;
      state_.result = result_;
    }
    host.close(true);
  } else if (id == kCancel) {
    host.close(false);
  }
}

void ShapeForm::pressLightest(FormHost& host) {
  const ShapeRows t = rows();
  FormSearch search;
  search.caption = layout_.title;
  search.what = t.what;
  search.section = t.section;
  search.maxDepthId = ids_.maxDepth;
  search.paneId = ids_.result;
  search.rows = searchRows(t.table, t.first, t.last, searchDepth(host));
  const int shown = host.selection(ids_.list);
  search.calculate = [&](FormHost& h, int row) {
    h.select(ids_.list, row < 0 ? shown : row);
    result_ = DesignResult{};
    calculate(h);
    return result_;
  };
  candidates_ = vd::pressLightest(host, state_.settings, search);
}

// ---- beams -----------------------------------------------------------------------------------

BeamForm::BeamForm(AppState& s, const char* templ, const char* title, ShapeFormIds ids, int statusId,
                   std::string& kept, const char* rowSection, const char* rowKey)
    : ShapeForm(s, templ, title, ids, &kept), statusId_(statusId), rowSection_(rowSection), rowKey_(rowKey) {}

void BeamForm::addLocationAndList(int locationId, int listWidth) {
  locationId_ = locationId;
  Control& loc = layout_.add(ControlKind::MultiEdit, locationId, "Location of this beam:");
  loc.width = 40;
  loc.height = 3;
  layout_.newLine();
  layout_.list(ids_.list, "", 10).width = listWidth;
  layout_.newLine();
  maxDepthField(layout_, ids_.maxDepth);
  layout_.newLine();
}

void BeamForm::addResultAndButtons(bool cancel) {
  layout_.newLine();
  layout_.pane(ids_.result, "", 14).width = 80;
  layout_.newLine();
  if (cancel) layout_.button(kCancel, "Cancel");
  layout_.button(ids_.calculate, "Calculate").isDefault = true;
  lightestButton(layout_, ids_.lightest);
  layout_.button(kOk, "OK");
  layout_.newLine();
  layout_.statusBar(statusId_);
}

void BeamForm::opened(FormHost& host) {
  const Settings& st = state_.settings;
  const ShapeRows t = rows();
  row_ = st.readInt(rowSection_, rowKey_);
  host.setText(ids_.maxDepth, st.read(t.section, "maxDepth"));
  showLastBeam(host, state_);
  host.setText(locationId_, st.read("Project", "Note", "", 250));
  loadInputs(host);
  fillShapeList(host, ids_.list, t.table, row_);
}

void BeamForm::accept(FormHost&) { state_.settings.formatAndWrite(rowSection_, rowKey_, "%d", row_); }

bool BeamForm::refused(FormHost& host, std::initializer_list<FieldValue> values, const char* why, double lb) {
  std::string reason = outOfRange(values);
  if (reason.empty() && why) reason = why;
  if (reason.empty() && lb < 0.0) reason = "The unbraced length Lb cannot be negative.";
  if (reason.empty()) return false;
  padText_ = refuse(host, "Vardelin", MessageIcon::Exclamation, reason, " Nothing was calculated.\r\n");
  host.setText(ids_.result, padText_);
  return true;
}

const SectionRecord& BeamForm::calculationRow(FormHost& host) {
  const ShapeTable table = rows().table;
  row_ = rowForCalculate(host, ids_.list, table, true);
  return *sectionRow(table, row_);
}

void BeamForm::storeValues(std::initializer_list<std::pair<const char*, double>> values) {
  const char* section = rows().section;
  for (const auto& [key, value] : values) state_.settings.formatAndWrite(section, key, "%.2lf", value);
}

// ---- columns and struts ----------------------------------------------------------------------

void ColumnFormBase::changed(FormHost& host, int id) {
  using namespace column_form;
  if (id >= RoleFirst && id < RoleFirst + 4 && host.checked(id)) setRole(host, id - RoleFirst);
  if (id == List) listChanged(host);
}

void ColumnFormBase::addMaxDepth() {
  layout_.newLine();
  maxDepthField(layout_, ids_.maxDepth);
}

void ColumnFormBase::addResultAndButtons() {
  layout_.newLine();
  layout_.pane(ids_.result, "", 10).width = 70;
  layout_.newLine();
  layout_.button(ids_.calculate, "Calculate").isDefault = true;
  lightestButton(layout_, ids_.lightest);
  layout_.button(kOk, "OK");
}

void ColumnFormBase::openCommon(FormHost& host, const char* roleSection, const char* rowSection,
                                const char* rowKey) {
  const Settings& st = state_.settings;
  const ShapeRows t = rows();
  setRole(host, st.readInt(roleSection, "CBF"));
  host.setItems(column_form::RwList, rwItems());
  host.select(column_form::RwList, st.readInt(roleSection, "Rw"));
  fillShapeList(host, ids_.list, t.table, st.readInt(rowSection, rowKey) - t.first, t.first, t.last);
  host.setText(column_form::Location, st.read("Project", "Note", "", 250));
  host.setText(ids_.maxDepth, st.read(t.section, "maxDepth"));
}

int ColumnFormBase::tableRow(FormHost& host) const {
  const ShapeRows t = rows();
  const int sel = host.selection(ids_.list);
  return t.first + (sel < 0 ? 0 : sel);
}

}  // namespace vd
