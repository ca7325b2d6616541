#pragma once
// The class library's exception for an automation call the object rejected
// (DISP_E_EXCEPTION): the object's own error code and its description.
#include <exception>

#include "platform/base/CStringW.h"
#include "platform/com/HResult.h"

class COleDispatchException : public std::exception {
 public:
  COleDispatchException(WORD wCode, SCODE scError, CStringW source, CStringW description)
      : m_wCode(wCode), m_scError(scError), m_strSource(std::move(source)), m_strDescription(std::move(description)) {}

  const char* what() const noexcept override { return "automation call rejected"; }

  WORD m_wCode;
  SCODE m_scError;
  CStringW m_strSource;
  CStringW m_strDescription;
};
