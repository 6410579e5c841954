// Free procedures shared by the editor control, its line store and printing:
// integer and point helpers, tab expansion, conversions between character
// indexes and caret columns, character scans and the reversible escaping of
// texts. None of them keeps state.
//
// Text is code page 1252, a single-byte code page: there are no lead bytes,
// so the multi-byte scans find nothing and the reverse scan runs backwards.
#pragma once

#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "editor/model/edit_types.h"

namespace kau::editor {

using TSynCharSet = std::bitset<256>;

// Tab expansion: each tab becomes as many #9 characters as columns it spans.
using TConvertTabsProc = std::string (*)(const std::string& Line, int TabWidth);
using TConvertTabsProcEx = std::string (*)(const std::string& Line, int TabWidth, bool& HasTabs);

int MinMax(int x, int mi, int ma);
void SwapInt(int& l, int& r);
TPoint maxPoint(const TPoint& P1, const TPoint& P2);
TPoint minPoint(const TPoint& P1, const TPoint& P2);
void IncrementPoint(TPoint& P, const TPoint& D);
void DecrementPoint(TPoint& P, const TPoint& D);

std::vector<std::int32_t> GetIntArray(std::size_t Count, std::int32_t InitialValue);

// Count := the characters before the first tab; the scan stops at a NUL.
bool GetHasTabs(std::string_view Line, int& CharsBefore);

std::string ConvertTabs(const std::string& Line, int TabWidth);
std::string ConvertTabsEx(const std::string& Line, int TabWidth, bool& HasTabs);
TConvertTabsProc GetBestConvertTabsProc(int TabWidth);
TConvertTabsProcEx GetBestConvertTabsProcEx(int TabWidth);
std::int64_t GetExpandedLength(std::string_view Line, int TabWidth);

int CharIndex2CaretPos(int Index, int TabWidth, std::string_view Line);
int CaretPos2CharIndex(int Position, int TabWidth, std::string_view Line, bool& InsideTabChar);

int StrScanForCharInSet(std::string_view Line, int Start, const TSynCharSet& AChars);
int StrRScanForCharInSet(std::string_view Line, int Start, const TSynCharSet& AChars);
int StrScanForMultiByteChar(std::string_view Line, int Start);
int StrRScanForMultiByteChar(std::string_view Line, int Start);

// The first NUL, LF or CR at or after P; null for null.
const char* GetEOL(const char* P);

// "\" becomes "\\" and "/" becomes "\."; DecodeString reverses it.
std::string EncodeString(std::string_view s);
std::string DecodeString(std::string_view s);

}  // namespace kau::editor
