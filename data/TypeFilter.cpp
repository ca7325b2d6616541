#include "data/TypeFilter.h"

#include "CommonTools/global_singleton.h"

namespace dal {

bool TypeVisible(int iType) {
  const global_singleton& session = global_singleton::get_const_instance();
  if (session.m_nAllRights == 1 || session.m_nAllTypes == 1) return true;
  return session.m_mapTypes.count(iType) != 0;
}

}  // namespace dal
