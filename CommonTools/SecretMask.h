#pragma once
// Logs are read by whoever supports the school and copied around with crash reports:
// tokens, accounts and passwords go into them masked.
#include <string>

namespace CommonTools {

// A secret as the logs show it: "***", after its first four characters when it is long
// enough (16 or more) for the rest to stay secret; "" stays "".
std::string mask_secret(const std::string& secret);

// The address with the account and password of its user information ("user:pass@")
// each shown as "***", and the values of the query parameters that carry a token or a
// password ("token", "access_token", "qv_tk", "password", "pwd", any case) masked by
// mask_secret; the rest as it is.
std::string mask_url(const std::string& url);

}  // namespace CommonTools
