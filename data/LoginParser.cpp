#include "data/LoginParser.h"

#include "data/ParserRun.h"

void ParseLogin(const char* pData, LoginSessionInfo& info) {
  dal::RunParser(DalLogStyle::Text, "ParseLogin", pData, [&](const Json::Value& root) {
    info.ID = dal::ReadInt(root, "ID");
    info.UserName = dal::ReadText(root, "UserName");
    info.UserID = dal::ReadText(root, "UserID");
    info.SchoolName = dal::ReadText(root, "SchoolName");
    info.SchoolID = dal::ReadText(root, "SchoolID");
    info.Token = dal::ReadText(root, "Token");
    info.Time = dal::ReadText(root, "Time");
  });
}
