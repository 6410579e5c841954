// The text-mode console that a running program sees: its screen (cursor,
// colours, clearing) and its keyboard (line input, keys without echo). The
// interpreter talks only to this interface; the terminal back end serves
// `kauc` and the stand-alone runner, a window back end serves the windows.
//
// All text crossing this interface is code page 850, one byte a character.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <string_view>

namespace kau::console {

// Set by SIGINT (or the window's stop command) while a program runs; read by
// the interpreter before every instruction. Blocked reads and waits give up
// when it becomes true.
std::atomic<bool>& interruptFlag();

class Console {
 public:
  virtual ~Console() = default;

  // Screen ---------------------------------------------------------------
  // Writes at the cursor in the current colours. "\n" moves one row down
  // without returning to column 1, "\r" returns to column 1 (WRITELN writes
  // "\r\n"); the bell character beeps. Plain output (not a terminal) has
  // no colours or positions and writes "\r\n" as "\n".
  virtual void write(std::string_view cp850) = 0;
  // Output may be buffered (reads and waits flush it first): flush before
  // anything else writes to standard output.
  virtual void flush() = 0;
  virtual void clearScreen() = 0;                 // and cursor to top left
  // Column and row counted from 1 within the window; outside it: ignored.
  virtual void gotoXY(int column, int row) = 0;
  // DOS attribute: text colour bits 0-3, blink bit 7, background bits 4-6.
  virtual void setTextAttribute(unsigned char attribute) = 0;
  virtual unsigned char textAttribute() const = 0;
  virtual int windowRows() const = 0;             // 25 when unknown
  virtual int windowColumns() const = 0;          // 80 when unknown
  virtual int cursorRow() const = 0;              // from 1; as last known

  // Keyboard ------------------------------------------------------------
  // Next byte of line input (with echo where the terminal echoes), or -1 at
  // the end of input or when interrupted. Never blocks after the end of a
  // pipe or a file; on a terminal Ctrl+D ends only the read under way.
  virtual int readChar() = 0;
  // Gives back the byte last read, so that the next readChar returns it.
  virtual void unreadChar(int byte) = 0;
  // Drops the rest of the current input line, its line end included.
  virtual void discardRestOfLine() = 0;
  // Drops input that is typed ahead; only on a terminal, nothing on a pipe.
  virtual void discardPendingInput() = 0;
  // One key without echo: the byte of a plain key; an extended key gives 0
  // now and its scan code at the next call (Up 72, Down 80, Left 75,
  // Right 77, Home 71, End 79, PgUp 73, PgDn 81, Ins 82, Del 83, F1-F10
  // 59-68, F11 133, F12 134); Enter gives 13, Backspace 8. -1 at the end
  // of input or when interrupted.
  virtual int readKey() = 0;

  // Time ------------------------------------------------------------------
  // Sleeps the milliseconds given; returns early when interrupted.
  virtual void sleepMilliseconds(int ms) = 0;

  // A run -----------------------------------------------------------------
  // Around every run of a program: installs the SIGINT handler that sets
  // interruptFlag() (clearing it first) and puts the terminal in the mode the
  // run needs; endRun restores the previous handler, the terminal's mode and
  // its colours (the attribute is 7 again), also after an error. Safe to
  // call endRun twice; destroying the console ends a run still open. A run
  // ended by SIGTERM, SIGHUP or SIGQUIT, or by exit(), restores the terminal
  // too. SIGTERM, SIGHUP and SIGPIPE (an output whose reader has gone) stop
  // the run as Ctrl+C does; endRun, once the output is written, ends the
  // process by that signal.
  virtual void beginRun() = 0;
  virtual void endRun() = 0;

  // After a run ------------------------------------------------------------
  // Moves a terminal's cursor to the start of the next row unless it stands
  // in column 1, so that what follows (the shell's prompt, an error text)
  // begins a line of its own. Nothing on plain output.
  virtual void finishLine() {}
  // True once some output could not be written (a full disk, a closed
  // pipe): that output is lost, and the run's result should say so.
  virtual bool outputFailed() const { return false; }
};

// The console over the terminal this process was started from: ANSI escape
// sequences and termios when standard output is a terminal, plain text
// without escape sequences otherwise; standard input may be a pipe or a file.
std::unique_ptr<Console> makeTerminalConsole();

}  // namespace kau::console
