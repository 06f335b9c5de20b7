#pragma once
// Status codes of the imaging objects and the program-wide last status.
//
// Every imaging operation records the status of its most recent call here,
// whichever object made it (0 = Ok). Nothing is raised or shown: a failing
// operation returns false (actions) or 0 (getters) and leaves its code behind.

namespace vexo {

enum ImgStatus : int {
  kStatusOk = 0,
  kStatusGenericError = 1,
  kStatusInvalidParameter = 2,
  kStatusOutOfMemory = 3,
  kStatusObjectBusy = 4,
  kStatusInsufficientBuffer = 5,
  kStatusNotImplemented = 6,
  kStatusWin32Error = 7,
  kStatusWrongState = 8,
  kStatusAborted = 9,
  kStatusFileNotFound = 10,
  kStatusValueOverflow = 11,
  kStatusAccessDenied = 12,
  kStatusUnknownImageFormat = 13,
  kStatusFontFamilyNotFound = 14,
  kStatusFontStyleNotFound = 15,
  kStatusNotTrueTypeFont = 16,
  kStatusUnsupportedVersion = 17,
  kStatusNotInitialized = 18,
  kStatusPropertyNotFound = 19,
  kStatusPropertyNotSupported = 20,
};

// The status left by the most recent imaging call of any object.
int ImgLastStatus();

// Stores `status` as the last status and returns whether it is Ok. Every
// operation ends through this.
bool ImgRecord(int status);

}  // namespace vexo
