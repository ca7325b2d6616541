#pragma once
// The forms of the patrol-record parser, one per kind of result, and the pass-rate parser.
#include <list>
#include <map>
#include <string>

#include "data/InspectRecordGroup.h"
#include "data/InspectRecordInfo.h"
#include "data/PassRateInfo.h"
#include "data/RecordAreaInfo.h"

// One record (an object, or null for none), named from the plan cache: the plan's name
// and its people's names joined by ",". Safe on any thread: the cache is read under its
// lock.
void ParseInspectRecordJsonData(const char* pData, InspectRecordInfo& record);

// Appends the records of a list reply in reply order, unnamed.
void ParseInspectRecordJsonData(const char* pData, std::list<InspectRecordInfo>& listRecord);

// Appends the areas of one plan run, each with its checkpoints.
void ParseInspectRecordJsonData(const char* pData, std::list<RecordAreaInfo>& listArea);

// Groups the kind-2 records into plan runs ("planId&date") and the runs into the plan's
// time windows ("HH:MM-HH:MM"). Every window of a run gets its subgroup, empty or not; a
// visit joins a window from its start minute to its end minute, both included. A visit
// whose time cannot be read joins no window.
void ParseInspectRecordJsonData(const char* pData, std::map<std::string, InspectRecordGroup>& mapGroup);

// Appends the buckets of a pass-rate reply in reply order.
void ParseInspectRecordRateJsonData(const char* pData, std::list<PassRateInfo>& listRate);
