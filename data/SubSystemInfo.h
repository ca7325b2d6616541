#pragma once
// The addresses of the campus sub-systems ("E61" the patrol server, "E80" the message
// broker, "E01" the digital campus, "850" data collection), asked of the base platform's
// address service every time they are needed and never kept. Each call is one blocking
// exchange; an empty text means the platform named no address.
#include <string>

// The address every caller uses: outside the school network the outer query, inside it
// the inner one; the fourth element of the reply either way.
std::string GetSubSystemInfo(const std::string& sysID);

// The inner query, secured by the reversed MD5 of the id; fourth element.
std::string GetSubSystemInnerServerInfo(const std::string& sysID);

// The outer query whatever the network mode; third element.
std::string GetSubSystemServerInfo(const std::string& sysID);

// The text of the root's fourth child element (third with `third` set), untrimmed; empty
// when the text is not XML or the element is missing, empty or holds no text first.
std::string ParseSubSystemServerInfo(const char* xml, bool third);
