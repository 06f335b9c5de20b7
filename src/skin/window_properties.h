#pragma once
// The integers the skin keeps on windows and controls, under their short
// names, as dynamic properties of the widgets (0 means absent).
#include <QObject>

namespace vexo::skin {

inline constexpr const char* kHwLbId = "Hw_lbID";
inline constexpr const char* kHwFuId = "Hw_FuID";
inline constexpr const char* kHwHProc = "Hw_hProc";
inline constexpr const char* kKjLbId = "Kj_lbID";
inline constexpr const char* kKjFuId = "Kj_FuID";
inline constexpr const char* kKjHProc = "Kj_hProc";
inline constexpr const char* kKjZtys = "Kj_Ztys";
inline constexpr const char* kKjDxjb = "Kj_dxjb";
inline constexpr const char* kKjWtjb = "Kj_wtjb";
inline constexpr const char* kCkYcjdx = "Ck_Ycjdx";
inline constexpr const char* kCkWtjbdx = "Ck_wtjbdx";

// The value under `name`, 0 when the object has none.
long long GetProp(const QObject* object, const char* name);
void SetProp(QObject* object, const char* name, long long value);
bool HasProp(const QObject* object, const char* name);

}  // namespace vexo::skin

namespace vexo::skin {

// The platform style bits a control was defined with, where the skin reads
// them (a group box's title alignment: 0x100 left, 0x200 right, both centre).
// Without it a group box's own alignment decides.
inline constexpr const char* kControlStyle = "Hw_Style";

}  // namespace vexo::skin
