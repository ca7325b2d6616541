#include "app/records/DeviceRecordTypeName.h"

std::string DeviceRecordTypeName(int type) {
  switch (type) {
    case 4:
      return "手动报警";
    case 5:
      return "低电报警";
    default:
      return "位置打卡";
  }
}
