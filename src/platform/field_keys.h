#pragma once
// Where a form's fields keep their values in the settings store: one table per form serves opening the
// form and storing what a calculation used, so the two never disagree on a key or a format.
#include <span>

#include "platform/form.h"
#include "platform/settings.h"

namespace vd {

struct FieldKey {
  int id;              // the edit field
  const char* key;     // its key in the form's settings section
  const char* format;  // how the value is written ("%.2lf")
};

using FieldKeys = std::span<const FieldKey>;

// Fills every field with its stored text.
void loadFields(FormHost& host, const Settings& settings, const char* section, FieldKeys fields);
// Stores every field's number as the form reads it (call after the calculation accepted them).
void storeFields(const FormHost& host, Settings& settings, const char* section, FieldKeys fields);

}  // namespace vd
