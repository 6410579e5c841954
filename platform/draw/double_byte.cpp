#include "platform/draw/double_byte.h"

namespace kau::platform {

bool IsDoubleByteCharSet(std::uint8_t charSet) {
  switch (charSet) {
    case SHIFTJIS_CHARSET:
    case HANGUL_CHARSET:
    case JOHAB_CHARSET:
    case GB2312_CHARSET:
    case CHINESEBIG5_CHARSET: return true;
    default: return false;
  }
}

bool IsLeadByteOfCharSet(std::uint8_t charSet, unsigned char ch) {
  switch (charSet) {
    // Code page 932.
    case SHIFTJIS_CHARSET: return (ch >= 0x81 && ch <= 0x9F) || (ch >= 0xE0 && ch <= 0xFC);
    // Code page 1361.
    case JOHAB_CHARSET:
      return (ch >= 0x84 && ch <= 0xD3) || (ch >= 0xD8 && ch <= 0xDE) || (ch >= 0xE0 && ch <= 0xF9);
    // Code pages 949, 936 and 950.
    case HANGUL_CHARSET:
    case GB2312_CHARSET:
    case CHINESEBIG5_CHARSET: return ch >= 0x81 && ch <= 0xFE;
    default: return false;
  }
}

}  // namespace kau::platform
