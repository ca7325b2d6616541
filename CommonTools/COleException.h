#pragma once
// The class library's exception for an automation call that failed as a call: the
// object or the runtime returned a failing HRESULT without describing the failure
// (unknown member, wrong argument type, class not registered, out of memory).
#include <exception>

#include "platform/com/HResult.h"

class COleException : public std::exception {
 public:
  explicit COleException(SCODE sc) : m_sc(sc) {}

  const char* what() const noexcept override { return "automation call failed"; }

  SCODE m_sc;
};
