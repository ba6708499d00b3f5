#include "platform/field_keys.h"

namespace vd {

void loadFields(FormHost& host, const Settings& settings, const char* section, FieldKeys fields) {
  for (const FieldKey& f : fields) host.setText(f.id, settings.read(section, f.key));
}

void storeFields(const FormHost& host, Settings& settings, const char* section, FieldKeys fields) {
  for (const FieldKey& f : fields) settings.formatAndWrite(section, f.key, f.format, host.number(f.id));
}

}  // namespace vd
