#pragma once
#include "data/ExceptionRecordInfo.h"

// Fills the record from a reply that is one object, or null when the run has no remark.
void ParseExceptionRecordJsonData(const char* pData, ExceptionRecordInfo& record);
