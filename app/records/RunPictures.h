#pragma once
// The pictures of one plan run: their names on the picture service and the local copy
// under "<program folder>\res\<plan id>\<time key>", which every fetch empties and
// refills. A name the service lists that is no plain file name (a separator, "..", a
// character Windows refuses) is logged as a failed download and left out: it never
// becomes a local path.
#include <string>
#include <vector>

class RunPictures {
 public:
  RunPictures(int planId, std::string timeKey);

  const std::wstring& RunFolder() const { return m_runFolder; }
  // The names as of the last fetch, in the service's order.
  const std::vector<std::string>& Names() const { return m_names; }
  // Run folder + "\" + name.
  std::wstring LocalPath(const std::string& name) const;
  // False, with the names unchanged, when a local folder could not be made or the time
  // key is no plain file name (then nothing local is touched).
  bool Fetch();

 private:
  bool PrepareFolders() const;

  int m_nPlanId;
  std::string m_strTimeKey;
  std::wstring m_resFolder;
  std::wstring m_planFolder;
  std::wstring m_runFolder;
  std::vector<std::string> m_names;
};
