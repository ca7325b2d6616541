#pragma once
// Makes "CreateTextServices" of "Riched20.dll" and "msftedit.dll" resolve to the text
// services of this library, before main runs, in every program that links it.
namespace platform::textservices {

class TextServicesExports {
 public:
  // Registers both libraries' export again (after a test replaced it).
  static void Register();
};

}  // namespace platform::textservices
