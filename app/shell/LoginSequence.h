#pragma once
// The two login roads before the main frame: with a command-line argument the token road
// (CommandLineLogin, CommandLineTokenLogin); without one the addresses from "Config.ini"
// (LoadBaseAddrConfig, the address dialog on the first run) and the user from the local
// login component or the login window (LoginFromLocalMachine_Sch). Every road ends with
// the module right check for "E61001", except that the token road spares the identities
// "IC0101" and "IC0102". UI thread only.
#include <string>

#include "CommonTools/OnlineUserInfo.h"

// The parts of the command-line argument: 21 skipped characters, the token, "$", the
// platform host, "$", the identity (cut before its first double quote). Every cut is
// clamped to the text: a part that is not there is empty.
struct CommandLineParts {
  std::wstring token;
  std::wstring host;
  std::wstring identity;
};
CommandLineParts SplitCommandLine(const std::wstring& argument);

// True when the platform and server addresses are known (read, or set by the dialog).
bool LoadBaseAddrConfig();
bool CommandLineLogin(OnlineUserInfo& out, const std::wstring& argument);
bool CommandLineTokenLogin(OnlineUserInfo& out, const std::wstring& token);
bool LoginFromLocalMachine_Sch(OnlineUserInfo& out);
OnlineUserInfo& CopyOnlineUserInfo(OnlineUserInfo& destination, const OnlineUserInfo& source);
