#pragma once
#include <list>

#include "data/PeopleInfo.h"

// Appends the people of a list reply in reply order.
void ParsePeopleJsonData(const char* pData, std::list<PeopleInfo>& listPeople);
// Overwrites the record's fields from a one-person reply (an object, or null for none).
void ParsePeopleGetByIDJsonData(const char* pData, PeopleInfo& people);
