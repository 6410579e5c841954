// Construction and destruction of the control, in the order its steps must
// run: later steps read what earlier ones created.
#include "editor/control/syn_edit.h"

namespace kau::editor {

TCustomSynEdit::TCustomSynEdit(TObject* /*AOwner*/) {
  fFont = std::make_unique<TFont>();
  // The line store, recorded as both the store in use and the own one.
  fOrigLines = std::make_unique<TSynEditStringList>();
  fLines = fOrigLines.get();
  fLines->OnAdded = makeMethod<&TCustomSynEdit::ListAdded>(this);
  fLines->OnChange = makeMethod<&TCustomSynEdit::LinesChanged>(this);
  fLines->OnChanging = makeMethod<&TCustomSynEdit::LinesChanging>(this);
  fLines->OnCleared = makeMethod<&TCustomSynEdit::ListCleared>(this);
  fLines->OnDeleted = makeMethod<&TCustomSynEdit::ListDeleted>(this);
  fLines->OnInserted = makeMethod<&TCustomSynEdit::ListInserted>(this);
  fLines->OnPutted = makeMethod<&TCustomSynEdit::ListPutted>(this);

  fFontDummy = std::make_unique<TFont>();

  fOrigUndoList = std::make_unique<TSynEditUndoList>();
  fOrigUndoList->OnAddedUndo = makeMethod<&TCustomSynEdit::UndoRedoAdded>(this);
  fUndoList = fOrigUndoList.get();
  fOrigRedoList = std::make_unique<TSynEditUndoList>();
  fOrigRedoList->OnAddedUndo = makeMethod<&TCustomSynEdit::UndoRedoAdded>(this);
  fRedoList = fOrigRedoList.get();

  fActiveLineColor = clNone;

  fSelectedColor = std::make_unique<TSynSelectedColor>();
  fSelectedColor->OnChange = makeMethod<&TCustomSynEdit::SelectedColorsChanged>(this);
  fBookMarkOpt = std::make_unique<TSynBookMarkOpt>(this);
  fBookMarkOpt->OnChange = makeMethod<&TCustomSynEdit::BookMarkOptionsChanged>(this);

  fRightEdge = 80;

  fGutter = std::make_unique<TSynGutter>();
  fGutter->OnChange = makeMethod<&TCustomSynEdit::GutterChanged>(this);
  fGutterWidth = fGutter->Width();
  fTextOffset = fGutterWidth + 2;

  fHeight = 150;
  fWidth = 200;
  fCursor = crIBeam;
  fColor = clWindow;

  fFontDummy->SetName("Courier New");
  fFontDummy->SetSize(10);
  fFontDummy->SetCharSet(DEFAULT_CHARSET);
  fShowSpecialChars = false;

  fTextDrawer = std::make_unique<TheTextDrawer>(fsBold, fFontDummy.get());
  fFont->Assign(*fFontDummy);
  fFont->OnChange = makeMethod<&TCustomSynEdit::SynFontChanged>(this);

  fInserting = true;
  fMaxLineWidth = 1024;
  fScrollBars = ssBoth;
  fBorderStyle = bsSingle;
  fInsertCaret = ctVerticalLine;
  fOverwriteCaret = ctBlock;
  fSelectionMode = smNormal;

  fKbdHandler = std::make_unique<TSynEditKbdHandler>();
  fKeyStrokes = std::make_unique<TSynEditKeyStrokes>(this);
  fMarkList = std::make_unique<TSynEditMarkList>(this);
  fMarkList->OnChange = makeMethod<&TCustomSynEdit::MarkListChange>(this);
  SetDefaultKeystrokes();

  fRightEdgeColor = clSilver;
  fImeCount = 0;
  fMBCSStepAside = false;
  fWantReturns = true;
  fWantTabs = false;
  fTabWidth = 8;
  fLines->SetTabWidth(fTabWidth);
  fLeftChar = 1;
  fTopLine = 1;
  fCaretX = 1;
  fLastCaretX = 1;
  fCaretY = 1;
  fBlockBegin = {1, 1};
  fBlockEnd = fBlockBegin;

  SetOptions(SYNEDIT_DEFAULT_OPTIONS);

  fScrollTimer.Enabled = false;
  fScrollTimer.Interval = 100;

  fScrollHintColor = clInfoBk;
  fScrollHintFormat = shfTopLineOnly;
  fScrollHintShown = false;
  fChainedEditor = nullptr;

  SynFontChanged(nullptr);
}

TCustomSynEdit::~TCustomSynEdit() {
  fDestroying = true;
  ReleaseTextBuffers();
  SetHighlighter(nullptr);
  SetSearchEngine(nullptr);
  if (fBookMarkOpt->BookmarkImages()) fBookMarkOpt->BookmarkImages()->RemoveFreeNotification(this);
  DestroyWnd();
  fHookedCommandHandlers.reset();
  // Plug-ins still registered are freed, the last registered first; each
  // takes itself out of the list.
  while (!fPlugins.empty()) delete fPlugins.back();
  fMarkList.reset();
  fBookMarkOpt.reset();
  fKeyStrokes.reset();
  fKbdHandler.reset();
  fFocusList.clear();
  fSelectedColor.reset();
  fOrigUndoList.reset();
  fOrigRedoList.reset();
  fGutter.reset();
  fTextDrawer.reset();
  fInternalImage.reset();
  fFontDummy.reset();
  fOrigLines.reset();
}

}  // namespace kau::editor
