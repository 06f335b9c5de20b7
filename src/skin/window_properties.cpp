#include "skin/window_properties.h"

#include <QVariant>

namespace vexo::skin {

long long GetProp(const QObject* object, const char* name) {
  if (object == nullptr) return 0;
  QVariant value = object->property(name);
  return value.isValid() ? value.toLongLong() : 0;
}

void SetProp(QObject* object, const char* name, long long value) {
  if (object != nullptr) object->setProperty(name, QVariant::fromValue(value));
}

bool HasProp(const QObject* object, const char* name) {
  return object != nullptr && object->property(name).isValid();
}

}  // namespace vexo::skin
