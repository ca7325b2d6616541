#pragma once
// One checkpoint row of a plan run, its eight texts in column order (GBK).
#include <string>

struct PlanRunRow {
  std::string strCheckpoint;
  std::string strArea;
  std::string strPeople;
  std::string strState;
  std::string strTime;
  std::string strResult;
  std::string strAnomaly;
  std::string strAnomalyDescription;
};
