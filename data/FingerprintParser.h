#pragma once
#include <list>

#include "data/FingerprintInfo.h"

// Appends the fingerprints of a reply in reply order, each named after its person in
// g_mapPeople (empty when the person is not there).
void ParseFingerprintJsonData(const char* pData, std::list<FingerprintInfo>& listFingerprint);
