#include "StateTable.h"

const char16_t kUnknownStateText[] = u"未知#Unknow";

StateLook LookUpState(int32_t code)
{
    switch (static_cast<uint32_t>(code)) {
    case 0: return {10010, BoardRgb(255, 0, 0)};
    case 1: return {10011, BoardRgb(0, 0, 255)};
    case 4: return {10013, BoardRgb(146, 146, 146)};
    case 5: return {10012, BoardRgb(0, 255, 0)};
    case 6: return {10014, BoardRgb(245, 156, 48)};
    case 7: return {10016, BoardRgb(255, 0, 0)};
    case 8: return {10015, BoardRgb(255, 119, 0)};
    default: return {0, BoardRgb(0, 255, 0)};
    }
}
