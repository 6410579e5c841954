// The value types of the editor control: its options, state flags and status
// changes as bit sets, caret shapes, scroll settings and the signatures of
// its events.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "editor/model/edit_types.h"
#include "editor/model/key_cmds.h"
#include "editor/model/object.h"
#include "platform/draw/canvas.h"
#include "platform/shift_state.h"
#include "platform/window/cursors.h"
#include "platform/window/scroll_bars.h"

namespace kau::editor {

using platform::TScrollBarKind;
using platform::sbHorizontal;
using platform::sbVertical;

// Options: bit i stands for the i-th option in declaration order.
using TSynEditorOptions = std::uint32_t;
inline constexpr TSynEditorOptions eoAltSetsColumnMode = 1u << 0;
inline constexpr TSynEditorOptions eoAutoIndent = 1u << 1;
inline constexpr TSynEditorOptions eoAutoSizeMaxLineWidth = 1u << 2;
inline constexpr TSynEditorOptions eoDisableScrollArrows = 1u << 3;
inline constexpr TSynEditorOptions eoDragDropEditing = 1u << 4;
inline constexpr TSynEditorOptions eoDropFiles = 1u << 5;
inline constexpr TSynEditorOptions eoEnhanceHomeKey = 1u << 6;
inline constexpr TSynEditorOptions eoGroupUndo = 1u << 7;
inline constexpr TSynEditorOptions eoHalfPageScroll = 1u << 8;
inline constexpr TSynEditorOptions eoHideShowScrollbars = 1u << 9;
inline constexpr TSynEditorOptions eoKeepCaretX = 1u << 10;
inline constexpr TSynEditorOptions eoNoCaret = 1u << 11;
inline constexpr TSynEditorOptions eoNoSelection = 1u << 12;
inline constexpr TSynEditorOptions eoRightMouseMovesCursor = 1u << 13;
inline constexpr TSynEditorOptions eoScrollByOneLess = 1u << 14;
inline constexpr TSynEditorOptions eoScrollHintFollows = 1u << 15;
inline constexpr TSynEditorOptions eoScrollPastEof = 1u << 16;
inline constexpr TSynEditorOptions eoScrollPastEol = 1u << 17;
inline constexpr TSynEditorOptions eoShowScrollHint = 1u << 18;
inline constexpr TSynEditorOptions eoShowSpecialChars = 1u << 19;
inline constexpr TSynEditorOptions eoSmartTabDelete = 1u << 20;
inline constexpr TSynEditorOptions eoSmartTabs = 1u << 21;
inline constexpr TSynEditorOptions eoSpecialLineDefaultFg = 1u << 22;
inline constexpr TSynEditorOptions eoTabIndent = 1u << 23;
inline constexpr TSynEditorOptions eoTabsToSpaces = 1u << 24;
inline constexpr TSynEditorOptions eoTrimTrailingSpaces = 1u << 25;

inline constexpr TSynEditorOptions SYNEDIT_DEFAULT_OPTIONS =
    eoAutoIndent | eoDragDropEditing | eoGroupUndo | eoScrollPastEol | eoShowScrollHint | eoSmartTabDelete |
    eoSmartTabs | eoTabsToSpaces | eoTrimTrailingSpaces;
static_assert(SYNEDIT_DEFAULT_OPTIONS == 0x3360092);

using TSynStateFlags = std::uint16_t;
inline constexpr TSynStateFlags sfCaretChanged = 1u << 0;
inline constexpr TSynStateFlags sfScrollbarChanged = 1u << 1;
inline constexpr TSynStateFlags sfLinesChanging = 1u << 2;
inline constexpr TSynStateFlags sfIgnoreNextChar = 1u << 3;
inline constexpr TSynStateFlags sfCaretVisible = 1u << 4;
inline constexpr TSynStateFlags sfDblClicked = 1u << 5;
inline constexpr TSynStateFlags sfPossibleGutterClick = 1u << 6;
inline constexpr TSynStateFlags sfWaitForDragging = 1u << 7;
inline constexpr TSynStateFlags sfInsideRedo = 1u << 8;

using TSynStatusChanges = std::uint16_t;
inline constexpr TSynStatusChanges scAll = 1u << 0;
inline constexpr TSynStatusChanges scCaretX = 1u << 1;
inline constexpr TSynStatusChanges scCaretY = 1u << 2;
inline constexpr TSynStatusChanges scLeftChar = 1u << 3;
inline constexpr TSynStatusChanges scTopLine = 1u << 4;
inline constexpr TSynStatusChanges scInsertMode = 1u << 5;
inline constexpr TSynStatusChanges scModified = 1u << 6;
inline constexpr TSynStatusChanges scSelection = 1u << 7;
inline constexpr TSynStatusChanges scReadOnly = 1u << 8;

enum TSynEditCaretType : std::uint8_t { ctVerticalLine, ctHorizontalLine, ctHalfBlock, ctBlock };
enum TScrollHintFormat : std::uint8_t { shfTopLineOnly, shfTopToBottom };
enum TScrollStyle : std::uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TBorderStyle : std::uint8_t { bsNone, bsSingle };
enum TTransientType : std::uint8_t { ttBefore, ttAfter };
enum TSynReplaceAction : std::uint8_t { raCancel, raSkip, raReplace, raReplaceAll };

class TSynEditMark;

// Events; the sender is always the control.
using TPlaceMarkEvent = Method<void(TObject* Sender, TSynEditMark*& Mark)>;
using TProcessCommandEvent = Method<void(TObject* Sender, TSynEditorCommand& Command, char& AChar, void* Data)>;
using TContextHelpEvent = Method<void(TObject* Sender, const std::string& Word)>;
using TDropFilesEvent = Method<void(TObject* Sender, int X, int Y, const std::vector<std::string>& AFiles)>;
using TGutterClickEvent =
    Method<void(TObject* Sender, TMouseButton Button, int X, int Y, int Line, TSynEditMark* Mark)>;
using TGutterGetTextEvent = Method<void(TObject* Sender, int ALine, std::string& AText)>;
using TGutterPaintEvent = Method<void(TObject* Sender, int ALine, int X, int Y)>;
using TLineNumberEvent = Method<void(TObject* Sender, int& ALineNumber)>;
using TMouseMoveEvent = Method<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TMouseCursorEvent = Method<void(TObject* Sender, const TPoint& ALineCharPos, TCursor& ACursor)>;
using TPaintEvent = Method<void(TObject* Sender, platform::Canvas& ACanvas)>;
using TPaintTransient = Method<void(TObject* Sender, platform::Canvas& ACanvas, TTransientType TransientType)>;
using TReplaceTextEvent = Method<void(TObject* Sender, const std::string& ASearch, const std::string& AReplace,
                                      int Line, int Column, TSynReplaceAction& Action)>;
using TScrollEvent = Method<void(TObject* Sender, TScrollBarKind ScrollBar)>;
using TSpecialLineColorsEvent = Method<void(TObject* Sender, int Line, bool& Special, TColor& FG, TColor& BG)>;
using TStatusChangeEvent = Method<void(TObject* Sender, TSynStatusChanges Changes)>;
using THookedCommandEvent = Method<void(TObject* Sender, bool AfterProcessing, bool& Handled,
                                        TSynEditorCommand& Command, char& AChar, void* Data, void* HandlerData)>;

// A hooked command handler and the data it is called with.
struct THookedCommandHandlerEntry {
  THookedCommandEvent Event;
  void* Data = nullptr;
};

}  // namespace kau::editor
