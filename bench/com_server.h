// The control as the COM benchmark reaches it: COM started on this thread
// in a single-threaded apartment, as script hosts start it; Scribbet.ocx
// loaded from the build and registered (DllRegisterServer) for the run, so
// that CoCreateInstance and cscript.exe find it, and unregistered after.
#pragma once

#include <objbase.h>

#include <string>

#include "Scribbet_h.h"
#include "control/com/owners.h"

namespace bench {

class Apartment {
 public:
  Apartment();  // raises when COM cannot start
  ~Apartment();
  Apartment(const Apartment&) = delete;
  Apartment& operator=(const Apartment&) = delete;
};

class Registration {
 public:
  // Loads the control's file and registers it; raises on failure.
  explicit Registration(const std::wstring& path);
  ~Registration();  // unregisters and unloads
  Registration(const Registration&) = delete;
  Registration& operator=(const Registration&) = delete;

 private:
  platform::unique_handle<HMODULE, &::FreeLibrary> module_;
};

// The control's file of this build: bin\Scribbet.ocx beside the bench folder.
std::wstring ControlPath();

// A new control, by class identifier, through the registration.
scribbet::com::ComPtr<_Scribbet> CreateControl();

}  // namespace bench
